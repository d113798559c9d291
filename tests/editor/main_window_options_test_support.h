#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "editor/editor.h"
#include "editor/main_window/main_window.h"
#include "editor_test_support.h"
#include "texts/language.h"

namespace tavi::editor::testing {

inline constexpr char kStoredPort[] = R"(C:\KivTanOr5\COM_Nr.dat)";

// The language file's four bytes, least significant first.
inline std::string languageFileBytes(std::int32_t language) {
  std::string bytes;
  for (int shift = 0; shift < 32; shift += 8) {
    bytes += static_cast<char>((static_cast<std::uint32_t>(language) >> shift) & 0xFF);
  }
  return bytes;
}

// The name under which driveContents lists a file.
inline std::string driveEntry(const tavi::testing::TestDrive& drive, std::string_view file) {
  return drive.native(file).lexically_relative(drive.root()).generic_string();
}

// Starts the editor with that language stored, as a practitioner's installation leaves it.
inline Editor& startIn(EditorSession& session, texts::LanguageIndex language) {
  session.drive.write(texts::kLanguageFile, languageFileBytes(language));
  return session.start();
}

// Types into the port field and leaves it for the output folder field, as a click there would.
inline void enterPort(Editor& editor, std::string text) {
  editor.app.changeText(editor.Form8.COM_Nr, std::move(text));
  editor.app.focus(editor.Form8.Cesta);
}

}  // namespace tavi::editor::testing
