// SPDX-License-Identifier: MIT
#include "session_keeper.h"

#include "cli/terminal_output.h"
#include "desktop/shown_text.h"
#include "platform/settings_file.h"
#include "recent_setups.h"
#include "session/window_model.h"
#include "setup_files.h"
#include "texts/file_failures.h"

#include <QDateTime>
#include <QMessageBox>
#include <QPushButton>
#include <cstdio>

namespace {

const QString NotKeptKey = QStringLiteral("session/notKept");

} // namespace

SessionKeeper::SessionKeeper(QWidget& window, WindowModel& model, Messages& messages,
                             SetupFiles& files)
    : window_(window), model_(model), messages_(messages), files_(files) {}

bool SessionKeeper::keep(QString* error) {
    const QString path = RecentSetups::lastSessionPath();
    if (path.isEmpty()) {
        *error = noDataFolderText();
        return false;
    }
    return model_.keepSession(path, QDateTime::currentDateTime(), error);
}

bool SessionKeeper::keepBeforeQuit() {
    if (done_)
        return true;
    QString error;
    while (!keep(&error)) {
        QMessageBox box(QMessageBox::Warning, QStringLiteral("Vokarelo"), QString(),
                        QMessageBox::NoButton, &window_);
        showPlainText(box, QStringLiteral("这次的操作无法保存为上次退出时的设置：%1\n\n"
                                          "可以把设置另存到别处再退出，也可以不保存就退出。")
                               .arg(error));
        QPushButton* saveElsewhere =
            box.addButton(QStringLiteral("另存为…"), QMessageBox::AcceptRole);
        QPushButton* quitAnyway =
            box.addButton(QStringLiteral("仍然退出"), QMessageBox::DestructiveRole);
        QPushButton* back = box.addButton(QStringLiteral("取消"), QMessageBox::RejectRole);
        box.setDefaultButton(back);
        box.setEscapeButton(back);
        box.exec();
        if (box.clickedButton() == quitAnyway)
            break;
        if (box.clickedButton() != saveElsewhere)
            return false;
        if (files_.save())
            break;
    }
    done_ = true;
    return true;
}

void SessionKeeper::keepWithoutAsking() {
    if (done_)
        return;
    done_ = true;
    QString error;
    if (keep(&error))
        return;
    const QStringList record{
        QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd H:mm:ss")), error};
    if (std::optional<QSettings> settings = SettingsFile::open()) {
        settings->setValue(NotKeptKey, record);
        settings->sync();
        if (settings->status() == QSettings::NoError)
            return;
    }
    writeToTerminal(stderr, QStringLiteral("vokarelo: the session's set-up was not kept: ") +
                                error + u'\n');
}

void SessionKeeper::tellLastFailure() {
    std::optional<QSettings> settings = SettingsFile::open();
    if (!settings || !settings->contains(NotKeptKey))
        return;
    const QStringList record = settings->value(NotKeptKey).toStringList();
    settings->remove(NotKeptKey);
    if (record.size() == 2)
        messages_.show(QStringLiteral("%1退出时，这次的操作没有保存为上次退出时的设置：%2")
                           .arg(record[0], record[1]));
}
