#pragma once

#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "forms/desktop_services.h"

namespace tavi::forms {

// The desktop of a headless run: records every request in order and answers confirmations
// from a script. A confirmation that the script did not foresee is answered No and counted, so
// a test sees an unexpected question instead of blocking on it.
class ScriptedDesktop : public DesktopServices {
 public:
  enum class Kind { Message, Confirmation, Error, ShellOpen, ProcessMessages, Restore };
  struct Request {
    Kind kind;
    std::string text;
    bool answer = false;  // confirmations: what was answered
  };

  // Queues the answers of the next confirmations, Yes = true.
  void answer(std::initializer_list<bool> answers) { answers_.insert(answers_.end(), answers); }

  void showMessage(std::string_view text) override;
  bool confirm(std::string_view text) override;
  void showError(std::string_view text) override;
  void shellOpen(std::string_view target) override;
  void processMessages() override;
  void restoreApplication() override;

  const std::vector<Request>& requests() const { return requests_; }
  // The texts of the requests of one kind, in order.
  std::vector<std::string> texts(Kind kind) const;
  std::vector<std::string> messages() const { return texts(Kind::Message); }
  std::vector<std::string> errors() const { return texts(Kind::Error); }
  std::vector<std::string> confirmations() const { return texts(Kind::Confirmation); }
  std::vector<std::string> shellOpens() const { return texts(Kind::ShellOpen); }
  int unexpectedConfirmations() const { return unexpected_; }
  void clear() { requests_.clear(); }

 private:
  std::vector<Request> requests_;
  std::deque<bool> answers_;
  int unexpected_ = 0;
};

}  // namespace tavi::forms
