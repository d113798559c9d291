#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace tavi::texts {

// The pattern with "%1", "%2", ... replaced by the values in order. A value is put in as it is:
// a "%1" inside a path stays.
std::string withValues(std::string_view pattern, std::initializer_list<std::string_view> values);

}  // namespace tavi::texts
