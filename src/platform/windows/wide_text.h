#pragma once

#include <string>
#include <string_view>

// The program's UTF-8 text as the UTF-16 of the wide Windows functions, and back, converted
// by the same rules as on POSIX so that ill-formed text ends up alike on both.
namespace tavi::platform::windows {

std::wstring widen(std::string_view text);
// A lone surrogate becomes U+FFFD.
std::string narrow(std::wstring_view text);

}  // namespace tavi::platform::windows
