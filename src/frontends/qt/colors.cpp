#include "frontends/qt/colors.h"

namespace tavi::frontends::qt {

QColor toQColor(const forms::Color& color, const QPalette& palette) {
  using Kind = forms::Color::Kind;
  switch (color.kind) {
    case Kind::Inherit:
      return {};
    case Kind::Rgb:
      return {color.red, color.green, color.blue};
    case Kind::ButtonFace:
      return palette.color(QPalette::Active, QPalette::Button);
    case Kind::WindowBackground:
      return palette.color(QPalette::Active, QPalette::Base);
    case Kind::WindowText:
      return palette.color(QPalette::Active, QPalette::WindowText);
    case Kind::GrayText:
      return palette.color(QPalette::Disabled, QPalette::WindowText);
  }
  return {};
}

}  // namespace tavi::frontends::qt
