// SPDX-License-Identifier: MIT
#include "assets.h"

#include <QHash>
#include <algorithm>
#include <cmath>
#include <map>
#include <utility>

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

bool hasDrawnAssets(qreal devicePixelRatio) {
    return devicePixelRatio == assetScaleFor(devicePixelRatio);
}

QImage assetImageAt(Asset asset, qreal devicePixelRatio) {
    const int scale = assetScaleFor(devicePixelRatio);
    const QImage drawn = assetImage(asset, scale);
    if (hasDrawnAssets(devicePixelRatio) || drawn.isNull())
        return drawn;
    static std::map<std::pair<Asset, qreal>, QImage> cache;
    auto it = cache.find({asset, devicePixelRatio});
    if (it == cache.end()) {
        const QSize size = assetImage(asset, 1).size();
        QImage scaled = drawn.scaled(qRound(size.width() * devicePixelRatio),
                                     qRound(size.height() * devicePixelRatio),
                                     Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        scaled.setDevicePixelRatio(devicePixelRatio);
        it = cache.emplace(std::pair(asset, devicePixelRatio), std::move(scaled)).first;
    }
    return it->second;
}

QIcon programIcon() {
    return QIcon(QStringLiteral(":/assets/window_icon.ico"));
}
