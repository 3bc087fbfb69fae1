// SPDX-License-Identifier: MIT
#include "start_environment.h"

#include <QtGlobal>

namespace {

constexpr const char* BaseFolders[] = {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_STATE_HOME",
                                       "XDG_CACHE_HOME", "XDG_RUNTIME_DIR"};
constexpr const char* BaseFolderLists[] = {"XDG_DATA_DIRS", "XDG_CONFIG_DIRS"};

bool absolute(const QByteArray& path) {
    return path.startsWith('/');
}

const QString ScaleRange = QStringLiteral("a scale factor is a number from 0.5 to 4");

QString quoted(const QByteArray& value) {
    return u'"' + QString::fromLocal8Bit(value) + u'"';
}

// A variable with its value, as a line names it: QT_SCALE_FACTOR="2".
QString setting(const char* name) {
    return QString::fromLatin1(name) + u'=' + quoted(qgetenv(name));
}

// The scale the window opens at once the unusable factors are gone.
QString scaleLeft() {
    QStringList left;
    for (const char* name : {"QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS"})
        if (!qgetenv(name).isEmpty())
            left.append(setting(name));
    if (left.isEmpty())
        return QStringLiteral("the window opens at the screen's own scale");
    return QStringLiteral("the window opens at the scale %1 sets")
        .arg(left.join(QStringLiteral(" and ")));
}

} // namespace

void ignoreRelativeBaseDirectories() {
    for (const char* name : BaseFolders)
        if (qEnvironmentVariableIsSet(name) && !absolute(qgetenv(name)))
            qunsetenv(name);
    for (const char* name : BaseFolderLists) {
        if (!qEnvironmentVariableIsSet(name))
            continue;
        const QByteArray folders = qgetenv(name);
        QByteArrayList kept = folders.split(':');
        kept.removeIf([](const QByteArray& folder) { return !absolute(folder); });
        if (kept.isEmpty())
            qunsetenv(name);
        else if (kept.join(':') != folders)
            qputenv(name, kept.join(':'));
    }
}

bool usableScaleFactor(const QByteArray& value) {
    bool ok = false;
    const double factor = value.toDouble(&ok);
    // NaN fails both comparisons, an infinity the second.
    return ok && factor >= 0.5 && factor <= 4;
}

QStringList ignoreUnusableScaleFactors() {
    QStringList ignored;
    const QByteArray factor = qgetenv("QT_SCALE_FACTOR");
    if (!factor.isEmpty() && !usableScaleFactor(factor)) {
        ignored.append(QStringLiteral("QT_SCALE_FACTOR=%1").arg(quoted(factor)));
        qunsetenv("QT_SCALE_FACTOR");
    }
    // Qt gives an empty entry's place to the next factor, so that emptying one unusable entry
    // would move the others to other screens: the variable goes as a whole.
    const QByteArray screens = qgetenv("QT_SCREEN_SCALE_FACTORS");
    QStringList unusable;
    for (const QByteArray& entry : screens.split(';'))
        if (!entry.isEmpty() && !usableScaleFactor(entry.mid(entry.lastIndexOf('=') + 1)))
            unusable.append(quoted(entry));
    if (!unusable.isEmpty()) {
        ignored.append(QStringLiteral("QT_SCREEN_SCALE_FACTORS=%1, for %2")
                           .arg(quoted(screens), unusable.join(QStringLiteral(", "))));
        qunsetenv("QT_SCREEN_SCALE_FACTORS");
    }
    QStringList said;
    for (const QString& what : ignored)
        said.append(
            QStringLiteral("vokarelo: ignoring %1: %2; %3").arg(what, ScaleRange, scaleLeft()));
    return said;
}

bool usableFontDpi(const QByteArray& value) {
    bool ok = false;
    const int dpi = value.toInt(&ok, 0);
    return ok && dpi >= 48 && dpi <= 480;
}

QStringList ignoreUnusableFontDpi() {
    const QByteArray dpi = qgetenv("QT_FONT_DPI");
    if (dpi.isEmpty() || usableFontDpi(dpi))
        return {};
    qunsetenv("QT_FONT_DPI");
    return {QStringLiteral("vokarelo: ignoring QT_FONT_DPI=%1: a font resolution is a whole "
                           "number from 48 to 480; the window takes the screen's own")
                .arg(quoted(dpi))};
}
