#include "platform/temporary_files.h"

#include <algorithm>
#include <random>

namespace tavi::platform {

namespace {

constexpr std::string_view kMark = ".tavi-";
constexpr std::string_view kEnd = ".tmp";

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

}  // namespace

std::string temporarySuffix() {
  return std::string(kMark) + std::to_string(std::random_device{}()) + std::string(kEnd);
}

bool isTemporaryName(std::string_view name) {
  if (!name.ends_with(kEnd)) return false;
  name.remove_suffix(kEnd.size());
  const auto digits = std::find_if_not(name.rbegin(), name.rend(), isDigit) - name.rbegin();
  if (digits == 0) return false;
  name.remove_suffix(static_cast<std::size_t>(digits));
  return name.size() > kMark.size() && name.ends_with(kMark);
}

}  // namespace tavi::platform
