#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "box_answerer.h"
#include "forms/application.h"
#include "frontends/scenarios/scenarios.h"
#include "frontends/win32/control_tags.h"
#include "frontends/win32/desktop.h"
#include "frontends/win32/renderer.h"
#include "frontends/win32/test_helpers.h"
#include "support/test_drive.h"

namespace tavi::frontends::win32::testing {
namespace {

using scenarios::Scenario;
using scenarios::ScenarioWindow;

// A caption with its doubled "&" drawn as one, as the person reads it on a button.
std::string asRead(std::string text) {
  for (std::size_t at = text.find("&&"); at != std::string::npos; at = text.find("&&", at + 1)) {
    text.erase(at, 1);
  }
  return text;
}

// The person at the system's controls: the messages that a mouse and a keyboard produce, sent
// to the real windows and handled by the program's message loop, and the real message boxes
// answered by their buttons from another thread.
class Win32Driver : public scenarios::Driver {
 public:
  explicit Win32Driver(Renderer& renderer) : renderer_(renderer) {}

  void click(const forms::Control& control, int item) override {
    HWND target = native(control);
    if (item >= 0) target = findTagged(target, control.name(), item);
    testing::press(target);
    pump();
  }
  void press(forms::Key key) override {
    HWND target = keyboardTarget();
    const auto code = static_cast<WPARAM>(key);
    PostMessageW(target, WM_KEYDOWN, code, 1);
    PostMessageW(target, WM_KEYUP, code, static_cast<LPARAM>(0xC0000001));
    pump();
  }
  void type(std::string_view text) override {
    for (const char character : text) {
      HWND target = keyboardTarget();
      const auto code = static_cast<WPARAM>(
          character >= 'a' && character <= 'z' ? character - 'a' + 'A' : character);
      SendMessageW(target, WM_KEYDOWN, code, 1);
      SendMessageW(target, WM_CHAR, static_cast<WPARAM>(character), 1);
      SendMessageW(target, WM_KEYUP, code, static_cast<LPARAM>(0xC0000001));
      pump();
    }
  }
  void closeByFrame(const forms::Form& form) override {
    SendMessageW(renderer_.window(form)->hwnd(), WM_SYSCOMMAND, SC_CLOSE, 0);
  }
  void answerBoxes(std::vector<scenarios::Answer> answers) override {
    std::vector<int> buttons;
    for (const scenarios::Answer answer : answers) {
      buttons.push_back(answer == scenarios::Answer::Yes  ? IDYES
                        : answer == scenarios::Answer::No ? IDNO
                                                          : IDOK);
    }
    person_ = std::make_unique<BoxAnswerer>(std::move(buttons));
  }
  std::vector<std::string> boxTexts() override {
    std::vector<std::string> texts;
    if (person_) {
      for (const auto& box : person_->boxes())
        texts.push_back(box.text);
    }
    return texts;
  }
  void settle() override {
    renderer_.sync();
    pump();
  }

  std::string shownCaption(const forms::Control& control) override {
    HWND shown = native(control);
    if (control.kind() == forms::ControlKind::Label) return shownText(shown);
    // A group's caption is its frame's, the first window inside it.
    if (control.kind() == forms::ControlKind::RadioGroup) shown = findTagged(shown, control.name());
    return asRead(shownText(shown));
  }
  bool shownVisible(const forms::Control& control) override {
    return IsWindowVisible(native(control)) != FALSE;
  }
  bool shownEnabled(const forms::Control& control) override {
    return IsWindowEnabled(native(control)) != FALSE;
  }
  forms::Rect shownRect(const forms::Control& control) override {
    HWND shown = native(control);
    RECT place;
    GetWindowRect(shown, &place);
    MapWindowPoints(HWND_DESKTOP, GetParent(shown), reinterpret_cast<POINT*>(&place), 2);
    return {place.left, place.top, place.right - place.left, place.bottom - place.top};
  }
  const forms::Control* nativeFocus(const forms::Form& form) override {
    for (HWND window = GetFocus(); window != nullptr; window = GetParent(window)) {
      if (const auto name = windowTag(window)) {
        if (const forms::Control* control = form.findControl(*name)) return control;
      }
    }
    return nullptr;
  }

 private:
  HWND native(const forms::Control& control) const {
    HWND shown = renderer_.nativeWindow(control);
    if (shown == nullptr) throw std::logic_error("no window for " + control.name());
    return shown;
  }
  HWND keyboardTarget() const {
    HWND focused = GetFocus();
    return focused != nullptr ? focused : GetActiveWindow();
  }
  void pump() { renderer_.processPendingMessages(); }

  Renderer& renderer_;
  std::unique_ptr<BoxAnswerer> person_;
};

class Win32Scenario : public ::testing::TestWithParam<Scenario> {
 protected:
  Win32Scenario() {
    desktop.attach(&renderer);
    app.start();
    renderer.sync();
    HWND window = renderer.window(main)->hwnd();
    SetForegroundWindow(window);
    driver.settle();
  }
  ~Win32Scenario() override { desktop.attach(nullptr); }

  tavi::testing::TestDrive drive;
  Desktop desktop{drive.platform(), "Scenario"};
  forms::Application app{desktop};
  ScenarioWindow& main = app.create<ScenarioWindow>("Form1");
  ScenarioWindow& second = app.create<ScenarioWindow>("Form2");
  Renderer renderer{app, drive.platform()};
  Win32Driver driver{renderer};
  scenarios::Stage stage{app, main, second, driver};
};

TEST_P(Win32Scenario, GivesTheModelsAnswers) {
  scenarios::play(GetParam(), stage);
}

INSTANTIATE_TEST_SUITE_P(Table, Win32Scenario, ::testing::ValuesIn(scenarios::table()),
                         [](const ::testing::TestParamInfo<Scenario>& scenario) {
                           return scenario.param.name;
                         });

}  // namespace
}  // namespace tavi::frontends::win32::testing
