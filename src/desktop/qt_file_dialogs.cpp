// SPDX-License-Identifier: MIT
#include "qt_file_dialogs.h"

#include <QFileDialog>

namespace {

// A dialog of Qt's own over the window, opened window-modal; what it chose is answered once it
// closes, and it deletes itself then.
void openDialog(QWidget* window, const QString& title, const QString& start, const QString& filter,
                QFileDialog::AcceptMode mode, std::function<void(QString)> then) {
    auto* dialog = new QFileDialog(window, title, start, filter);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setAcceptMode(mode);
    dialog->setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile
                                                        : QFileDialog::ExistingFile);
    QObject::connect(
        dialog, &QDialog::finished, dialog, [dialog, then = std::move(then)](int result) {
            const QStringList chosen = dialog->selectedFiles();
            then(result == QDialog::Accepted && !chosen.isEmpty() ? chosen.first() : QString());
        });
    dialog->open();
}

} // namespace

void QtFileDialogs::saveFileName(const QString& title, const QString& start, const QString& filter,
                                 std::function<void(QString)> then) {
    openDialog(window_, title, start, filter, QFileDialog::AcceptSave, std::move(then));
}

void QtFileDialogs::openFileName(const QString& title, const QString& folder, const QString& filter,
                                 std::function<void(QString)> then) {
    openDialog(window_, title, folder, filter, QFileDialog::AcceptOpen, std::move(then));
}
