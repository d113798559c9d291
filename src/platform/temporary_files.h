#pragma once

#include <string>
#include <string_view>

namespace tavi::platform {

// Both programs write a file beside its target under the target's name and this suffix, then
// swap it in: "datLimit.dat.tavi-2718281828.tmp". A run that was stopped leaves such files, and
// the next run removes them; nothing else carries this pattern.
std::string temporarySuffix();

// True for a name that a program of ours could have left: a name of at least one character,
// then ".tavi-", one or more digits and ".tmp" at the end.
bool isTemporaryName(std::string_view name);

}  // namespace tavi::platform
