#include "platform/ansi_codec.h"

#include <iconv.h>

#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <vector>

#include "platform/utf8.h"

namespace tavi::platform {

namespace {

constexpr char kUtf32[] = "UTF-32LE";

class Iconv {
 public:
  Iconv(const std::string& to, const std::string& from)
      : handle_(iconv_open(to.c_str(), from.c_str())) {}
  ~Iconv() {
    if (valid()) iconv_close(handle_);
  }
  Iconv(const Iconv&) = delete;
  Iconv& operator=(const Iconv&) = delete;

  bool valid() const { return handle_ != reinterpret_cast<iconv_t>(-1); }
  iconv_t get() const { return handle_; }

 private:
  iconv_t handle_;
};

std::string iconvName(unsigned codePage) {
  return "CP" + std::to_string(codePage);
}

char32_t readUtf32(const char* bytes) {
  const auto* b = reinterpret_cast<const unsigned char*>(bytes);
  return static_cast<char32_t>(b[0]) | (static_cast<char32_t>(b[1]) << 8) |
         (static_cast<char32_t>(b[2]) << 16) | (static_cast<char32_t>(b[3]) << 24);
}

std::array<char, 4> writeUtf32(char32_t c) {
  return {static_cast<char>(c & 0xFF), static_cast<char>((c >> 8) & 0xFF),
          static_cast<char>((c >> 16) & 0xFF), static_cast<char>((c >> 24) & 0xFF)};
}

struct ByteMapping {
  unsigned char byte;
  char32_t codePoint;
};

// Bytes at 0xA0 and above that the code page leaves undefined but Windows still maps, to
// private-use characters (and one Hebrew point). Undefined bytes below 0xA0 become the control
// character of the same value, as on Windows.
std::vector<ByteMapping> windowsOnlyMappings(unsigned codePage) {
  switch (codePage) {
    case 874:
      return {{0xDB, 0xF8C1}, {0xDC, 0xF8C2}, {0xDD, 0xF8C3}, {0xDE, 0xF8C4},
              {0xFC, 0xF8C5}, {0xFD, 0xF8C6}, {0xFE, 0xF8C7}, {0xFF, 0xF8C8}};
    case 1253:
      return {{0xAA, 0xF8F9}, {0xD2, 0xF8FA}, {0xFF, 0xF8FB}};
    case 1255:
      return {{0xCA, 0x05BA}, {0xD9, 0xF88D}, {0xDA, 0xF88E}, {0xDB, 0xF88F},
              {0xDC, 0xF890}, {0xDD, 0xF891}, {0xDE, 0xF892}, {0xDF, 0xF893},
              {0xFB, 0xF894}, {0xFC, 0xF895}, {0xFF, 0xF896}};
    case 1257:
      return {{0xA1, 0xF8FC}, {0xA5, 0xF8FD}};
    default:
      return {};
  }
}

enum class ByteKind { Character, Undefined, LeadByte };

// Converts one byte alone; a lead byte of a multi-byte code page is incomplete on its own.
ByteKind convertByte(iconv_t handle, unsigned char byte, char32_t& codePoint) {
  iconv(handle, nullptr, nullptr, nullptr, nullptr);
  char in = static_cast<char>(byte);
  char* inPtr = &in;
  std::size_t inLeft = 1;
  std::array<char, 16> out{};
  char* outPtr = out.data();
  std::size_t outLeft = out.size();
  if (iconv(handle, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1)) {
    return errno == EINVAL ? ByteKind::LeadByte : ByteKind::Undefined;
  }
  // Code pages with combining marks hold a base letter back until the next byte.
  if (iconv(handle, nullptr, nullptr, &outPtr, &outLeft) == static_cast<std::size_t>(-1)) {
    return ByteKind::Undefined;
  }
  if (out.size() - outLeft != 4) return ByteKind::Undefined;
  codePoint = readUtf32(out.data());
  return ByteKind::Character;
}

}  // namespace

std::unique_ptr<AnsiCodec> AnsiCodec::open(unsigned codePage) {
  {
    const Iconv probe(kUtf32, iconvName(codePage));
    if (!probe.valid()) return nullptr;
  }
  auto codec = std::make_unique<AnsiCodec>(codePage);
  codec->singleByte_ = codec->buildSingleByteTables();
  return codec;
}

bool AnsiCodec::buildSingleByteTables() {
  const Iconv decoder(kUtf32, iconvName(codePage_));
  for (unsigned byte = 0; byte < 256; ++byte) {
    char32_t codePoint = utf8::kReplacement;
    switch (convertByte(decoder.get(), static_cast<unsigned char>(byte), codePoint)) {
      case ByteKind::LeadByte:
        return false;
      case ByteKind::Undefined:
        codePoint = byte < 0xA0 ? static_cast<char32_t>(byte) : utf8::kReplacement;
        break;
      case ByteKind::Character:
        break;
    }
    decodeTable_[byte] = codePoint;
  }
  for (const ByteMapping& mapping : windowsOnlyMappings(codePage_)) {
    decodeTable_[mapping.byte] = mapping.codePoint;
  }
  indexSingleByteTable();
  return true;
}

std::optional<std::string> AnsiCodec::encodeMultiByte(char32_t codePoint) const {
  const Iconv encoder(iconvName(codePage_), kUtf32);
  if (!encoder.valid()) return std::nullopt;
  std::array<char, 4> in = writeUtf32(codePoint);
  char* inPtr = in.data();
  std::size_t inLeft = in.size();
  std::array<char, 16> out{};
  char* outPtr = out.data();
  std::size_t outLeft = out.size();
  if (iconv(encoder.get(), &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1) ||
      iconv(encoder.get(), nullptr, nullptr, &outPtr, &outLeft) == static_cast<std::size_t>(-1)) {
    return std::nullopt;
  }
  return std::string(out.data(), out.size() - outLeft);
}

std::string AnsiCodec::fromAnsiMultiByte(std::string_view bytes) const {
  const Iconv decoder(kUtf32, iconvName(codePage_));
  std::string result;
  std::vector<char> input(bytes.begin(), bytes.end());
  char* inPtr = input.data();
  std::size_t inLeft = input.size();
  std::array<char, 4096> out{};
  while (inLeft > 0 && decoder.valid()) {
    char* outPtr = out.data();
    std::size_t outLeft = out.size();
    const std::size_t done = iconv(decoder.get(), &inPtr, &inLeft, &outPtr, &outLeft);
    const int error = done == static_cast<std::size_t>(-1) ? errno : 0;
    for (const char* at = out.data(); at + 4 <= outPtr; at += 4) {
      utf8::append(result, readUtf32(at));
    }
    if (error == EILSEQ) {
      utf8::append(result, utf8::kReplacement);
      ++inPtr;
      --inLeft;
    } else if (error == EINVAL) {  // a lead byte at the very end
      utf8::append(result, utf8::kReplacement);
      break;
    } else if (error != 0 && error != E2BIG) {
      break;
    }
  }
  return result;
}

}  // namespace tavi::platform
