#pragma once

#include <string>
#include <string_view>

// UTF-16, as the wide Windows functions and Unicode text files hold text, converted by one rule
// on every platform so that ill-formed text ends up alike everywhere.
namespace tavi::platform::utf16 {

// Ill-formed UTF-8 becomes U+FFFD as utf8::decode says.
std::u16string fromUtf8(std::string_view text);
// A lone surrogate becomes U+FFFD.
std::string toUtf8(std::u16string_view units);

}  // namespace tavi::platform::utf16
