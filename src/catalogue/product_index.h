#pragma once

#include <cstdint>

namespace tavi::catalogue {

// One product across the whole suite; the other programs know products by this number only,
// so the numbering never changes.
using ProductIndex = std::int32_t;

inline constexpr ProductIndex kFirstProductIndex = 1;
inline constexpr ProductIndex kLastProductIndex = 321;

}  // namespace tavi::catalogue
