#include "installer/file_names.h"

namespace tavi::installer {
namespace {

std::string withDigits(int number, std::size_t digits) {
  std::string text = std::to_string(number);
  if (text.size() < digits) text.insert(0, digits - text.size(), '0');
  return text;
}

}  // namespace

std::vector<std::string> expandNames(std::span<const FileName> names) {
  std::vector<std::string> result;
  result.reserve(static_cast<std::size_t>(nameCount(names)));
  for (const FileName& name : names) {
    if (name.first.empty()) {
      result.emplace_back(name.prefix);
      continue;
    }
    for (int number = numberOf(name.first); number <= numberOf(name.last); ++number) {
      std::string expanded(name.prefix);
      expanded += withDigits(number, name.first.size());
      expanded += name.suffix;
      result.push_back(std::move(expanded));
    }
  }
  return result;
}

}  // namespace tavi::installer
