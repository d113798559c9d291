#pragma once

#include <memory>
#include <vector>

#include "forms/application.h"
#include "forms/input_gate.h"
#include "frontends/qt/font_resolver.h"
#include "frontends/qt/form_view.h"
#include "frontends/qt/input_sink.h"

class QWidget;

namespace tavi::platform {
class Platform;
}

namespace tavi::frontends::qt {

// Draws every window of an application with Qt Widgets and feeds a person's actions back to it
// as the application's events. It holds no behaviour: after every event, before every modal
// box and when pending messages are processed, it brings the widgets in line with the model,
// touching only those whose control changed.
class Renderer : public InputSink {
 public:
  Renderer(forms::Application& app, const platform::Platform& platform);
  ~Renderer() override;
  Renderer(const Renderer&) = delete;
  Renderer& operator=(const Renderer&) = delete;

  forms::Application& app() const { return app_; }
  // Creates the windows of forms that show for the first time and brings every window in line
  // with its form.
  void sync();
  // Shows the main window and runs the event loop until the application ends; the exit code.
  int run();

  // The native window of a form and the widget of a control; nullptr until the form has first
  // shown (the main window also once another window has).
  FormWindow* window(const forms::Form& form) const;
  QWidget* widget(const forms::Control& control) const;

  bool deliver(forms::Control& source,
               const std::function<void(forms::Application&)>& event) override;
  bool focusForPress(forms::Control& control) override;
  void focusByKeyboard(forms::Control& control) override;
  bool keyPressed(forms::Control& control, forms::Key key) override;
  void closeRequested(forms::Form& form) override;

 private:
  FormView* viewOf(const forms::Form& form) const;
  void createView(std::size_t index);
  // Brings the widgets in line after an action the model took, and ends the loop with the
  // program.
  void afterAction();

  forms::Application& app_;
  const platform::Platform& platform_;
  FontResolver fonts_;
  // In the application's creation order; empty for a form that has not shown yet.
  std::vector<std::unique_ptr<FormView>> forms_;
  forms::InputGate gate_{app_};
};

}  // namespace tavi::frontends::qt
