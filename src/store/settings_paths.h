#pragma once

#include <string_view>

namespace tavi::store {

// Every setting of the suite lives in one file of its own in this hidden folder. The
// installer creates it; the editor never does.
inline constexpr std::string_view kSettingsFolder = R"(C:\KivTanOr5)";

// One empty flag file per selected product lives here.
inline constexpr std::string_view kProductFlagFolder = R"(C:\KivTanOr5\PrepSwich\)";

}  // namespace tavi::store
