#pragma once

#include <objbase.h>

namespace tavi::frontends::win32 {

// COM on the windows' thread for as long as the windows live: a screen reader's questions
// reach the controls' accessible objects through it.
class ComApartment {
 public:
  ComApartment() : joined_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
  ~ComApartment() {
    if (joined_) CoUninitialize();
  }
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;

 private:
  bool joined_;
};

}  // namespace tavi::frontends::win32
