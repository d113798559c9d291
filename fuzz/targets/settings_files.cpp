// The five kinds of settings file, read as the programs read them and written back.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/io_error.h"
#include "platform/utf8.h"
#include "store/settings_files.h"
#include "store/text_lines.h"
#include "support/fuzz_check.h"
#include "support/fuzz_drive.h"

namespace {

using tavi::fuzzing::FuzzDrive;
using tavi::store::SettingsFiles;

constexpr std::string_view kFile = R"(C:\KivTanOr5\datFuzz.dat)";
constexpr unsigned kCodePages[] = {1250, 1251, 1252};

template <class Read>
bool throwsIoError(Read read) {
  try {
    read();
  } catch (const tavi::platform::IoError&) {
    return true;
  }
  return false;
}

void checkFlag(SettingsFiles& files) {
  FUZZ_CHECK(files.FlagExists(kFile));
  files.SetFlag(kFile);
  FUZZ_CHECK(FuzzDrive::instance().read(kFile).empty());
  files.ClearFlag(kFile);
  FUZZ_CHECK(!files.FlagExists(kFile));
  files.ClearFlag(kFile);
}

void checkByte(SettingsFiles& files, std::string_view bytes) {
  if (bytes.empty()) {
    FUZZ_CHECK(throwsIoError([&] { files.ReadByteFile(kFile); }));
    return;
  }
  const std::uint8_t value = files.ReadByteFile(kFile);
  FUZZ_CHECK(value == static_cast<std::uint8_t>(bytes.front()));
  files.WriteByteFile(kFile, value);
  FUZZ_CHECK(FuzzDrive::instance().read(kFile) == bytes.substr(0, 1));
}

void checkInteger(SettingsFiles& files, std::string_view bytes) {
  if (bytes.size() < 4) {
    FUZZ_CHECK(throwsIoError([&] { files.ReadIntFile(kFile); }));
    return;
  }
  const std::int32_t value = files.ReadIntFile(kFile);
  files.WriteIntFile(kFile, value);
  FUZZ_CHECK(FuzzDrive::instance().read(kFile) == bytes.substr(0, 4));
  FUZZ_CHECK(files.ReadIntFile(kFile) == value);
}

// Every byte of the single-byte code pages stands for one character and comes back as itself,
// so a text that the program read and did not change is written back byte for byte.
void checkLine(SettingsFiles& files, std::string_view bytes) {
  const std::string text = files.ReadLineFile(kFile);
  FUZZ_CHECK(tavi::platform::utf8::isWellFormed(text));
  FUZZ_CHECK(text.find_first_of("\r\n") == std::string::npos);
  const std::vector<std::string> raw = tavi::store::splitTextLines(bytes);
  files.WriteLineFile(kFile, text);
  const std::string written = FuzzDrive::instance().read(kFile);
  FUZZ_CHECK(written == (raw.empty() ? std::string() : raw.front()) + "\r\n");
  FUZZ_CHECK(files.ReadLineFile(kFile) == text);
}

void checkList(SettingsFiles& files, std::string_view bytes) {
  const std::vector<std::string> lines = files.ReadListFile(kFile);
  const std::vector<std::string> raw = tavi::store::splitTextLines(bytes);
  FUZZ_CHECK(lines.size() == raw.size());
  std::string expected;
  for (const std::string& line : raw)
    expected += line + "\r\n";
  files.WriteListFile(kFile, lines);
  FUZZ_CHECK(FuzzDrive::instance().read(kFile) == expected);
  FUZZ_CHECK(files.ReadListFile(kFile) == lines);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const unsigned choice = data[0];
  const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);

  FuzzDrive& drive = FuzzDrive::instance();
  SettingsFiles files(drive.platform(kCodePages[(choice >> 3) % 3]));
  drive.write(kFile, bytes);
  switch (choice % 5) {
    case 0:
      checkFlag(files);
      break;
    case 1:
      checkByte(files, bytes);
      break;
    case 2:
      checkInteger(files, bytes);
      break;
    case 3:
      checkLine(files, bytes);
      break;
    case 4:
      checkList(files, bytes);
      break;
  }
  return 0;
}
