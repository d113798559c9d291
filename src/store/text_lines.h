#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tavi::store {

// Splits the bytes of a text file into its lines, as the suite's programs read them: a line
// ends at LF, at CR LF or at the end of the file; any other CR is dropped; a byte 0x1A ends
// the file. The line ends are not part of the lines, and no byte-order mark is skipped.
std::vector<std::string> splitTextLines(std::string_view bytes);

}  // namespace tavi::store
