#pragma once

#include <string>
#include <vector>

#include "forms/application.h"
#include "forms/controls.h"
#include "forms/form.h"

namespace tavi::frontends::qt::testing {

// A small window with one control of every kind; its handlers log what ran.
class DemoWindow : public forms::Form {
 public:
  explicit DemoWindow(forms::Application& app, std::string name = "Form1")
      : Form(app, std::move(name), "Demo", 300, 220) {
    Save.onClick = [this] { log.push_back("SaveClick"); };
    Port.onExit = [this] { log.push_back("PortExit"); };
    Port.onKeyDown = [this](forms::Key key) {
      log.push_back("PortKeyDown " + std::to_string(static_cast<int>(key)));
    };
    Port.onChange = [this] { log.push_back("PortChange " + Port.text()); };
    Port.onClick = [this] { log.push_back("PortClick"); };
    Option.onClick = [this] {
      log.push_back(std::string("OptionClick ") + (Option.checked() ? "1" : "0"));
    };
    Method.onClick = [this] { log.push_back("MethodClick " + std::to_string(Method.itemIndex())); };
    Limit.onChange = [this] { log.push_back("LimitChange " + std::to_string(Limit.position())); };
    Flag.onClick = [this] { log.push_back("FlagClick"); };
    Notes.onChange = [this] { log.push_back("NotesChange " + Notes.text()); };
  }

  forms::Button Save{*this, "Save", {10, 10, 75, 25}, "Save"};
  forms::Edit Port{*this, "Port", {10, 40, 60, 21}, ""};
  forms::CheckBox Option{*this, "Option", {10, 70, 120, 17}, "Option"};
  forms::RadioGroup Method{*this, "Method", {10, 90, 120, 60}, "Method", {"A", "B"}};
  forms::ScrollBar Limit{*this, "Limit", {140, 10, 120, 17}, 70, 95, 80};
  forms::Panel Box{*this, "Box", {140, 40, 120, 60}};
  forms::Button Inner{*this, "Inner", {5, 5, 50, 20}, "Inner", &Box};
  forms::Picture Flag{*this, "Flag", {140, 110, 40, 20}};
  forms::Label Caption{*this, "Caption", {140, 140, 100, 13}, "Caption"};
  forms::Memo Notes{*this, "Notes", {10, 160, 120, 40}};
  forms::ProgressBar Progress{*this, "Progress", {140, 160, 120, 16}};

  std::vector<std::string> log;
};

}  // namespace tavi::frontends::qt::testing
