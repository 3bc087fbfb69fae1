// SPDX-License-Identifier: MIT
#include "session_keeper.h"

#include "basic/services.h"
#include "cli/terminal_output.h"
#include "recent_setups.h"
#include "session/window_model.h"
#include "setup_files.h"
#include "texts/file_failures.h"

#include <cstdio>

namespace {

// The answers to the question of a session that cannot be kept, in the box's order.
enum QuitChoice { SaveElsewhere, QuitAnyway, Back };

} // namespace

SessionKeeper::SessionKeeper(WindowModel& model, const ShellServices& services, SetupFiles& files)
    : model_(model), clock_(services.clock), settings_(services.settings),
      locations_(services.locations), messages_(services.messages), files_(files) {}

bool SessionKeeper::keep(QString* error) {
    const QString path = RecentSetups::lastSessionPath(locations_);
    if (path.isEmpty()) {
        *error = noDataFolderText();
        return false;
    }
    return model_.keepSession(path, clock_.now(), error);
}

Task<bool> SessionKeeper::keepBeforeQuit() {
    if (done_)
        co_return true;
    const QList<Choice> choices{{QStringLiteral("另存为…"), Choice::Role::Go},
                                {QStringLiteral("仍然退出"), Choice::Role::Destroy},
                                {QStringLiteral("取消"), Choice::Role::Back}};
    QString error;
    while (!keep(&error)) {
        const QString text = QStringLiteral("这次的操作无法保存为上次退出时的设置：%1\n\n"
                                            "可以把设置另存到别处再退出，也可以不保存就退出。")
                                 .arg(error);
        const int chosen = co_await messages_.choice(text, choices, Back);
        if (chosen == QuitAnyway)
            break;
        if (chosen != SaveElsewhere)
            co_return false;
        if (co_await files_.saveSteps())
            break;
    }
    done_ = true;
    co_return true;
}

void SessionKeeper::keepWithoutAsking() {
    if (done_)
        return;
    done_ = true;
    QString error;
    if (keep(&error))
        return;
    if (settings_.setUnkeptSession(
            {clock_.now().toString(QStringLiteral("yyyy-MM-dd H:mm:ss")), error}))
        return;
    writeToTerminal(stderr, QStringLiteral("vokarelo: the session's set-up was not kept: ") +
                                error + u'\n');
}

void SessionKeeper::tellLastFailure() {
    const std::optional<UnkeptSession> unkept = settings_.unkeptSession();
    settings_.forgetUnkeptSession();
    if (unkept)
        messages_.show(QStringLiteral("%1退出时，这次的操作没有保存为上次退出时的设置：%2")
                           .arg(unkept->endedAt, unkept->reason));
}
