// SPDX-License-Identifier: MIT
// Shows a message box as the window shows one: the real platform's box over the real window, with
// Qt's Chinese translation loaded as the program loads it. Prints the box's X window id once it is
// shown and stays until it is ended, so that a test can compare the program's box with it pixel
// for pixel. Exits with 3 when its own button does not read 确定: the reference must be Chinese.
#include "app/main_window.h"
#include "app/qt_translation.h"
#include "desktop/system_services.h"
#include "screen/fonts.h"
#include "session/window_model.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 2 || !loadChineseQtTexts(app))
        return 2;
    installFontSubstitutions();
    SystemServices system;
    WindowModel model(system.services(), system.messages);
    MainWindow window(model, system.shell());
    system.serve(&window, [&window] { window.syncFromForm(); });

    QTimer::singleShot(0, [] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || box->buttons().size() != 1 || box->buttons()[0]->text() != u"确定")
            std::exit(3);
        std::printf("%llu\n", static_cast<unsigned long long>(box->winId()));
        std::fflush(stdout);
    });
    system.messages.show(QString::fromLocal8Bit(argv[1]), [] { QCoreApplication::quit(); });
    return app.exec();
}
