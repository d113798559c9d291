#pragma once

#include <QFont>
#include <QString>
#include <map>
#include <string>

#include "forms/font.h"
#include "frontends/qt/scale.h"

namespace tavi::platform {
class Platform;
}

namespace tavi::frontends::qt {

// Turns the windows' fonts into Qt fonts. The windows are designed for Tahoma; when the system
// lacks it, the Tahoma-compatible font that Wine ships is loaded, and failing that the closest
// sans-serif font of the system stands in, so that the text still fits its design rectangle.
class FontResolver {
 public:
  explicit FontResolver(const platform::Platform& platform);

  // The font drawn at the given scale: the point size at 96 dpi in pixels, then scaled.
  QFont font(const forms::Font& font, const Scale& scale) const;
  // The family that stands in for a design family ("Tahoma").
  QString family(const std::string& designFamily) const;

 private:
  std::map<std::string, QString, std::less<>> families_;
};

}  // namespace tavi::frontends::qt
