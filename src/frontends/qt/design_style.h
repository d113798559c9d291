#pragma once

#include <QProxyStyle>

namespace tavi::frontends::qt {

// Qt's Fusion style with the check marks, radio marks and gaps before their captions of the
// desktop the windows were designed on, so that captions fit their design rectangles.
class DesignStyle : public QProxyStyle {
 public:
  DesignStyle();
  int pixelMetric(PixelMetric metric, const QStyleOption* option,
                  const QWidget* widget) const override;
};

}  // namespace tavi::frontends::qt
