#include "editor/main_window/flag_strip.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace tavi::editor {
namespace {

constexpr int kStripWidth = 153;
constexpr int kStripHeight = 23;
constexpr int kFlagWidth = 36;
constexpr int kGap = 3;  // (153 - 4 * 36) / 3

constexpr std::uint32_t kWindowColour = 0xFF9393FFu;  // the main window's background
constexpr std::uint32_t kWhite = 0xFFFFFFFFu;
constexpr std::uint32_t kBlack = 0xFF000000u;
constexpr std::uint32_t kCzechBlue = 0xFF11457Eu;
constexpr std::uint32_t kCzechRed = 0xFFD7141Au;
constexpr std::uint32_t kBritishBlue = 0xFF012169u;
constexpr std::uint32_t kBritishRed = 0xFFC8102Eu;
constexpr std::uint32_t kGermanRed = 0xFFDD0000u;
constexpr std::uint32_t kGermanGold = 0xFFFFCE00u;
constexpr std::uint32_t kRussianBlue = 0xFF0039A6u;
constexpr std::uint32_t kRussianRed = 0xFFD52B1Eu;

using Painter = std::uint32_t (*)(int x, int y);

std::uint32_t threeStripes(int y, std::uint32_t top, std::uint32_t middle, std::uint32_t bottom) {
  if (y * 3 < kStripHeight) return top;
  if (y * 3 < kStripHeight * 2) return middle;
  return bottom;
}

// White over red, with a blue wedge from the hoist to the middle.
std::uint32_t czech(int x, int y) {
  const double fromMiddle = std::abs((y + 0.5) - kStripHeight / 2.0) / (kStripHeight / 2.0);
  if (x + 0.5 <= (kFlagWidth / 2.0) * (1.0 - fromMiddle)) return kCzechBlue;
  return (y * 2 < kStripHeight) ? kWhite : kCzechRed;
}

// The union flag on a 60 x 30 grid: white and red saltires under the white and red cross.
std::uint32_t british(int x, int y) {
  const double u = (x + 0.5) * 60.0 / kFlagWidth;
  const double v = (y + 0.5) * 30.0 / kStripHeight;
  const double distanceToDiagonal =
      std::fmin(std::abs(u - 2.0 * v), std::abs(u - 60.0 + 2.0 * v)) / std::sqrt(5.0);
  const double distanceToCross = std::fmin(std::abs(u - 30.0), std::abs(v - 15.0));
  if (distanceToCross < 3.0) return kBritishRed;
  if (distanceToCross < 5.0) return kWhite;
  if (distanceToDiagonal < 1.2) return kBritishRed;
  if (distanceToDiagonal < 3.0) return kWhite;
  return kBritishBlue;
}

std::uint32_t german(int, int y) {
  return threeStripes(y, kBlack, kGermanRed, kGermanGold);
}

std::uint32_t russian(int, int y) {
  return threeStripes(y, kWhite, kRussianBlue, kRussianRed);
}

}  // namespace

forms::Image drawFlagStrip() {
  forms::Image strip(kStripWidth, kStripHeight, kWindowColour);
  const Painter flags[] = {czech, british, german, russian};
  int left = 0;
  for (Painter paint : flags) {
    for (int y = 0; y < kStripHeight; ++y) {
      for (int x = 0; x < kFlagWidth; ++x)
        strip.at(left + x, y) = paint(x, y);
    }
    left += kFlagWidth + kGap;
  }
  return strip;
}

}  // namespace tavi::editor
