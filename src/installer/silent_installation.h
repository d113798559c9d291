#pragma once

#include <optional>

#include "installer/installation_log.h"
#include "platform/platform.h"
#include "texts/language.h"

namespace tavi::installer {

// Installs from the medium in the current folder without a window or a message box, in the
// language given, else the language files', else English, logging every step to `log` (none:
// no log). Exit code 0 when the installation or upgrade completed, 1 when it stopped; the log
// says where and why.
int installSilently(platform::Platform& platform, std::optional<texts::LanguageIndex> language,
                    LogOutput log);

}  // namespace tavi::installer
