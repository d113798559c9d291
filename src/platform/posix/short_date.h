#pragma once

#include <string>

namespace tavi::platform::posix {

// Today's date as strftime's "%x" writes it in the user's locale, in UTF-8.
std::string shortDateToday();

}  // namespace tavi::platform::posix
