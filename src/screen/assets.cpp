#include "assets.h"

#include <QHash>
#include <algorithm>
#include <cmath>

namespace {

QString assetName(Asset asset) {
    switch (asset) {
    case Asset::PhoneBackground:
        return QStringLiteral("phone_background");
    case Asset::BottomBand:
        return QStringLiteral("bottom_band");
    case Asset::BatteryFill:
        return QStringLiteral("battery_fill");
    case Asset::CallIcon:
        return QStringLiteral("call_icon");
    case Asset::MissedCallIcon:
        return QStringLiteral("missed_call_icon");
    case Asset::None:
        break;
    }
    return {};
}

// Qt's naming for the finer variants: phone_background@2x.jpg beside phone_background.jpg.
QString assetPath(Asset asset, int scale) {
    const QString suffix = scale == 1 ? QString() : QStringLiteral("@%1x").arg(scale);
    return QStringLiteral(":/assets/%1%2.jpg").arg(assetName(asset), suffix);
}

} // namespace

int assetScaleFor(qreal devicePixelRatio) {
    return std::clamp(static_cast<int>(std::ceil(devicePixelRatio - 1e-6)), 1, LargestAssetScale);
}

QImage assetImage(Asset asset, int scale) {
    scale = std::clamp(scale, 1, LargestAssetScale);
    static QHash<int, QImage> cache;
    const int key = static_cast<int>(asset) * (LargestAssetScale + 1) + scale;
    auto it = cache.find(key);
    if (it == cache.end()) {
        QImage image;
        if (asset != Asset::None) {
            image.load(assetPath(asset, scale));
            image = image.convertToFormat(QImage::Format_RGB32);
            image.setDevicePixelRatio(scale);
        }
        it = cache.insert(key, image);
    }
    return *it;
}

QIcon programIcon() {
    return QIcon(QStringLiteral(":/assets/window_icon.ico"));
}
