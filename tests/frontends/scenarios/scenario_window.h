#pragma once

#include <functional>
#include <string>
#include <vector>

#include "forms/application.h"
#include "forms/controls.h"
#include "forms/form.h"

namespace tavi::frontends::scenarios {

// The window every front-end scenario plays on: one control for each kind of input, a caption
// with "&", a label too narrow for its text, a hidden and a disabled button. Its handlers log
// what ran, so that both front ends can be held to the same log.
class ScenarioWindow : public forms::Form {
 public:
  explicit ScenarioWindow(forms::Application& app, std::string name)
      : Form(app, std::move(name), "Scenario", 320, 200) {
    Save.onClick = [this] {
      log.push_back("SaveClick");
      if (!whileSaving) return;
      whileSaving();
      log.push_back("SaveDone");
    };
    Port.onExit = [this] { log.push_back("PortExit"); };
    Port.onKeyDown = [this](forms::Key key) {
      log.push_back("PortKeyDown " + std::to_string(static_cast<int>(key)));
    };
    Port.onChange = [this] { log.push_back("PortChange " + Port.text()); };
    Option.onClick = [this] {
      log.push_back(std::string("OptionClick ") + (Option.checked() ? "1" : "0"));
    };
    Method.onClick = [this] { log.push_back("MethodClick " + std::to_string(Method.itemIndex())); };
    Ask.onClick = [this] {
      this->app().desktop().showMessage("Saved.");
      log.push_back(this->app().desktop().confirm("Overwrite?") ? "AskYes" : "AskNo");
    };
    Hidden.onClick = [this] { log.push_back("HiddenClick"); };
    Hidden.setVisible(false);
    Disabled.onClick = [this] { log.push_back("DisabledClick"); };
    Disabled.setEnabled(false);
  }

  forms::Button Save{*this, "Save", {10, 10, 75, 25}, "Save"};
  forms::Edit Port{*this, "Port", {10, 45, 60, 21}, ""};
  forms::CheckBox Option{*this, "Option", {100, 45, 150, 17}, "R2 Day & Night"};
  forms::RadioGroup Method{
      *this, "Method", {10, 75, 150, 80}, "Method", {"First", "Second", "Third"}};
  forms::Button Ask{*this, "Ask", {170, 75, 75, 25}, "Ask"};
  forms::Label Grows{*this, "Grows", {170, 110, 40, 13}, "A caption wider than its place"};
  forms::Button Hidden{*this, "Hidden", {170, 130, 75, 25}, "Hidden"};
  forms::Button Disabled{*this, "Disabled", {250, 130, 60, 25}, "Disabled"};

  // Runs inside the save handler, as pending messages do during a long handler.
  std::function<void()> whileSaving;
  std::vector<std::string> log;
};

}  // namespace tavi::frontends::scenarios
