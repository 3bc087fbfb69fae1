#include "assets.h"

#include <QHash>

namespace {

QString assetPath(Asset asset) {
    switch (asset) {
    case Asset::PhoneBackground:
        return QStringLiteral(":/assets/phone_background.jpg");
    case Asset::BottomBand:
        return QStringLiteral(":/assets/bottom_band.jpg");
    case Asset::BatteryFill:
        return QStringLiteral(":/assets/battery_fill.jpg");
    case Asset::CallIcon:
        return QStringLiteral(":/assets/call_icon.jpg");
    case Asset::MissedCallIcon:
        return QStringLiteral(":/assets/missed_call_icon.jpg");
    case Asset::None:
        break;
    }
    return {};
}

} // namespace

const QImage& assetImage(Asset asset) {
    static QHash<Asset, QImage> cache;
    auto it = cache.find(asset);
    if (it == cache.end()) {
        QImage image;
        if (asset != Asset::None) {
            image.load(assetPath(asset));
            image = image.convertToFormat(QImage::Format_RGB32);
        }
        it = cache.insert(asset, image);
    }
    return *it;
}

QIcon programIcon() {
    return QIcon(QStringLiteral(":/assets/window_icon.ico"));
}
