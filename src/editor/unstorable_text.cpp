#include "editor/unstorable_text.h"

#include "platform/utf8.h"
#include "texts/error_messages.h"

namespace tavi::editor {

std::string unstorableReason(const platform::Platform& platform, std::string_view text,
                             texts::LanguageIndex language) {
  const std::u32string missing = platform.missingCharacters(text);
  if (missing.empty()) return {};
  std::string characters;
  for (const char32_t character : missing) {
    if (!characters.empty()) characters += ", ";
    platform::utf8::append(characters, character);
  }
  return texts::codePageLacks(platform.codePage(), characters, language);
}

}  // namespace tavi::editor
