#pragma once

#include <string>
#include <vector>

#include "forms/application.h"
#include "forms/controls.h"
#include "forms/form.h"

namespace tavi::frontends::win32::testing {

// A small window with a control of every kind; its handlers log what ran. The port field's
// exit handler can refuse a text that is not a number and keep the focus, as a field check
// does.
class DemoWindow : public forms::Form {
 public:
  explicit DemoWindow(forms::Application& app, std::string name = "Demo")
      : Form(app, std::move(name), "Demo – Česky", 320, 240) {
    Save.onClick = [this] { log.push_back("SaveClick"); };
    Port.onExit = [this] {
      log.push_back("PortExit");
      if (portMustBeNumber && Port.text().find_first_not_of("0123456789") != std::string::npos) {
        setFocus(Port);
      }
    };
    Port.onKeyDown = [this](forms::Key key) {
      log.push_back("PortKeyDown " + std::to_string(static_cast<int>(key)));
    };
    Port.onChange = [this] { log.push_back("PortChange " + Port.text()); };
    Option.onClick = [this] {
      log.push_back(std::string("OptionClick ") + (Option.checked() ? "1" : "0"));
    };
    Method.onClick = [this] { log.push_back("MethodClick " + std::to_string(Method.itemIndex())); };
    Limit.onChange = [this] { log.push_back("LimitChange " + std::to_string(Limit.position())); };
    Limit.setSteps(1, 5);
    Inner.onClick = [this] { log.push_back("InnerClick"); };
    Flag.onClick = [this] { log.push_back("FlagClick"); };
    Notes.onChange = [this] { log.push_back("NotesChange " + Notes.text()); };
  }

  forms::Button Save{*this, "Save", {10, 10, 75, 25}, "Save & close"};
  forms::Edit Port{*this, "Port", {10, 45, 60, 21}, ""};
  forms::CheckBox Option{*this, "Option", {100, 45, 120, 17}, "Option"};
  forms::RadioGroup Method{
      *this, "Method", {10, 75, 150, 65}, "Method", {"Telemetric", "Electrode"}};
  forms::ScrollBar Limit{*this, "Limit", {170, 80, 130, 17}, 70, 95, 80};
  forms::Panel Box{*this, "Box", {170, 105, 130, 60}};
  forms::Button Inner{*this, "Inner", {5, 5, 60, 23}, "Inner", &Box};
  forms::Label Value{*this, "Value", {5, 35, 60, 13}, "80 %", &Box};
  forms::Picture Flag{*this, "Flag", {10, 150, 40, 20}};
  forms::Memo Notes{*this, "Notes", {60, 150, 100, 50}};
  forms::ProgressBar Progress{*this, "Progress", {170, 175, 130, 17}};

  bool portMustBeNumber = false;
  std::vector<std::string> log;
};

}  // namespace tavi::frontends::win32::testing
