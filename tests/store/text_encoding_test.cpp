#include <gtest/gtest.h>

#include <string>

#include "store/text_encoding.h"
#include "support/test_drive.h"

namespace tavi::store {
namespace {

// Whatever a damaged file holds, decoding keeps every readable character and marks the rest.
TEST(TextEncoding, IllFormedTextBecomesReplacementCharactersAndNothingIsLost) {
  testing::TestDrive drive;
  struct Case {
    const char* what;
    std::string bytes;
    std::string text;
    TextEncoding encoding;
  };
  const Case cases[] = {
      {"odd last byte",
       std::string("\xFF\xFE"
                   "A\0"
                   "B",
                   5),
       "A\xEF\xBF\xBD", TextEncoding::Utf16LittleEndian},
      {"lone high surrogate",
       std::string("\xFE\xFF"
                   "\xD8\x3D"
                   "\0B",
                   6),
       "\xEF\xBF\xBD"
       "B",
       TextEncoding::Utf16BigEndian},
      {"lone low surrogate",
       std::string("\xFF\xFE"
                   "\x00\xDC"
                   "C\0",
                   6),
       "\xEF\xBF\xBD"
       "C",
       TextEncoding::Utf16LittleEndian},
      {"broken UTF-8",
       "\xEF\xBB\xBF"
       "a\xC3(b\xE2\x82",
       "a\xEF\xBF\xBD(b\xEF\xBF\xBD", TextEncoding::Utf8},
      {"only a mark", "\xEF\xBB\xBF", "", TextEncoding::Utf8},
      {"code page 1250", "\x8A\xE8", "\xC5\xA0\xC4\x8D", TextEncoding::Ansi},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const DecodedText decoded = decodeText(c.bytes, drive.platform());
    EXPECT_EQ(decoded.text, c.text);
    EXPECT_EQ(decoded.encoding, c.encoding);
  }
}

}  // namespace
}  // namespace tavi::store
