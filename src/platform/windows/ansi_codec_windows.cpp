#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <array>

#include "platform/ansi_codec.h"
#include "platform/utf8.h"
#include "platform/windows/wide_text.h"

namespace tavi::platform {

namespace {

// The UTF-16 of one character.
std::wstring utf16Of(char32_t codePoint) {
  std::string utf8;
  utf8::append(utf8, codePoint);
  return windows::widen(utf8);
}

}  // namespace

std::unique_ptr<AnsiCodec> AnsiCodec::open(unsigned codePage) {
  if (!IsValidCodePage(codePage)) return nullptr;
  auto codec = std::make_unique<AnsiCodec>(codePage);
  codec->singleByte_ = codec->buildSingleByteTables();
  return codec;
}

bool AnsiCodec::buildSingleByteTables() {
  CPINFO info{};
  if (!GetCPInfo(codePage_, &info) || info.MaxCharSize != 1) return false;
  for (unsigned byte = 0; byte < 256; ++byte) {
    const char in = static_cast<char>(byte);
    std::array<wchar_t, 4> out{};
    const int length = MultiByteToWideChar(codePage_, MB_ERR_INVALID_CHARS, &in, 1, out.data(),
                                           static_cast<int>(out.size()));
    // Undefined bytes below 0xA0 are the control character of the same value, as iconv's
    // tables are completed on POSIX.
    char32_t codePoint = byte < 0xA0 ? static_cast<char32_t>(byte) : utf8::kReplacement;
    if (length == 1) codePoint = out[0];
    decodeTable_[byte] = codePoint;
  }
  indexSingleByteTable();
  return true;
}

std::optional<std::string> AnsiCodec::encodeMultiByte(char32_t codePoint) const {
  const std::wstring wide = utf16Of(codePoint);
  const int wideLength = static_cast<int>(wide.size());
  std::array<char, 16> out{};
  if (codePage_ == CP_UTF8) {
    const int length =
        WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, wide.data(), wideLength, out.data(),
                            static_cast<int>(out.size()), nullptr, nullptr);
    if (length <= 0) return std::nullopt;
    return std::string(out.data(), static_cast<std::size_t>(length));
  }
  BOOL usedDefault = FALSE;
  const int length =
      WideCharToMultiByte(codePage_, WC_NO_BEST_FIT_CHARS, wide.data(), wideLength, out.data(),
                          static_cast<int>(out.size()), nullptr, &usedDefault);
  if (length <= 0 || usedDefault) return std::nullopt;
  return std::string(out.data(), static_cast<std::size_t>(length));
}

std::string AnsiCodec::fromAnsiMultiByte(std::string_view bytes) const {
  if (bytes.empty()) return {};
  const int byteCount = static_cast<int>(bytes.size());
  const int length = MultiByteToWideChar(codePage_, 0, bytes.data(), byteCount, nullptr, 0);
  if (length <= 0) return std::string(bytes.size(), '?');
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(codePage_, 0, bytes.data(), byteCount, wide.data(), length);
  return windows::narrow(wide);
}

}  // namespace tavi::platform
