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

bool fail(const QString& message) {
    std::fprintf(stderr, "vokarelo_draw_assets: %s\n", qPrintable(message));
    return false;
}

bool writeAll(const QDir& dir, const QString& previewPath) {
    const QImage background = drawPhoneBackground();
    const QImage batteryFill = drawBatteryFill();
    const QImage callIcon = drawCallIcon();
    const QImage missedCallIcon = drawMissedCallIcon();
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
        if (!writeJpeg(jpeg.image, dir.filePath(QLatin1String(jpeg.name)), kJpegQuality, &error))
            return fail(error);
    }
    const QImage windowIcon = drawWindowIcon();
    if (!writeIndexedIco(windowIcon, dir.filePath(QStringLiteral("window_icon.ico")), &error))
        return fail(error);
    // Desktops look for an installed program's icon as PNG.
    const QString iconPng = dir.filePath(QStringLiteral("window_icon.png"));
    if (QImageWriter writer(iconPng); !writer.write(windowIcon))
        return fail(QStringLiteral("%1: %2").arg(iconPng, writer.errorString()));

    if (!previewPath.isEmpty()) {
        QImageWriter writer(previewPath);
        if (!writer.write(drawPreview(background, batteryFill, callIcon, missedCallIcon)))
            return fail(QStringLiteral("%1: %2").arg(previewPath, writer.errorString()));
    }
    return true;
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
        QStringLiteral("Also write the background with sample texts laid over it to <file>."),
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
