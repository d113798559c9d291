#pragma once

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace tavi::platform {

// Conversion between UTF-8 and one Windows ANSI code page. Each platform reads the code page
// from its own converter (iconv, or Windows itself); the rule for writing is one and the same on
// both: a character the code page holds exactly is written as its bytes, anything else as one
// "?". Never a look-alike ("Tōkyō" is not "Tokyo"): a path written that way names another folder.
// Single-byte code pages use tables built once, which also hold what Windows makes of the bytes
// that the code page leaves undefined, so a file reads the same on both platforms.
class AnsiCodec {
 public:
  // Empty when the platform does not know the code page.
  static std::unique_ptr<AnsiCodec> open(unsigned codePage);
  explicit AnsiCodec(unsigned codePage) : codePage_(codePage) {}

  unsigned codePage() const { return codePage_; }
  // A character the code page lacks, or ill-formed UTF-8, becomes one "?".
  std::string toAnsi(std::string_view text) const;
  // A byte sequence the code page does not define becomes U+FFFD.
  std::string fromAnsi(std::string_view bytes) const;
  // The characters of the text that the code page cannot hold, each once, in order of first
  // appearance; ill-formed UTF-8 counts as U+FFFD. Empty when toAnsi is exact.
  std::u32string missingCharacters(std::string_view text) const;

 private:
  // The bytes of one character, or nothing when the code page lacks it.
  std::optional<std::string> encodeCharacter(char32_t codePoint) const;
  // Fills the tables from the platform's converter; false for a multi-byte code page.
  bool buildSingleByteTables();
  void indexSingleByteTable();
  std::optional<std::string> encodeMultiByte(char32_t codePoint) const;
  std::string fromAnsiMultiByte(std::string_view bytes) const;

  unsigned codePage_;
  bool singleByte_ = false;
  std::array<char32_t, 256> decodeTable_{};
  std::unordered_map<char32_t, unsigned char> encodeTable_;
};

}  // namespace tavi::platform
