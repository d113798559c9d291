#pragma once

#include <string>
#include <string_view>

namespace tavi::testing {

// Bytes as upper-case hex pairs separated by blanks ("4B 6F 0D 0A"), for readable assertions
// on file content.
std::string hex(std::string_view bytes);

}  // namespace tavi::testing
