#include "editor/fill_state.h"

#include <string>

#include "texts/error_messages.h"
#include "texts/message_values.h"
#include "texts/program_messages_table.h"

namespace tavi::editor {

void FillState::run(const std::function<void()>& fill) {
  failure_ = std::exception_ptr();
  try {
    fill();
    failure_.reset();
  } catch (const std::exception&) {
    failure_ = std::current_exception();
    throw;
  }
}

bool FillState::allowsSave(forms::DesktopServices& desktop, texts::LanguageIndex language) const {
  if (!failure_) return true;
  std::string failure(texts::programMessage(texts::kWindowNotFilled, language));
  if (*failure_) {
    try {
      std::rethrow_exception(*failure_);
    } catch (const std::exception& error) {
      failure = texts::errorMessage(error, language);
    }
  }
  desktop.showError(
      texts::withValues(texts::programMessage(texts::kNothingSaved, language), {failure}));
  return false;
}

}  // namespace tavi::editor
