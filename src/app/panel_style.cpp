#include "panel_style.h"

#include <QCheckBox>
#include <algorithm>

int PanelStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                            const QWidget* widget) const {
    const int standard = QProxyStyle::pixelMetric(metric, option, widget);
    if ((metric == PM_IndicatorWidth || metric == PM_IndicatorHeight) &&
        qobject_cast<const QCheckBox*>(widget))
        return std::min(standard, widget->height());
    return standard;
}
