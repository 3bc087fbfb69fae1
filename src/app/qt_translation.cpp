#include "qt_translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

bool loadChineseQtTexts(QCoreApplication& app) {
    // qt_zh_CN gathers the translations of Qt's modules that lie beside it.
    auto* translator = new QTranslator(&app);
    if (!translator->load(QStringLiteral("qt_zh_CN"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}
