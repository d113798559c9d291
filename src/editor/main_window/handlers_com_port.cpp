#include <string>

#include "editor/main_window/main_window.h"
#include "editor/main_window/service_codes.h"
#include "texts/text_table.h"

namespace tavi::editor {
namespace {

constexpr texts::MessageNumber kWrongPort = 122;

// "1" to "99", written without a leading zero, sign or blank.
bool isPortNumber(const std::string& text) {
  auto digit = [](char c, char lowest) { return c >= lowest && c <= '9'; };
  if (text.size() == 1) return digit(text[0], '1');
  if (text.size() == 2) return digit(text[0], '1') && digit(text[1], '0');
  return false;
}

}  // namespace

void TForm8::COM_NrExit() {
  checkComField();
}

void TForm8::COM_NrKeyDown(forms::Key key) {
  // Every other key is the field's own business; nothing is filtered while typing.
  if (key == forms::Key::Enter) checkComField();
}

void TForm8::checkComField() {
  const std::string text = COM_Nr.text();
  // A service code is no port and is never reported as a wrong one.
  const bool serviceCode = serviceFunction(text).has_value();
  ResetAll.setVisible(serviceCode);
  if (serviceCode || text.empty()) return;
  if (isPortNumber(text)) return;
  app().desktop().showMessage(FATisk(kWrongPort));
  COM_Nr.setText("");
  setFocus(COM_Nr);
}

}  // namespace tavi::editor
