// SPDX-License-Identifier: MIT
#pragma once

#include "recent_setups.h"

#include <QKeySequence>
#include <QPoint>
#include <functional>
#include <optional>

class QAction;
class QMenu;
class QWidget;
class SetupFiles;
class WindowModel;

// The window's commands that are not on the panel, each with its key: undo and redo over the
// recorded set-up, opening and saving set-ups, the recent ones and the last session's, and
// quitting as the exit button does. A right click on the window's background shows them with their
// keys.
class WindowActions {
public:
    // How the window runs a command as one of the user's events: doing names it for a message.
    using RunCommand = std::function<void(const QString& doing, std::function<void()> command)>;

    WindowActions(QWidget& window, WindowModel& model, SetupFiles& files, RecentSetups recent,
                  RunCommand run);
    WindowActions(const WindowActions&) = delete;
    WindowActions& operator=(const WindowActions&) = delete;

    void showMenu(QPoint globalPosition);
    void undo();
    void redo();

    // The menu as the next right click shows it, for whoever wants to look.
    QMenu* menu() const { return menu_; }
    // The menu's commands with their keys, one a line: "撤销 Ctrl+Z".
    QString keysText() const;
    // The keys of the command that quits, as the exit button does.
    QKeySequence quitKey() const;
    // The key that does what a click on the phone screen's back arrow does.
    QKeySequence backArrowKey() const;

private:
    QAction* addAction(const QString& text, const QList<QKeySequence>& keys,
                       std::function<void()> run);
    void openSetup(const QString& path);
    void fillRecentMenu();
    // Undo or redo, and the fields forget their own typing, which belongs to a time the window
    // has just left.
    void step(const QString& name, void (WindowModel::*stepped)());

    QWidget& window_;
    WindowModel& model_;
    SetupFiles& files_;
    RunCommand run_;
    RecentSetups recent_;
    QAction* backArrow_ = nullptr;
    QAction* undo_ = nullptr;
    QAction* redo_ = nullptr;
    QAction* quit_ = nullptr;
    QMenu* menu_ = nullptr;
    QMenu* recentMenu_ = nullptr;
};
