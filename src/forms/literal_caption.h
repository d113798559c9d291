#pragma once

#include <string>
#include <string_view>

namespace tavi::forms {

// Captions are literal text: product names such as "R2 Day & Night" read as written. Buttons,
// check boxes, radio items and group titles on both toolkits take "&" as the mark of a keyboard
// accelerator, so they are given each "&" doubled, which they draw as one.
std::string withLiteralAmpersands(std::string_view caption);

}  // namespace tavi::forms
