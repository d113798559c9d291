#pragma once

#include <gtest/gtest.h>

#include <QWidget>

#include "demo_window.h"
#include "forms/application.h"
#include "forms/scripted_desktop.h"
#include "frontends/qt/renderer.h"
#include "qt_session.h"
#include "support/test_drive.h"

namespace tavi::frontends::qt::testing {

// The demo window, shown and drawn on a temporary drive.
class RendererTest : public ::testing::Test {
 protected:
  RendererTest() {
    window.show();
    renderer.sync();
  }

  template <class Widget>
  Widget& native(const forms::Control& control) {
    auto* widget = dynamic_cast<Widget*>(renderer.widget(control));
    if (widget == nullptr) throw std::logic_error("no widget of that class for " + control.name());
    return *widget;
  }
  QWidget& nativeWindow() { return *renderer.window(window); }

  QtSession session;
  tavi::testing::TestDrive drive;
  forms::ScriptedDesktop desktop;
  forms::Application app{desktop};
  DemoWindow& window = app.create<DemoWindow>();
  Renderer renderer{app, drive.platform()};
};

}  // namespace tavi::frontends::qt::testing
