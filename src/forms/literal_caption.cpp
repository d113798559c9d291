#include "forms/literal_caption.h"

namespace tavi::forms {

std::string withLiteralAmpersands(std::string_view caption) {
  std::string escaped;
  escaped.reserve(caption.size());
  for (const char c : caption) {
    escaped += c;
    if (c == '&') escaped += '&';
  }
  return escaped;
}

}  // namespace tavi::forms
