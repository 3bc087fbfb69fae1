#include "main_window.h"
#include "qt_platform.h"
#include "screen/fonts.h"
#include "screen/form.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vokarelo"));
    installFontSubstitutions();

    QtPlatform platform;
    Form form(platform);
    form.start();

    MainWindow window(form);
    platform.messageParent = &window;
    platform.beforeMessage = [&window] { window.syncFromForm(); };
    platform.onTimer = [&form] { form.timerTick(); };
    form.changed = [&window] { window.syncFromForm(); };

    window.show();
    return app.exec();
}
