// SPDX-License-Identifier: MIT
// Draws the pictures in assets/. Run it after changing how they look and commit the files it
// writes; the program embeds them and never draws them itself.

#include "image_files.h"
#include "pictures.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImageWriter>

#include <cstdio>

namespace {

// High enough that flat areas decode within a level of their colour and edges do not ring.
constexpr int kJpegQuality = 95;

// Screens of these pixel ratios get pictures of their own.
constexpr int kScales[] = {1, 2, 3};
// The sizes desktops look for in the icon theme.
constexpr int kIconSizes[] = {16, 32, 48, 64, 128, 256};

bool fail(const QString& message) {
    std::fprintf(stderr, "vokarelo_draw_assets: %s\n", qPrintable(message));
    return false;
}

// Qt's name for the picture of `path` at `scale`: phone_background@2x.jpg.
QString scaledPath(const QString& path, int scale) {
    if (scale == 1)
        return path;
    qsizetype suffix = path.lastIndexOf(QLatin1Char('.'));
    if (suffix <= path.lastIndexOf(QLatin1Char('/')))
        suffix = path.size();
    return path.left(suffix) + QStringLiteral("@%1x").arg(scale) + path.mid(suffix);
}

bool writePng(const QImage& image, const QString& path) {
    QImageWriter writer(path, "png");
    return writer.write(image) || fail(QStringLiteral("%1: %2").arg(path, writer.errorString()));
}

bool writeScreenPictures(const QDir& dir, int scale, const QString& previewPath) {
    const QImage background = drawPhoneBackground(scale);
    const QImage batteryFill = drawBatteryFill(scale);
    const QImage callIcon = drawCallIcon(scale);
    const QImage missedCallIcon = drawMissedCallIcon(scale);
    const struct {
        const char* name;
        QImage image;
    } jpegs[] = {{"phone_background.jpg", background},
                 {"bottom_band.jpg", drawBottomBand(background)},
                 {"battery_fill.jpg", batteryFill},
                 {"call_icon.jpg", callIcon},
                 {"missed_call_icon.jpg", missedCallIcon}};

    QString error;
    for (const auto& jpeg : jpegs) {
        const QString path = scaledPath(dir.filePath(QLatin1String(jpeg.name)), scale);
        if (!writeJpeg(jpeg.image, path, kJpegQuality, &error))
            return fail(error);
    }
    return previewPath.isEmpty() ||
           writePng(drawPreview(background, batteryFill, callIcon, missedCallIcon),
                    scaledPath(previewPath, scale));
}

bool writeIcons(const QDir& dir) {
    const QImage windowIcon = drawWindowIcon(32);
    QString error;
    if (!writeIndexedIco(windowIcon, dir.filePath(QStringLiteral("window_icon.ico")), &error))
        return fail(error);
    // Desktops look for an installed program's icon as PNG, one file for each size they show.
    if (!writePng(windowIcon, dir.filePath(QStringLiteral("window_icon.png"))))
        return false;
    const QString iconDir = dir.filePath(QStringLiteral("icons"));
    if (!QDir().mkpath(iconDir))
        return fail(QStringLiteral("cannot create %1").arg(iconDir));
    for (const int size : kIconSizes) {
        const QString path = QStringLiteral("%1/vokarelo-%2.png").arg(iconDir).arg(size);
        if (!writePng(drawWindowIcon(size), path))
            return false;
    }
    return true;
}

bool writeAll(const QDir& dir, const QString& previewPath) {
    for (const int scale : kScales) {
        if (!writeScreenPictures(dir, scale, previewPath))
            return false;
    }
    return writeIcons(dir);
}

} // namespace

int main(int argc, char* argv[]) {
    // Nothing is shown; the program must run without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Draws the phone-screen pictures the program embeds."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("folder"),
                                 QStringLiteral("Where to write the pictures (default: %1).")
                                     .arg(QStringLiteral(VOKARELO_DEFAULT_ASSETS_DIR)));
    const QCommandLineOption previewOption(
        QStringLiteral("preview"),
        QStringLiteral("Also write the background with sample texts laid over it to <file>, and "
                       "at 2x and 3x beside it."),
        QStringLiteral("file"));
    parser.addOption(previewOption);
    parser.process(app);

    const QStringList positional = parser.positionalArguments();
    if (positional.size() > 1) {
        fail(QStringLiteral("give at most one output folder"));
        return 2;
    }
    // The pictures are drawn in this face; another one would silently change their look.
    if (!QFontDatabase::families().contains(QStringLiteral("Noto Sans CJK SC"))) {
        fail(QStringLiteral("the font Noto Sans CJK SC is missing (Debian: fonts-noto-cjk)"));
        return 1;
    }

    const QDir dir(positional.isEmpty() ? QStringLiteral(VOKARELO_DEFAULT_ASSETS_DIR)
                                        : positional.first());
    if (!dir.exists() && !QDir().mkpath(dir.path())) {
        fail(QStringLiteral("cannot create %1").arg(dir.path()));
        return 1;
    }
    return writeAll(dir, parser.value(previewOption)) ? 0 : 1;
}
