#pragma once

#include <QApplication>

#include "frontends/qt/event_loop.h"

namespace tavi::frontends::qt::testing {

// A Qt application on the offscreen platform for one test: no display needed.
class QtSession {
 public:
  QtSession() { prepareApplication(application_); }

 private:
  char program_[6] = "tests";
  char platformOption_[10] = "-platform";
  char platform_[10] = "offscreen";
  char* argv_[4] = {program_, platformOption_, platform_, nullptr};
  int argc_ = 3;
  QApplication application_{argc_, argv_};
};

}  // namespace tavi::frontends::qt::testing
