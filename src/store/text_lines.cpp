#include "store/text_lines.h"

namespace tavi::store {

std::vector<std::string> splitTextLines(std::string_view bytes) {
  constexpr char kEndOfFile = '\x1A';
  bytes = bytes.substr(0, bytes.find(kEndOfFile));

  std::vector<std::string> lines;
  std::string line;
  bool lineStarted = false;
  for (const char byte : bytes) {
    if (byte == '\n') {
      lines.push_back(std::move(line));
      line.clear();
      lineStarted = false;
      continue;
    }
    lineStarted = true;
    // A CR before LF belongs to the line end; a CR anywhere else is not text either.
    if (byte != '\r') line.push_back(byte);
  }
  if (lineStarted) lines.push_back(std::move(line));
  return lines;
}

}  // namespace tavi::store
