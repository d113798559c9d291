// The own-preparations list C:\KivTanOr5\Preparat.txt, in the code page or with a byte-order
// mark, through the real window: filled from the file, then saved unchanged.
#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "editor/editor.h"
#include "editor/main_window/main_window.h"
#include "editor/own_preparations_list.h"
#include "editor/own_preparations_window.h"
#include "forms/scripted_desktop.h"
#include "platform/utf8.h"
#include "store/text_encoding.h"
#include "support/fuzz_check.h"
#include "support/fuzz_drive.h"

namespace {

using tavi::fuzzing::FuzzDrive;
namespace editor = tavi::editor;
namespace store = tavi::store;

constexpr std::string_view kList = R"(C:\KivTanOr5\Preparat.txt)";
constexpr std::array<unsigned, 3> kCodePages = {1250, 1251, 1252};

// One editor per code page for the whole run, started with a list so that the main window
// offers its button.
struct Session {
  explicit Session(unsigned codePage) {
    editor.emplace(FuzzDrive::instance().platform(codePage), desktop);
  }
  tavi::forms::ScriptedDesktop desktop;
  std::optional<editor::Editor> editor;
};

Session& session(unsigned codePage) {
  static std::array<std::unique_ptr<Session>, 3> sessions = [] {
    FuzzDrive::instance().write(kList, "");
    std::array<std::unique_ptr<Session>, 3> made;
    for (std::size_t i = 0; i < made.size(); ++i)
      made[i] = std::make_unique<Session>(kCodePages[i]);
    return made;
  }();
  for (std::size_t i = 0; i < kCodePages.size(); ++i) {
    if (kCodePages[i] == codePage) return *sessions[i];
  }
  return *sessions[0];
}

// The rule as the window states it: every item against every later one.
editor::PreparationListCheck checkedOneByOne(const std::vector<std::string_view>& items) {
  editor::PreparationListCheck check;
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (items[i].empty()) check.noEmpty = false;
    for (std::size_t j = i + 1; j < items.size(); ++j) {
      if (items[j] == items[i] && !items[j].empty()) check.noRepeat = false;
    }
  }
  return check;
}

// A file that holds its encoding exactly: every byte of a code page, or well-formed Unicode
// after a mark. Only such a file can come back byte for byte.
bool exactlyEncoded(std::string_view bytes, store::TextEncoding encoding) {
  using store::TextEncoding;
  switch (encoding) {
    case TextEncoding::Ansi:
      return true;
    case TextEncoding::Utf8:
      return tavi::platform::utf8::isWellFormed(bytes.substr(3));
    case TextEncoding::Utf16LittleEndian:
    case TextEncoding::Utf16BigEndian: {
      const std::string_view units = bytes.substr(2);
      if (units.size() % 2 != 0) return false;
      const bool big = encoding == TextEncoding::Utf16BigEndian;
      for (std::size_t i = 0; i < units.size(); i += 2) {
        const auto unit =
            static_cast<unsigned>(big ? (static_cast<unsigned char>(units[i]) << 8) |
                                            static_cast<unsigned char>(units[i + 1])
                                      : (static_cast<unsigned char>(units[i + 1]) << 8) |
                                            static_cast<unsigned char>(units[i]));
        if (unit >= 0xDC00 && unit <= 0xDFFF) return false;
        if (unit >= 0xD800 && unit <= 0xDBFF) {
          if (i + 3 >= units.size()) return false;
          const auto next =
              static_cast<unsigned>(big ? (static_cast<unsigned char>(units[i + 2]) << 8) |
                                              static_cast<unsigned char>(units[i + 3])
                                        : (static_cast<unsigned char>(units[i + 3]) << 8) |
                                              static_cast<unsigned char>(units[i + 2]));
          if (next < 0xDC00 || next > 0xDFFF) return false;
          i += 2;
        }
      }
      return true;
    }
  }
  return false;
}

// The edit field holds lines: a lone LF or CR breaks a line as CR LF does, and every break
// reads back as CR LF.
std::string withWindowsBreaks(std::string_view text) {
  std::string result;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' || text[i] == '\n') {
      result += "\r\n";
      if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      result += text[i];
    }
  }
  return result;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const unsigned codePage = kCodePages[data[0] % kCodePages.size()];
  const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
  FuzzDrive& drive = FuzzDrive::instance();
  Session& s = session(codePage);
  editor::Editor& ed = *s.editor;
  s.desktop.clear();
  drive.write(kList, bytes);

  FUZZ_CHECK(ed.app.click(ed.Form8.MePreparat));
  FUZZ_CHECK(s.desktop.errors().empty());
  FUZZ_CHECK(ed.Form25.visible());
  const std::string text = ed.Form25.MemoNONE.text();
  FUZZ_CHECK(tavi::platform::utf8::isWellFormed(text));
  const store::DecodedText decoded = store::decodeText(bytes, drive.platform(codePage));
  FUZZ_CHECK(text == withWindowsBreaks(decoded.text));

  const std::vector<std::string_view> items = editor::preparationItems(text);
  const editor::PreparationListCheck check = editor::checkPreparationItems(items);
  if (items.size() < 200) {
    const editor::PreparationListCheck expected = checkedOneByOne(items);
    FUZZ_CHECK(check.noEmpty == expected.noEmpty && check.noRepeat == expected.noRepeat);
  }

  FUZZ_CHECK(ed.app.click(ed.Form25.Uloz));
  FUZZ_CHECK(s.desktop.errors().empty());
  const std::string written = drive.read(kList);
  if (check.noEmpty && check.noRepeat) {
    FUZZ_CHECK(!ed.Form25.visible());
    FUZZ_CHECK(s.desktop.messages().empty());
    // Unchanged text goes back as it came; what is written reads again as the same text.
    if (exactlyEncoded(bytes, decoded.encoding) && text == decoded.text) {
      FUZZ_CHECK(written == bytes);
    }
    const store::DecodedText reread = store::decodeText(written, drive.platform(codePage));
    FUZZ_CHECK(reread.encoding == decoded.encoding);
    if (decoded.encoding != store::TextEncoding::Ansi) FUZZ_CHECK(reread.text == text);
  } else {
    FUZZ_CHECK(ed.Form25.visible());
    FUZZ_CHECK(s.desktop.messages().size() == 1);
    FUZZ_CHECK(written == bytes);
    ed.app.click(ed.Form25.Konec);
  }
  return 0;
}
