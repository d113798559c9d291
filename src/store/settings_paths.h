#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace tavi::store {

// Every setting of the suite lives in one file of its own in this hidden folder. The
// installer creates it; the editor never does.
inline constexpr std::string_view kSettingsFolder = R"(C:\KivTanOr5)";

// One empty flag file per selected product lives here.
inline constexpr std::string_view kProductFlagFolder = R"(C:\KivTanOr5\PrepSwich\)";

namespace detail {

template <const std::string_view&... Parts>
struct WindowsPath {
  static constexpr std::size_t kSize = (Parts.size() + ...) + sizeof...(Parts) - 1;
  static constexpr std::array<char, kSize> kChars = [] {
    std::array<char, kSize> chars{};
    std::size_t next = 0;
    for (std::string_view part : {Parts...}) {
      if (next != 0) chars[next++] = '\\';
      for (char c : part)
        chars[next++] = c;
    }
    return chars;
  }();
};

}  // namespace detail

// A folder and a name joined by backslashes at compile time, so that a file whose name the
// installer copies and whose path a program opens is named once.
template <const std::string_view&... Parts>
inline constexpr std::string_view windowsPath{detail::WindowsPath<Parts...>::kChars.data(),
                                              detail::WindowsPath<Parts...>::kSize};

}  // namespace tavi::store
