#pragma once

#include <windows.h>

#include <string>

namespace tavi::frontends::win32 {

// The size of a single line of text in a font, as a window draws it.
SIZE textExtent(HWND window, HFONT font, const std::wstring& text);
// The size of a text wrapped at word breaks to the width, as a wrapping label draws it.
SIZE wrappedExtent(HWND window, HFONT font, const std::wstring& text, int width);
// The line height of a font (its character cell height).
int lineHeight(HWND window, HFONT font);

}  // namespace tavi::frontends::win32
