// The installation medium's language file "dLangv.dat", read by the installer's window as the
// language and copied onto the PC by a full installation.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/io_error.h"
#include "platform/utf8.h"
#include "store/settings_files.h"
#include "support/fuzz_check.h"
#include "support/fuzz_drive.h"
#include "texts/installer_table.h"
#include "texts/language.h"

namespace {

using tavi::fuzzing::FuzzDrive;

// As the installer names them: relative to the medium's root, and on the PC.
constexpr std::string_view kOnMedium = "dLangv.dat";
constexpr std::string_view kOnMediumOtherCase = "DLANGV.DAT";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  FuzzDrive& drive = FuzzDrive::instance();
  tavi::platform::Platform& platform = drive.platform();
  tavi::store::SettingsFiles files(platform);
  const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);

  // The medium may be written with any letter case, as a CD or a FAT stick leaves it.
  drive.clearFolder("");
  const std::string_view name = (data[0] & 1) ? kOnMediumOtherCase : kOnMedium;
  drive.write(name, bytes);
  drive.remove(tavi::texts::kLanguageFile);

  FUZZ_CHECK(files.FlagExists(kOnMedium));
  tavi::texts::LanguageIndex language = 0;
  try {
    language = files.ReadIntFile(kOnMedium);
  } catch (const tavi::platform::IoError&) {
    FUZZ_CHECK(bytes.size() < 4);
    return 0;
  }
  FUZZ_CHECK(bytes.size() >= 4);

  const tavi::texts::TextTable table = tavi::texts::installerTextTable();
  for (tavi::texts::MessageNumber volba : {1, 3, 5, 433, 2}) {
    const std::string_view text = table.installerText(volba, language);
    FUZZ_CHECK(tavi::platform::utf8::isWellFormed(text));
    FUZZ_CHECK(text.empty() == (!tavi::texts::isKnownLanguage(language) || volba == 2));
  }

  // A full installation copies the medium's file as it is, extra bytes included.
  FUZZ_CHECK(platform.copyFile(kOnMedium, tavi::texts::kLanguageFile));
  FUZZ_CHECK(drive.read(tavi::texts::kLanguageFile) == bytes);
  FUZZ_CHECK(tavi::texts::loadLanguage(files) == language);
  return 0;
}
