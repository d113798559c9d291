#pragma once

#include "frontends/qt/font_resolver.h"
#include "frontends/qt/scale.h"

namespace tavi::frontends::qt {

// What every control of a window is drawn with.
struct ViewStyle {
  Scale scale;
  const FontResolver& fonts;
};

}  // namespace tavi::frontends::qt
