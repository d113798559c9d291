#pragma once

#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

namespace tavi::platform {

// Conversion between UTF-8 and one Windows ANSI code page, made with iconv. Single-byte code
// pages use tables built once, which also hold what Windows makes of the bytes that the code
// page leaves undefined, so a file reads the same here as under Windows.
class AnsiCodec {
 public:
  // Empty when iconv does not know the code page.
  static std::unique_ptr<AnsiCodec> open(unsigned codePage);
  explicit AnsiCodec(unsigned codePage) : codePage_(codePage) {}

  unsigned codePage() const { return codePage_; }
  // A character the code page lacks, or ill-formed UTF-8, becomes one "?".
  std::string toAnsi(std::string_view text) const;
  // A byte sequence the code page does not define becomes U+FFFD.
  std::string fromAnsi(std::string_view bytes) const;

 private:
  bool buildSingleByteTables();
  std::string toAnsiMultiByte(std::u32string_view text) const;
  std::string fromAnsiMultiByte(std::string_view bytes) const;

  unsigned codePage_;
  bool singleByte_ = false;
  std::array<char32_t, 256> decodeTable_{};
  std::unordered_map<char32_t, unsigned char> encodeTable_;
};

}  // namespace tavi::platform
