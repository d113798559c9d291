#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tavi::tools {

// A 32 × 32 icon file (".ico") of one colour with a white frame.
std::string iconFile(std::uint32_t rgb);

// A one-page PDF document whose page says `text`.
std::string pdfDocument(std::string_view text);

}  // namespace tavi::tools
