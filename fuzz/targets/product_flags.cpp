// The product flag folder C:\KivTanOr5\PrepSwich as other programs, older versions or a person
// may leave it: flag files with bytes in them, names in another letter case, folders where files
// belong. Each input lays out the folder, then reads and writes flags as the windows do.
#include <algorithm>
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <map>
#include <stdexcept>
#include <string>

#include "catalogue/product_flags.h"
#include "catalogue/product_groups.h"
#include "platform/io_error.h"
#include "store/settings_files.h"
#include "support/fuzz_check.h"
#include "support/fuzz_drive.h"

namespace {

using tavi::catalogue::ProductIndex;
using tavi::fuzzing::FuzzDrive;

constexpr std::string_view kFolder = R"(C:\KivTanOr5\PrepSwich)";

enum class Entry { EmptyFile, FileWithBytes, OtherCase, Folder, LeadingZero };

std::string entryPath(ProductIndex index, Entry kind) {
  std::string path = tavi::catalogue::productFlagPath(index);
  if (kind == Entry::OtherCase) {
    const std::size_t name = path.rfind('\\') + 1;
    std::transform(path.begin() + static_cast<std::ptrdiff_t>(name), path.end(),
                   path.begin() + static_cast<std::ptrdiff_t>(name),
                   [](char c) { return static_cast<char>(std::toupper(c)); });
  }
  if (kind == Entry::LeadingZero) path.insert(path.rfind('\\') + 8, "0");
  return path;
}

// Whether the product counts as selected once the folder holds that entry.
bool selects(Entry kind) {
  return kind == Entry::EmptyFile || kind == Entry::FileWithBytes || kind == Entry::OtherCase;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzDrive& drive = FuzzDrive::instance();
  tavi::store::SettingsFiles files(drive.platform());
  drive.clearFolder(kFolder);

  // Pairs of bytes: a product index (any number, in use or not) and what stands for it. A few
  // products per input keep executions quick; each product is handled on its own.
  std::map<ProductIndex, Entry> entries;
  for (std::size_t i = 0; i + 1 < size && entries.size() < 4; i += 2) {
    const ProductIndex index = data[i] + ((data[i + 1] & 0x80) ? 256 : 0);
    if (!tavi::catalogue::isProduct(index)) continue;
    const auto kind = static_cast<Entry>((data[i + 1] & 0x7F) % 5);
    if (!entries.emplace(index, kind).second) continue;
    if (kind == Entry::Folder) {
      std::filesystem::create_directory(drive.native(entryPath(index, Entry::EmptyFile)));
    } else {
      drive.write(entryPath(index, kind), kind == Entry::FileWithBytes ? "\x01x\r\n" : "");
    }
  }

  for (const auto& [index, kind] : entries) {
    FUZZ_CHECK(tavi::catalogue::isProductSelected(files, index) == selects(kind));
    // What a save leaves: selected products as empty files, under the name already there.
    if (selects(kind)) {
      tavi::catalogue::selectProduct(files, index);
      FUZZ_CHECK(tavi::catalogue::isProductSelected(files, index));
      FUZZ_CHECK(drive.read(entryPath(index, kind)).empty());
      FUZZ_CHECK(kind != Entry::OtherCase || !drive.isFile(entryPath(index, Entry::EmptyFile)));
      tavi::catalogue::deselectProduct(files, index);
      FUZZ_CHECK(!tavi::catalogue::isProductSelected(files, index));
    } else if (kind == Entry::Folder) {
      // A folder in the way is an error of the save, never a selection.
      bool refused = false;
      try {
        tavi::catalogue::selectProduct(files, index);
      } catch (const tavi::platform::IoError&) {
        refused = true;
      }
      FUZZ_CHECK(refused);
      tavi::catalogue::deselectProduct(files, index);
      FUZZ_CHECK(std::filesystem::is_directory(drive.native(entryPath(index, kind))));
    } else {
      tavi::catalogue::selectProduct(files, index);
      FUZZ_CHECK(drive.isFile(entryPath(index, Entry::EmptyFile)));
      FUZZ_CHECK(drive.isFile(entryPath(index, Entry::LeadingZero)));
    }
  }

  // Numbers that name no product are refused before the drive is touched.
  for (std::size_t i = 0; i + 3 < size; i += 4) {
    const ProductIndex index =
        static_cast<ProductIndex>(data[i] | (data[i + 1] << 8) | (data[i + 2] << 16) |
                                  (static_cast<std::uint32_t>(data[i + 3]) << 24));
    if (tavi::catalogue::isProduct(index)) continue;
    bool refused = false;
    try {
      static_cast<void>(tavi::catalogue::isProductSelected(files, index));
    } catch (const std::invalid_argument&) {
      refused = true;
    }
    FUZZ_CHECK(refused);
  }
  return 0;
}
