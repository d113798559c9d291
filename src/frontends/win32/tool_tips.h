#pragma once

#include <windows.h>

#include <string>
#include <unordered_map>

namespace tavi::frontends::win32 {

// The tooltips of one window's controls: one tooltip control of the system, which shows a
// control's tip while the mouse rests on it.
class ToolTips {
 public:
  explicit ToolTips(HWND owner) : owner_(owner) {}
  ToolTips(const ToolTips&) = delete;
  ToolTips& operator=(const ToolTips&) = delete;
  ~ToolTips();

  // Gives the control's window that tip; an empty text takes its tip away.
  void set(HWND tool, const std::wstring& text);
  // The tip of a control's window as the tooltip control holds it; empty when it has none.
  std::wstring of(HWND tool) const;

 private:
  HWND owner_;
  HWND tips_ = nullptr;  // made with the first tip: most windows never need one
  std::unordered_map<HWND, std::wstring> texts_;
};

}  // namespace tavi::frontends::win32
