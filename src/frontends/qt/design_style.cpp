#include "frontends/qt/design_style.h"

namespace tavi::frontends::qt {

DesignStyle::DesignStyle() : QProxyStyle(QStringLiteral("Fusion")) {}

int DesignStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                             const QWidget* widget) const {
  switch (metric) {
    case PM_IndicatorWidth:
    case PM_IndicatorHeight:
    case PM_ExclusiveIndicatorWidth:
    case PM_ExclusiveIndicatorHeight:
      return 13;
    case PM_CheckBoxLabelSpacing:
    case PM_RadioButtonLabelSpacing:
      return 4;
    default:
      return QProxyStyle::pixelMetric(metric, option, widget);
  }
}

}  // namespace tavi::frontends::qt
