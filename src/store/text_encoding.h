#pragma once

#include <string>
#include <string_view>

#include "platform/platform.h"

namespace tavi::store {

// How a whole-text file is stored: in the ANSI code page, or in the Unicode encoding that its
// byte-order mark names. A file that came with a mark goes back with the same mark.
enum class TextEncoding { Ansi, Utf8, Utf16LittleEndian, Utf16BigEndian };

struct DecodedText {
  std::string text;  // UTF-8
  TextEncoding encoding = TextEncoding::Ansi;
};

// Reads the encoding from the byte-order mark, if any, and decodes the rest. Ill-formed input
// becomes U+FFFD, never a crash or a lost line.
DecodedText decodeText(std::string_view bytes, const platform::Platform& platform);

// The bytes of the UTF-8 text in the encoding, with its byte-order mark unless it is ANSI.
std::string encodeText(std::string_view text, TextEncoding encoding,
                       const platform::Platform& platform);

}  // namespace tavi::store
