#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <vector>

#include "forms/application.h"
#include "forms/input_gate.h"
#include "frontends/win32/com_apartment.h"
#include "frontends/win32/form_view.h"
#include "frontends/win32/gdi_cache.h"

namespace tavi::platform {
class Platform;
}

namespace tavi::frontends::win32 {

// Draws every window of an application with the system's own controls and turns a person's
// actions on them into the application's events. It holds no behaviour: after every event it
// brings the windows in line with the model, touching only what changed.
class Renderer final : private FormViewHost {
 public:
  Renderer(forms::Application& app, const platform::Platform& platform);
  ~Renderer() override;
  Renderer(const Renderer&) = delete;
  Renderer& operator=(const Renderer&) = delete;

  // Brings every window in line with the model, creating the windows of forms that show for
  // the first time.
  void sync();
  // Runs the message loop until the application ends; the windows are hidden then.
  int run();
  // Handles the messages already waiting, as the desktop's "process messages" does.
  void processPendingMessages();
  // Brings the program back from the task bar when it is minimised.
  void restoreMainWindow();

  // The window of a form; nullptr until the form has first shown (the main window also once
  // another window has).
  FormView* window(const forms::Form& form) const;
  // The outer native window of a control; nullptr when it has none yet.
  HWND nativeWindow(const forms::Control& control) const;

 private:
  bool deliver(forms::Control& source,
               const std::function<void(forms::Application&)>& event) override;
  bool focusForPress(forms::Control& control) override;
  void focusByKeyboard(forms::Control& control) override;
  bool keyPressed(forms::Control& control, forms::Key key) override;
  void closeRequested(forms::Form& form) override;
  void resync(FormView& window) override;
  void restoreFocus(FormView& window) override;

  void dispatchMessage(MSG& message);
  void syncWindows(bool force);
  void createView(std::size_t index);

  ComApartment com_;
  forms::Application& app_;
  const platform::Platform& platform_;
  // Before the windows: fonts and brushes outlive every window that draws with them.
  GdiCache gdi_;
  // In the application's creation order; empty for a form that has not shown yet.
  std::vector<std::unique_ptr<FormView>> windows_;
  forms::InputGate gate_{app_};
};

}  // namespace tavi::frontends::win32
