// SPDX-License-Identifier: MIT
#include "qt_file_dialogs.h"

#include <QFileDialog>

QString QtFileDialogs::saveFileName(const QString& title, const QString& start,
                                    const QString& filter) {
    return QFileDialog::getSaveFileName(window_, title, start, filter, nullptr,
                                        QFileDialog::DontUseNativeDialog);
}

QString QtFileDialogs::openFileName(const QString& title, const QString& folder,
                                    const QString& filter) {
    return QFileDialog::getOpenFileName(window_, title, folder, filter, nullptr,
                                        QFileDialog::DontUseNativeDialog);
}
