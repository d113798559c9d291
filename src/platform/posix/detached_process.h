#pragma once

#include <string>
#include <vector>

namespace tavi::platform::posix {

// Starts a program found on PATH (command[0]) with its arguments and returns at once. The
// program runs in a session of its own, is never waited for and leaves no zombie; a program
// that cannot be found or started is silently skipped.
void startDetached(const std::vector<std::string>& command);

}  // namespace tavi::platform::posix
