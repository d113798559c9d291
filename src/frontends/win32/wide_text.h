#pragma once

#include <string>
#include <string_view>

namespace tavi::frontends::win32 {

// The model's UTF-8 as the UTF-16 of the wide Windows functions, and back, by the platform's
// one rule for ill-formed text.
std::wstring widen(std::string_view text);
std::string narrow(std::wstring_view text);

// A caption for a BUTTON window, literal as every caption is.
std::wstring buttonCaption(std::string_view text);

}  // namespace tavi::frontends::win32
