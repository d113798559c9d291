// The installer's record of an interrupted run, "SetupRun.dat" in the settings folder: read at
// every start, so whatever a crash or another program left there must be refused or taken whole.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "installer/run_record.h"
#include "installer/setup_lists.h"
#include "support/fuzz_check.h"
#include "support/fuzz_drive.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::optional<tavi::installer::RunDecisions> decisions =
      tavi::installer::decodeRunRecord(bytes);

  // A record taken is exactly what the installer would have written for those decisions.
  if (decisions) FUZZ_CHECK(tavi::installer::encodeRunRecord(*decisions) == bytes);

  // Written and read back through the drive, as the installer reads it, the same answer.
  tavi::fuzzing::FuzzDrive& drive = tavi::fuzzing::FuzzDrive::instance();
  drive.write(tavi::installer::kRunRecord, bytes);
  FUZZ_CHECK(tavi::installer::decodeRunRecord(
                 drive.platform().readFile(tavi::installer::kRunRecord)) == decisions);

  // Any decisions survive their own record.
  if (size >= 6) {
    const tavi::installer::RunDecisions any{
        (data[0] & 1) != 0, (data[1] & 1) != 0,
        static_cast<std::int32_t>(
            static_cast<std::uint32_t>(data[2]) | static_cast<std::uint32_t>(data[3]) << 8 |
            static_cast<std::uint32_t>(data[4]) << 16 | static_cast<std::uint32_t>(data[5]) << 24)};
    FUZZ_CHECK(tavi::installer::decodeRunRecord(tavi::installer::encodeRunRecord(any)) == any);
  }
  return 0;
}
