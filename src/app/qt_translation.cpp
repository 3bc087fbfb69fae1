// SPDX-License-Identifier: MIT
#include "qt_translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <cstdio>

bool loadChineseQtTexts(QCoreApplication& app) {
    // qt_zh_CN gathers the translations of Qt's modules that lie beside it.
    auto* translator = new QTranslator(&app);
    if (!translator->load(QStringLiteral("qt_zh_CN"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        std::fputs("vokarelo: Qt's Chinese translation (qt6-translations-l10n) is not installed; "
                   "Qt's own buttons and dialogs stay in English\n",
                   stderr);
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}
