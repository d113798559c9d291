// The language file C:\KivTanOr5\dLangv.dat as the editor's windows read it: the stored index,
// then every lookup under it, whatever number the file holds.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "catalogue/product_groups.h"
#include "catalogue/product_lines.h"
#include "catalogue/product_names.h"
#include "editor/editor.h"
#include "editor/own_preparations_window.h"
#include "forms/scripted_desktop.h"
#include "platform/utf8.h"
#include "support/fuzz_check.h"
#include "support/fuzz_drive.h"
#include "texts/global_settings_table.h"
#include "texts/installer_table.h"
#include "texts/language.h"
#include "texts/main_window_table.h"
#include "texts/own_preparations_table.h"
#include "texts/product_window_table.h"

namespace {

using tavi::fuzzing::FuzzDrive;
namespace texts = tavi::texts;

// One editor for the whole run: the own-preparations window reads the file at every fill.
struct Session {
  tavi::forms::ScriptedDesktop desktop;
  tavi::editor::Editor editor{FuzzDrive::instance().platform(), desktop};
};

void checkLookups(texts::LanguageIndex language, texts::MessageNumber number) {
  const bool known = texts::isKnownLanguage(language);
  for (const texts::TextTable& table :
       {texts::mainWindowTextTable(), texts::productWindowTextTable(),
        texts::productWindowTextTableWithGreenFood(), texts::ownPreparationsTextTable(),
        texts::globalSettingsTextTable()}) {
    for (texts::MessageNumber volba : {number, 418, 2250, 16401}) {
      const std::string_view text = table.editorText(volba, language);
      FUZZ_CHECK(tavi::platform::utf8::isWellFormed(text));
      if (!known || table.find(volba) == nullptr) FUZZ_CHECK(text == texts::kEditorDefaultText);
    }
  }
  const texts::TextTable installer = texts::installerTextTable();
  for (texts::MessageNumber volba : {number, 1, 3, 5, 433}) {
    const std::string_view text = installer.installerText(volba, language);
    if (!known || installer.find(volba) == nullptr) FUZZ_CHECK(text.empty());
  }
}

void checkProductNames(texts::LanguageIndex language, std::uint8_t pick) {
  const auto products = tavi::catalogue::allGroups()[pick % 17].products;
  const std::string_view name =
      tavi::catalogue::FADoplnky(products[pick % products.size()], language);
  FUZZ_CHECK(!name.empty() && tavi::platform::utf8::isWellFormed(name));
  for (const tavi::catalogue::ProductLine& line : tavi::catalogue::allProductLines()) {
    std::string caption;
    tavi::catalogue::FAPreptech(line.id, caption, language);
    FUZZ_CHECK(tavi::platform::utf8::isWellFormed(caption));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static Session session;
  FuzzDrive& drive = FuzzDrive::instance();
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const bool present = size != 1;  // a single byte stands for no file at all
  if (present) {
    drive.write(texts::kLanguageFile, bytes);
  } else {
    drive.remove(texts::kLanguageFile);
  }

  tavi::editor::Editor& editor = session.editor;
  tavi::editor::TForm25& window = editor.Form25;
  session.desktop.clear();
  window.setCaption("");
  const bool filled = editor.app.dispatch([&] {
    window.show();
    window.NastavClick();
  });

  // A file shorter than one record is an error, never a language.
  FUZZ_CHECK(filled == (!present || size >= 4));
  FUZZ_CHECK(filled == session.desktop.errors().empty());
  if (!filled) {
    FUZZ_CHECK(window.caption().empty());
    return 0;
  }
  std::int32_t stored = 0;
  if (present) {
    std::uint32_t bits = 0;
    for (int i = 3; i >= 0; --i)
      bits = (bits << 8) | data[i];
    stored = static_cast<std::int32_t>(bits);
  }
  FUZZ_CHECK(editor.windows.Languagem == stored);
  FUZZ_CHECK(window.caption() == window.FATisk(2250));
  FUZZ_CHECK(texts::isKnownLanguage(stored) || window.caption() == texts::kEditorDefaultText);

  const texts::MessageNumber number =
      size >= 8 ? static_cast<std::int32_t>(data[4] | (data[5] << 8) | (data[6] << 16) |
                                            (static_cast<std::uint32_t>(data[7]) << 24))
                : 0;
  checkLookups(stored, number);
  checkProductNames(stored, size >= 9 ? data[8] : 0);
  return 0;
}
