#include "frontends/win32/tool_tips.h"

#include <commctrl.h>

namespace tavi::frontends::win32 {

namespace {

TTTOOLINFOW toolInfo(HWND tool, std::wstring* text) {
  TTTOOLINFOW info{};
  info.cbSize = sizeof info;
  info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  info.hwnd = GetParent(tool);
  info.uId = reinterpret_cast<UINT_PTR>(tool);
  info.lpszText = text != nullptr ? text->data() : nullptr;
  return info;
}

}  // namespace

ToolTips::~ToolTips() {
  if (tips_ != nullptr && IsWindow(tips_)) DestroyWindow(tips_);
}

void ToolTips::set(HWND tool, const std::wstring& text) {
  const auto known = texts_.find(tool);
  if (known == texts_.end() ? text.empty() : known->second == text) return;
  if (tips_ == nullptr) {
    // Shown even while the window is inactive, as the caption it completes is.
    tips_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                            WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                            CW_USEDEFAULT, CW_USEDEFAULT, owner_, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
  }
  std::wstring shown = text;
  TTTOOLINFOW info = toolInfo(tool, &shown);
  if (text.empty()) {
    SendMessageW(tips_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&info));
    texts_.erase(known);
    return;
  }
  if (known == texts_.end()) {
    SendMessageW(tips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
  } else {
    SendMessageW(tips_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
  }
  texts_[tool] = text;
}

std::wstring ToolTips::of(HWND tool) const {
  if (tips_ == nullptr) return {};
  std::wstring text(1024, L'\0');
  TTTOOLINFOW info = toolInfo(tool, &text);
  SendMessageW(tips_, TTM_GETTEXTW, text.size(), reinterpret_cast<LPARAM>(&info));
  text.resize(wcsnlen(text.c_str(), text.size()));
  return text;
}

}  // namespace tavi::frontends::win32
