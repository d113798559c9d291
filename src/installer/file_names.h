#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tavi::installer {

// One entry of a file list: a plain name, or a numbered run of names written as its two ends
// ("barvyp00.png" to "barvyp09.png"). Every number of a run has at least as many digits as
// its first end, so "00" to "09" gives "barvyp00.png", ..., "barvyp09.png" and "0" to "28"
// gives "TherapyL0.png", ..., "TherapyL28.png".
struct FileName {
  std::string_view prefix;
  std::string_view first;  // empty for a plain name
  std::string_view last;
  std::string_view suffix;
};

constexpr FileName file(std::string_view name) {
  return {name, {}, {}, {}};
}

constexpr FileName numbered(std::string_view prefix, std::string_view first, std::string_view last,
                            std::string_view suffix) {
  return {prefix, first, last, suffix};
}

constexpr int numberOf(std::string_view digits) {
  int value = 0;
  for (char digit : digits)
    value = value * 10 + (digit - '0');
  return value;
}

// How many names the entry stands for.
constexpr int nameCount(const FileName& name) {
  if (name.first.empty()) return 1;
  const int count = numberOf(name.last) - numberOf(name.first) + 1;
  return count > 0 ? count : 0;
}

constexpr int nameCount(std::span<const FileName> names) {
  int count = 0;
  for (const FileName& name : names)
    count += nameCount(name);
  return count;
}

// Every name of the list, runs written out, in list order.
std::vector<std::string> expandNames(std::span<const FileName> names);

}  // namespace tavi::installer
