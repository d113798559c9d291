#include "platform/ansi_codec.h"

#include <algorithm>

#include "platform/utf8.h"

namespace tavi::platform {

void AnsiCodec::indexSingleByteTable() {
  for (unsigned byte = 0; byte < 256; ++byte) {
    if (decodeTable_[byte] != utf8::kReplacement) {
      encodeTable_.emplace(decodeTable_[byte], static_cast<unsigned char>(byte));
    }
  }
}

std::optional<std::string> AnsiCodec::encodeCharacter(char32_t codePoint) const {
  // U+FFFD stands for text that was already lost; writing it as a character would hide that.
  if (codePoint == utf8::kReplacement) return std::nullopt;
  if (!singleByte_) return encodeMultiByte(codePoint);
  const auto found = encodeTable_.find(codePoint);
  if (found == encodeTable_.end()) return std::nullopt;
  return std::string(1, static_cast<char>(found->second));
}

std::string AnsiCodec::toAnsi(std::string_view text) const {
  std::string result;
  result.reserve(text.size());
  for (const char32_t codePoint : utf8::decode(text)) {
    if (const auto bytes = encodeCharacter(codePoint)) {
      result += *bytes;
    } else {
      result.push_back('?');
    }
  }
  return result;
}

std::string AnsiCodec::fromAnsi(std::string_view bytes) const {
  if (!singleByte_) return fromAnsiMultiByte(bytes);
  std::string result;
  result.reserve(bytes.size());
  for (const char byte : bytes) {
    utf8::append(result, decodeTable_[static_cast<unsigned char>(byte)]);
  }
  return result;
}

std::u32string AnsiCodec::missingCharacters(std::string_view text) const {
  std::u32string missing;
  for (const char32_t codePoint : utf8::decode(text)) {
    if (missing.find(codePoint) == std::u32string::npos && !encodeCharacter(codePoint)) {
      missing.push_back(codePoint);
    }
  }
  return missing;
}

}  // namespace tavi::platform
