#include "editor/unstorable_text.h"

#include "platform/utf8.h"

namespace tavi::editor {

std::string unstorableReason(const platform::Platform& platform, std::string_view text) {
  const std::u32string missing = platform.missingCharacters(text);
  if (missing.empty()) return {};
  std::string characters;
  for (const char32_t character : missing) {
    if (!characters.empty()) characters += ", ";
    platform::utf8::append(characters, character);
  }
  return "the settings' code page " + std::to_string(platform.codePage()) + " has no " + characters;
}

}  // namespace tavi::editor
