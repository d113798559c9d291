#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "texts/language.h"

namespace tavi::texts {

// Message numbers name one phrase across all of the editor's tables.
using MessageNumber = std::int32_t;

// One phrase in the five languages, in language index order.
struct TextRow {
  MessageNumber number;
  std::array<std::string_view, kLanguageCount> texts;
};

// What the editor shows for a number its window's table lacks, or for an unknown language.
inline constexpr std::string_view kEditorDefaultText = "?????????";

// A row whose text is the same in every language.
constexpr TextRow sameInEveryLanguage(MessageNumber number, std::string_view text) {
  return {number, {text, text, text, text, text}};
}

// A row with its own Czech text and the English text in every other language.
constexpr TextRow czechAndEnglish(MessageNumber number, std::string_view czech,
                                  std::string_view english) {
  return {number, {czech, english, english, english, english}};
}

// One window's own table. A window looks texts up in its table only, never in another's.
class TextTable {
 public:
  constexpr explicit TextTable(std::span<const TextRow> rows) : rows_(rows) {}

  std::span<const TextRow> rows() const { return rows_; }

  // The row of a number, or nullptr when the table lacks it.
  constexpr const TextRow* find(MessageNumber number) const {
    for (const TextRow& row : rows_) {
      if (row.number == number) return &row;
    }
    return nullptr;
  }

  // The editor's rule: the row's text in that language, else "?????????". No other language
  // and no other table stands in.
  constexpr std::string_view editorText(MessageNumber number, LanguageIndex language) const {
    return textOr(number, language, kEditorDefaultText);
  }

  // The installer's rule: the same, but an empty text where the editor has its default.
  constexpr std::string_view installerText(MessageNumber number, LanguageIndex language) const {
    return textOr(number, language, {});
  }

 private:
  constexpr std::string_view textOr(MessageNumber number, LanguageIndex language,
                                    std::string_view fallback) const {
    if (!isKnownLanguage(language)) return fallback;
    const TextRow* row = find(number);
    return row ? row->texts[static_cast<std::size_t>(language)] : fallback;
  }

  std::span<const TextRow> rows_;
};

}  // namespace tavi::texts
