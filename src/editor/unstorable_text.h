#pragma once

#include <string>
#include <string_view>

#include "platform/platform.h"
#include "texts/language.h"

namespace tavi::editor {

// Settings text is stored in the ANSI code page. What it cannot hold is refused rather than
// stored approximately: a "?" in a path names another folder, in a name another product.
// Empty when the text can be stored exactly; otherwise the reason in the language, naming the
// characters the code page lacks ("the settings' code page 1252 has no Д, ы").
std::string unstorableReason(const platform::Platform& platform, std::string_view text,
                             texts::LanguageIndex language);

}  // namespace tavi::editor
