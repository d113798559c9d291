#include "frontends/win32/box_answerer.h"

#include <string_view>

#include "frontends/win32/native_text.h"
#include "frontends/win32/wide_text.h"

namespace tavi::frontends::win32::testing {

namespace {

constexpr int kMessageTextId = 0xFFFF;

struct Candidates {
  DWORD processId;
  std::vector<HWND> boxes;
};

BOOL CALLBACK collectBox(HWND window, LPARAM state) {
  auto& candidates = *reinterpret_cast<Candidates*>(state);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  wchar_t windowClass[16] = {};
  GetClassNameW(window, windowClass, 16);
  if (owner == candidates.processId && IsWindowVisible(window) &&
      std::wstring_view(windowClass) == L"#32770") {
    candidates.boxes.push_back(window);
  }
  return TRUE;
}

}  // namespace

BoxAnswerer::BoxAnswerer(std::vector<int> buttons, DWORD processId, HWND watched)
    : processId_(processId), watched_(watched), buttons_(buttons.begin(), buttons.end()) {
  thread_ = std::thread([this] { watch(); });
}

BoxAnswerer::~BoxAnswerer() {
  stop_ = true;
  thread_.join();
}

std::vector<BoxAnswerer::Box> BoxAnswerer::boxes() const {
  std::lock_guard lock(mutex_);
  return boxes_;
}

bool BoxAnswerer::waitFor(std::size_t count, std::chrono::milliseconds timeout) const {
  const auto end = std::chrono::steady_clock::now() + timeout;
  while (std::chrono::steady_clock::now() < end) {
    if (boxes().size() >= count) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return boxes().size() >= count;
}

void BoxAnswerer::watch() {
  while (!stop_) {
    Candidates candidates{processId_, {}};
    EnumWindows(collectBox, reinterpret_cast<LPARAM>(&candidates));
    for (HWND box : candidates.boxes) {
      std::lock_guard lock(mutex_);
      if (answered_.contains(box)) continue;
      // A box is placed as it is activated, just after it became visible: read it once it
      // has stood still for a round.
      if (sighted_.insert(box).second) continue;
      answered_.insert(box);
      Box seen;
      seen.text = narrow(windowText(GetDlgItem(box, kMessageTextId)));
      seen.title = narrow(windowText(box));
      GetWindowRect(box, &seen.place);
      seen.watchedWindowEnabled = watched_ != nullptr && IsWindowEnabled(watched_);
      boxes_.push_back(seen);
      int button = IDOK;
      if (!buttons_.empty()) {
        button = buttons_.front();
        buttons_.pop_front();
      }
      PostMessageW(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                   reinterpret_cast<LPARAM>(GetDlgItem(box, button)));
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
}

}  // namespace tavi::frontends::win32::testing
