#pragma once

#include <windows.h>

#include <atomic>
#include <chrono>
#include <deque>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

namespace tavi::frontends::win32::testing {

// Plays the person in front of the system's message boxes: from a thread of its own it waits
// for each box of a process, notes what it said and where it stood, and presses the next
// button of its script (OK when the script has run out).
class BoxAnswerer {
 public:
  struct Box {
    std::string text;
    std::string title;
    RECT place{};
    // Whether the window given to the answerer could take input while the box was open.
    bool watchedWindowEnabled = false;
  };

  explicit BoxAnswerer(std::vector<int> buttons = {}, DWORD processId = GetCurrentProcessId(),
                       HWND watched = nullptr);
  ~BoxAnswerer();
  BoxAnswerer(const BoxAnswerer&) = delete;
  BoxAnswerer& operator=(const BoxAnswerer&) = delete;

  std::vector<Box> boxes() const;
  // Waits until that many boxes were answered; false on timeout.
  bool waitFor(std::size_t count, std::chrono::milliseconds timeout) const;

 private:
  void watch();

  DWORD processId_;
  HWND watched_;
  mutable std::mutex mutex_;
  std::deque<int> buttons_;
  std::vector<Box> boxes_;
  std::set<HWND> sighted_;
  std::set<HWND> answered_;
  std::atomic<bool> stop_{false};
  std::thread thread_;
};

}  // namespace tavi::frontends::win32::testing
