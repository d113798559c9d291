#pragma once

#include <string_view>

#include "platform/platform.h"
#include "store/settings_files.h"
#include "texts/language.h"

namespace tavi::editor {

class TForm8;
class TForm9;
class TProductWindow;
class TForm25;
class TForm27;

// The program-wide state of the editor: its settings files, the language all windows share and
// the single instance of every window, reachable under its design name so that any window can
// show another or call into the main window. A window that is not created yet is nullptr: the
// main window's load runs before the others exist.
struct WindowSet {
  explicit WindowSet(platform::Platform& platform) : files(platform) {}

  store::SettingsFiles files;
  texts::LanguageIndex Languagem = 0;

  TForm8* Form8 = nullptr;
  TForm9* Form9 = nullptr;
  TProductWindow* Form10 = nullptr;
  TProductWindow* Form11 = nullptr;
  TProductWindow* Form12 = nullptr;
  TProductWindow* Form13 = nullptr;
  TProductWindow* Form14 = nullptr;
  TProductWindow* Form15 = nullptr;
  TProductWindow* Form16 = nullptr;
  TProductWindow* Form19 = nullptr;
  TProductWindow* Form20 = nullptr;
  TProductWindow* Form22 = nullptr;
  TProductWindow* Form24 = nullptr;
  TForm25* Form25 = nullptr;
  TForm27* Form27 = nullptr;
  TProductWindow* Form28 = nullptr;
  TProductWindow* Form29 = nullptr;
  TProductWindow* Form30 = nullptr;
  TProductWindow* Form31 = nullptr;
  TProductWindow* Form32 = nullptr;
  TProductWindow* Form33 = nullptr;

  // The selection window of a window class name ("TForm30"); nullptr when not created yet.
  TProductWindow* productWindow(std::string_view windowClass) const;
};

}  // namespace tavi::editor
