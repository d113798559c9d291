#include "forms/scripted_desktop.h"

namespace tavi::forms {

void ScriptedDesktop::showMessage(std::string_view text) {
  requests_.push_back({Kind::Message, std::string(text)});
}

bool ScriptedDesktop::confirm(std::string_view text) {
  bool yes = false;
  if (answers_.empty()) {
    ++unexpected_;
  } else {
    yes = answers_.front();
    answers_.pop_front();
  }
  requests_.push_back({Kind::Confirmation, std::string(text), yes});
  return yes;
}

void ScriptedDesktop::showError(std::string_view text) {
  requests_.push_back({Kind::Error, std::string(text)});
}

void ScriptedDesktop::shellOpen(std::string_view target) {
  requests_.push_back({Kind::ShellOpen, std::string(target)});
}

void ScriptedDesktop::processMessages() {
  requests_.push_back({Kind::ProcessMessages, {}});
}

void ScriptedDesktop::restoreApplication() {
  requests_.push_back({Kind::Restore, {}});
}

std::vector<std::string> ScriptedDesktop::texts(Kind kind) const {
  std::vector<std::string> result;
  for (const auto& request : requests_) {
    if (request.kind == kind) result.push_back(request.text);
  }
  return result;
}

}  // namespace tavi::forms
