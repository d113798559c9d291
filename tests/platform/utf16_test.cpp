#include "platform/utf16.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using tavi::platform::utf16::fromUtf8;
using tavi::platform::utf16::toUtf8;

TEST(Utf16, WellFormedTextGoesBothWaysUnchanged) {
  for (const std::string text : {"", "COM3", "Řeřicha – Настройки", "R2 \xF0\x9F\x8C\x99 Night"}) {
    SCOPED_TRACE(text);
    EXPECT_EQ(toUtf8(fromUtf8(text)), text);
  }
  EXPECT_EQ(fromUtf8("\xF0\x9F\x8C\x99"), (std::u16string{0xD83C, 0xDF19}));
}

TEST(Utf16, IllFormedTextBecomesReplacementCharacters) {
  struct Case {
    std::u16string units;
    const char* text;
  };
  const Case cases[] = {
      {{u'a', 0xD83C}, "a\xEF\xBF\xBD"},  // high surrogate at the end
      {{0xDF19, u'b'},
       "\xEF\xBF\xBD"
       "b"},  // low surrogate alone
      {{0xD83C, u'c', 0xDF19},
       "\xEF\xBF\xBD"
       "c\xEF\xBF\xBD"},  // pair split by a character
  };
  for (const Case& c : cases)
    EXPECT_EQ(toUtf8(c.units), c.text);
  // Ill-formed UTF-8: each maximal ill-formed part is one U+FFFD.
  EXPECT_EQ(fromUtf8("a\xC3"
                     "b\xFF"),
            (std::u16string{u'a', 0xFFFD, u'b', 0xFFFD}));
}

}  // namespace
