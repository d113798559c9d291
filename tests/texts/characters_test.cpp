#include "texts/characters.h"

#include <gtest/gtest.h>

#include <string>

namespace tavi::texts {
namespace {

using namespace std::string_literals;

struct CountCase {
  std::string text;
  std::size_t characters;
};

const CountCase kCases[] = {
    {"", 0},
    {"COM", 3},
    {"ř", 1},
    {"r\u030C", 1},  // r with a combining caron
    {"Koloidní stříbro", 16},
    {"Русский", 7},
    {"\u0438\u0306", 1},   // й written as и and a combining breve
    {"e\u0301\u0302", 1},  // two marks on one letter
    {"a\u036F", 1},        // last mark of the combining diacritics block
    {"a\u0370", 2},        // first letter after it
    {"\u0301", 0},         // a lone mark adds nothing visible
    {"Σ\u00A0€", 3},       // two- and three-byte characters, a no-break space
    {"\U0001F600", 1},     // four bytes
    {"\xFF", 1},           // not UTF-8: one replacement mark per byte
    {"ab\xC5", 3},         // a sequence cut short
    {"\xC0\xAF", 2},       // an overlong form
    {"\xED\xA0\x80", 3},   // a surrogate
    {"\xC5\x99\x99", 2},   // ř and a stray continuation byte
};

TEST(CharacterCountTest, CountsCharactersAsSeenNotBytes) {
  for (const CountCase& c : kCases) {
    EXPECT_EQ(characterCount(c.text), c.characters) << c.text;
  }
}

}  // namespace
}  // namespace tavi::texts
