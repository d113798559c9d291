#pragma once

#include <string>
#include <vector>

#include "forms/application.h"
#include "forms/controls.h"
#include "forms/form.h"

namespace tavi::forms::testing {

// A small window with one control of each kind that takes input; handlers log what ran.
class TestWindow : public Form {
 public:
  explicit TestWindow(Application& app, std::string name = "Form1")
      : Form(app, std::move(name), "Test", 300, 200) {
    Save.onClick = [this] { log.push_back("SaveClick"); };
    Port.onExit = [this] { log.push_back("PortExit"); };
    Port.onKeyDown = [this](Key key) {
      log.push_back("PortKeyDown " + std::to_string(static_cast<int>(key)));
    };
    Port.onChange = [this] { log.push_back("PortChange " + Port.text()); };
    Option.onClick = [this] {
      log.push_back(std::string("OptionClick ") + (Option.checked() ? "1" : "0"));
    };
    Method.onClick = [this] { log.push_back("MethodClick " + std::to_string(Method.itemIndex())); };
    Limit.onChange = [this] { log.push_back("LimitChange " + std::to_string(Limit.position())); };
    Flag.onClick = [this] { log.push_back("FlagClick"); };
  }

  void created() override { log.push_back("Created"); }

  Button Save{*this, "Save", {10, 10, 75, 25}, "Save"};
  Edit Port{*this, "Port", {10, 40, 40, 21}, ""};
  CheckBox Option{*this, "Option", {10, 70, 120, 17}, "Option"};
  RadioGroup Method{*this, "Method", {10, 90, 120, 60}, "Method", {"A", "B"}};
  ScrollBar Limit{*this, "Limit", {140, 10, 120, 17}, 70, 95, 80};
  Panel Box{*this, "Box", {140, 40, 120, 60}};
  Button Inner{*this, "Inner", {5, 5, 50, 20}, "Inner", &Box};
  Picture Flag{*this, "Flag", {140, 110, 40, 20}};
  Label Caption{*this, "Caption", {140, 140, 100, 13}, "Caption"};

  std::vector<std::string> log;
};

}  // namespace tavi::forms::testing
