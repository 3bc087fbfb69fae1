// SPDX-License-Identifier: MIT
// The least Qt program that makes a picture as the script mode does: it decodes the phone screen's
// background, embedded as the program embeds it, draws one Chinese and one Latin line in the faces
// the program draws with, and writes the JPEG at the program's quality, then ends. The script mode
// is timed against it (bench/batch/least_program.sh).
//
//   bench_least_jpeg OUTPUT.jpg

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QPainter>

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2)
        return 2;
    QImage picture(QStringLiteral(":/assets/phone_background.jpg"));
    picture = picture.convertToFormat(QImage::Format_RGB32);
    {
        QPainter painter(&picture);
        QFont chinese(QStringLiteral("Noto Sans CJK SC"));
        chinese.setPixelSize(16);
        painter.setFont(chinese);
        painter.drawText(40, 200, QStringLiteral("广东湛江 移动"));
        QFont latin(QStringLiteral("Liberation Sans"));
        latin.setPixelSize(29);
        painter.setFont(latin);
        painter.drawText(40, 160, QStringLiteral("138 0013 8000"));
    }
    QImageWriter writer(QString::fromLocal8Bit(argv[1]), "jpeg");
    writer.setQuality(75);
    return writer.write(picture) ? 0 : 1;
}
