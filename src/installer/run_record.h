#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "texts/language.h"

namespace tavi::installer {

// What a run decided before its first change to the drive. A run that stops before its end
// leaves it behind, and the next run goes on with it instead of deciding anew: by then the
// stopped run may have copied what the decisions were taken from ("Tavi Universe.exe").
struct RunDecisions {
  bool fullInstallation = false;
  bool driverStep = false;
  texts::LanguageIndex language = texts::kCzech;

  friend bool operator==(const RunDecisions&, const RunDecisions&) = default;
};

// Eight bytes: "SR", full installation (0 or 1), driver step (0 or 1), then the language as
// four bytes, signed, least significant first, as in the language file.
std::string encodeRunRecord(const RunDecisions& decisions);
// Nothing for bytes that are not a record as encodeRunRecord writes it.
std::optional<RunDecisions> decodeRunRecord(std::string_view bytes);

}  // namespace tavi::installer
