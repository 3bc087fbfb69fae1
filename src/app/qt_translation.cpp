// SPDX-License-Identifier: MIT
#include "qt_translation.h"

#include "cli/terminal_output.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <cstdio>
#include <cstring>

namespace {

// The file dialog's kinds of file ("Folder", "File", "%1 File", "Drive") are asked for under the
// icon provider's name since Qt 6.4, while Qt's translations still hold them under the file
// dialog's: without this the 类型 column reads "Folder".
class FileKindTexts final : public QTranslator {
public:
    using QTranslator::QTranslator;

    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* sourceText, const char* disambiguation,
                      int n) const override {
        if (!context || std::strcmp(context, "QAbstractFileIconProvider") != 0)
            return {};
        const QString translated =
            QCoreApplication::translate("QFileDialog", sourceText, disambiguation, n);
        return translated == QLatin1String(sourceText) ? QString() : translated;
    }
};

} // namespace

bool loadChineseQtTexts(QCoreApplication& app) {
    // qt_zh_CN gathers the translations of Qt's modules that lie beside it.
    auto* translator = new QTranslator(&app);
    if (!translator->load(QStringLiteral("qt_zh_CN"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        writeToTerminal(stderr, QStringLiteral("vokarelo: Qt's Chinese translation "
                                               "(qt6-translations-l10n) is not installed; Qt's own "
                                               "buttons and dialogs stay in English\n"));
        return false;
    }
    return QCoreApplication::installTranslator(translator) &&
           QCoreApplication::installTranslator(new FileKindTexts(&app));
}
