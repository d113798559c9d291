#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include "forms/application.h"
#include "frontends/win32/demo_window.h"
#include "frontends/win32/desktop.h"
#include "frontends/win32/renderer.h"
#include "support/test_drive.h"

namespace tavi::frontends::win32::testing {

// A demo window drawn by the renderer on a temporary drive, shown and in line with the model.
class RendererTest : public ::testing::Test {
 protected:
  RendererTest();
  ~RendererTest() override;

  HWND native(const forms::Control& control) const { return renderer.nativeWindow(control); }
  HWND native(const forms::Form& form) const;
  // The radio button of an item.
  HWND item(const forms::RadioGroup& group, int index) const;
  // Handles what the system has queued, as the message loop would.
  void pump() { renderer.processPendingMessages(); }
  // A native window's rectangle in its parent's client area.
  static RECT placeOf(HWND window);

  tavi::testing::TestDrive drive;
  Desktop desktop{drive.platform(), "Demo"};
  forms::Application app{desktop};
  DemoWindow& demo;
  Renderer renderer{app, drive.platform()};
};

}  // namespace tavi::frontends::win32::testing
