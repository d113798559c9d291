#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace tavi::frontends::win32 {

// Every native window of a form carries the design name of what it shows ("Form8", "Uloz"),
// and a radio button also its item number, so that a program outside, a test driving the
// real windows, can find them. The names are kept as global atoms, readable from any process.

void tagWindow(HWND window, std::string_view name, int item = -1);
// Drops the tag; called when the window is destroyed.
void untagWindow(HWND window);

std::optional<std::string> windowTag(HWND window);
// The item number of a radio button; -1 for any other window.
int windowItem(HWND window);

// The first descendant of `parent` tagged with `name` (and `item`, when given); nullptr if none.
HWND findTagged(HWND parent, std::string_view name, int item = -1);
// The visible or hidden top-level window of a form in a process (0: any process).
HWND findFormWindow(std::string_view formName, DWORD processId = 0);

}  // namespace tavi::frontends::win32
