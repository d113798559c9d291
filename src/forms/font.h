#pragma once

#include <string>

#include "forms/color.h"

namespace tavi::forms {

struct Font {
  std::string name = "Tahoma";
  int pointSize = 8;
  bool bold = false;
  Color color = Color::windowText();
  friend bool operator==(const Font&, const Font&) = default;
};

}  // namespace tavi::forms
