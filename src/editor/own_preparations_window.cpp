#include "editor/own_preparations_window.h"

#include <string_view>

#include "editor/own_preparations_list.h"
#include "editor/unstorable_text.h"
#include "store/settings_catalogue.h"
#include "texts/language.h"
#include "texts/own_preparations_table.h"
#include "texts/program_messages_table.h"

namespace tavi::editor {
namespace {

// Read by the suite's other programs; only this window's save creates it.
constexpr std::string_view kPreparationList = store::kOwnPreparationsFile;

constexpr texts::MessageNumber kSaveText = 418;
constexpr texts::MessageNumber kCloseText = 419;
constexpr texts::MessageNumber kTitleText = 2250;
constexpr texts::MessageNumber kEmptyItemText = 2251;
constexpr texts::MessageNumber kRepeatedItemText = 2252;

}  // namespace

TForm25::TForm25(forms::Application& app, WindowSet& windows)
    : EditorWindow(app, windows, texts::ownPreparationsTextTable(), "Form25", "Form25", 392, 540),
      MemoNONE(*this, "MemoNONE", {0, 0, 392, 540}),
      // The buttons stand over the lower right corner of the list.
      Uloz(*this, "Uloz", {205, 490, 87, 42}, "Uložit"),
      Konec(*this, "Konec", {298, 490, 86, 42}, "Konec"),
      Nastav(*this, "Nastav", {8, 8, 75, 25}, "Nastav") {
  MemoNONE.setLines({"SeznamprehledNONE"});
  Nastav.setVisible(false);
  Uloz.onClick = [this] { UlozClick(); };
  Konec.onClick = [this] { KonecClick(); };
  Nastav.onClick = [this] { NastavClick(); };
  centre();
  windows.Form25 = this;
}

void TForm25::NastavClick() {
  filled_.run([this] { fill(); });
}

void TForm25::fill() {
  windows_.Languagem = texts::loadLanguage(windows_.files);
  setCaption(FATisk(kTitleText));
  Uloz.setCaption(FATisk(kSaveText));
  Konec.setCaption(FATisk(kCloseText));
  MemoNONE.setLines({});
  listEncoding_ = store::TextEncoding::Ansi;
  platform::Platform& platform = windows_.files.platform();
  if (windows_.files.FlagExists(kPreparationList)) {
    store::DecodedText list = store::decodeText(platform.readFile(kPreparationList), platform);
    listEncoding_ = list.encoding;
    MemoNONE.setText(list.text);
  }
  centre();
}

void TForm25::UlozClick() {
  // A list that was not read would replace the stored one.
  if (!filled_.allowsSave(app().desktop(), windows_.Languagem)) return;
  const std::string text = MemoNONE.text();
  const PreparationListCheck check = checkPreparationItems(preparationItems(text));
  if (check.noEmpty && check.noRepeat) {
    platform::Platform& platform = windows_.files.platform();
    if (listEncoding_ == store::TextEncoding::Ansi) {
      if (const std::string reason = unstorableReason(platform, text, windows_.Languagem);
          !reason.empty()) {
        app().desktop().showMessage(programMessage(texts::kListNotStorable, {reason}));
        return;
      }
    }
    platform.writeFile(kPreparationList, store::encodeText(text, listEncoding_, platform));
    hide();
  } else if (!check.noEmpty && !check.noRepeat) {
    app().desktop().showMessage(FATisk(kEmptyItemText) + " " + FATisk(kRepeatedItemText));
  } else {
    app().desktop().showMessage(FATisk(check.noEmpty ? kRepeatedItemText : kEmptyItemText));
  }
}

void TForm25::KonecClick() {
  hide();
}

}  // namespace tavi::editor
