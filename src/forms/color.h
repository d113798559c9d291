#pragma once

#include <cstdint>

namespace tavi::forms {

// A colour as the windows use it: an RGB value or one of the system's own colours, which each
// front end resolves to the desktop's current scheme.
struct Color {
  enum class Kind : std::uint8_t {
    Inherit,
    Rgb,
    ButtonFace,
    WindowBackground,
    WindowText,
    GrayText
  };

  Kind kind = Kind::Inherit;
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;

  static constexpr Color rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return {Kind::Rgb, r, g, b};
  }
  // A colour as stored by the suite: 0x00BBGGRR (16749459 is red 147, green 147, blue 255).
  static constexpr Color fromStored(std::uint32_t bgr) {
    return rgb(static_cast<std::uint8_t>(bgr & 0xFF), static_cast<std::uint8_t>((bgr >> 8) & 0xFF),
               static_cast<std::uint8_t>((bgr >> 16) & 0xFF));
  }
  static constexpr Color inherit() { return {}; }
  static constexpr Color buttonFace() { return {Kind::ButtonFace}; }
  static constexpr Color windowBackground() { return {Kind::WindowBackground}; }
  static constexpr Color windowText() { return {Kind::WindowText}; }
  static constexpr Color grayText() { return {Kind::GrayText}; }
  static constexpr Color silver() { return rgb(192, 192, 192); }
  static constexpr Color grey() { return rgb(128, 128, 128); }

  constexpr std::uint32_t stored() const {
    return static_cast<std::uint32_t>(red) | (static_cast<std::uint32_t>(green) << 8) |
           (static_cast<std::uint32_t>(blue) << 16);
  }
  friend constexpr bool operator==(const Color&, const Color&) = default;
};

}  // namespace tavi::forms
