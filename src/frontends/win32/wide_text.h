#pragma once

#include <string>
#include <string_view>

#include "platform/windows/wide_text.h"

namespace tavi::frontends::win32 {

// The model's UTF-8 as the UTF-16 of the wide Windows functions, and back: the platform's.
using platform::windows::narrow;
using platform::windows::widen;

// A caption for a BUTTON window, literal as every caption is.
std::wstring buttonCaption(std::string_view text);

}  // namespace tavi::frontends::win32
