#pragma once

#include <string_view>

namespace tavi::forms {

// What the windows' logic asks of the desktop. Each front end implements it with real boxes;
// tests use ScriptedDesktop, which records every request and answers from a script.
class DesktopServices {
 public:
  virtual ~DesktopServices() = default;

  // A modal box with the text and an OK button only, centred on the screen.
  virtual void showMessage(std::string_view text) = 0;
  // A modal Yes/No box; true for Yes.
  virtual bool confirm(std::string_view text) = 0;
  // The application's general error box, for a failure that ended a handler.
  virtual void showError(std::string_view text) = 0;
  // Opens a document, web address or shortcut with its associated application, without waiting.
  virtual void shellOpen(std::string_view target) = 0;
  // Lets the desktop repaint and handle pending input during a long handler.
  virtual void processMessages() = 0;
  // Restores the application when it is minimised.
  virtual void restoreApplication() = 0;
};

}  // namespace tavi::forms
