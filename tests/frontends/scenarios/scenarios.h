#pragma once

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "forms/application.h"
#include "frontends/scenarios/driver.h"
#include "frontends/scenarios/scenario_window.h"

namespace tavi::frontends::scenarios {

// The program a scenario plays on: a main window and a second one it owns, both drawn by the
// front end under test, and the person at them.
struct Stage {
  forms::Application& app;
  ScenarioWindow& main;
  ScenarioWindow& second;
  Driver& driver;
};

// What a person does, and the model's answer that every front end must give: the handlers'
// log, the model's state, the boxes shown, and anything a front end must show on top of the
// checks that hold after every scenario.
struct Scenario {
  std::string name;
  std::function<void(Stage&)> steps;
  std::vector<std::string> events;
  std::string state;
  std::vector<std::string> boxes;
  std::function<void(Stage&)> shown;
};

const std::vector<Scenario>& table();
// Names the scenario in a test's report.
void PrintTo(const Scenario& scenario, std::ostream* out);

// The model's state in one line: the main window's focus, field, box and group, whether the
// second window is open and whether the program ended.
std::string modelState(const Stage& stage);

// Plays the scenario and checks the answers, then that the widgets show the model.
void play(const Scenario& scenario, Stage& stage);

}  // namespace tavi::frontends::scenarios
