// SPDX-License-Identifier: MIT
#include "file_dialog_fit.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QEvent>
#include <QFileDialog>
#include <QHeaderView>
#include <QLocale>
#include <QScreen>
#include <QScrollBar>
#include <QSplitter>
#include <QTreeView>
#include <algorithm>
#include <iterator>

namespace {

constexpr int ColumnPadding = 24;
constexpr int PlacesWidth = 150;
constexpr int NameWidth = 280;
constexpr int DialogHeight = 480;

class FileDialogFit final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show)
            if (auto* dialog = qobject_cast<QFileDialog*>(watched))
                fit(*dialog);
        return QObject::eventFilter(watched, event);
    }

private:
    static void fit(QFileDialog& dialog) {
        auto* files = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
        if (!files || dialog.property(FittedProperty).toBool())
            return;
        dialog.setProperty(FittedProperty, true);
        const QFontMetrics metrics(files->font());
        // The widest texts the columns show: a size, a kind of file, a date and time as the
        // user's regional settings write it.
        const QString longestDate = QLocale::system().toString(
            QDateTime(QDate(2028, 12, 28), QTime(23, 58)), QLocale::ShortFormat);
        const int widths[] = {
            NameWidth,
            metrics.horizontalAdvance(QStringLiteral("1023.99 KiB")) + ColumnPadding,
            metrics.horizontalAdvance(QStringLiteral("vokarelo 文件夹")) + ColumnPadding,
            metrics.horizontalAdvance(longestDate) + ColumnPadding,
        };
        QHeaderView* header = files->header();
        int filesWidth = 0;
        for (int column = 0; column < int(std::size(widths)); ++column) {
            header->resizeSection(column, widths[column]);
            filesWidth += widths[column];
        }
        // The name takes what the others leave, so that no column lies beyond the edge.
        header->setStretchLastSection(false);
        header->setSectionResizeMode(0, QHeaderView::Stretch);
        const int listWidth =
            filesWidth + 2 * files->frameWidth() + files->verticalScrollBar()->sizeHint().width();
        auto* splitter = dialog.findChild<QSplitter*>(QStringLiteral("splitter"));
        // What the dialog has around the places and the files: its margins.
        const int around = dialog.width() - (splitter ? splitter->width() : files->width());
        const int inside = splitter ? PlacesWidth + splitter->handleWidth() + listWidth : listWidth;
        if (splitter)
            splitter->setSizes({PlacesWidth, listWidth});
        QSize wanted(std::max(dialog.width(), around + inside),
                     std::max(dialog.height(), DialogHeight));
        if (const QScreen* screen = dialog.screen())
            wanted = wanted.boundedTo(screen->availableGeometry().size());
        dialog.resize(wanted);
    }

    static constexpr const char* FittedProperty = "vokareloFitted";
};

} // namespace

void fitFileDialogs(QCoreApplication& app) {
    static constexpr const char* Installed = "vokareloFileDialogsFit";
    if (app.property(Installed).toBool())
        return;
    app.setProperty(Installed, true);
    app.installEventFilter(new FileDialogFit(&app));
}
