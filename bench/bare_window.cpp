// SPDX-License-Identifier: MIT
// The least a Qt Widgets program shows: one borderless window holding one label. The start-up
// benchmark compares the time to Vokarelo's first painted window with the time to this one's.

#include <QApplication>
#include <QLabel>
#include <QPalette>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("Vokarelo"));
    label.setWindowFlag(Qt::FramelessWindowHint);
    // One flat colour, so that a probe of one pixel can tell the painted window.
    QPalette palette = label.palette();
    palette.setColor(QPalette::Window, QColor(255, 0, 0));
    label.setPalette(palette);
    label.setAutoFillBackground(true);
    label.resize(889, 854);
    label.show();
    return app.exec();
}
