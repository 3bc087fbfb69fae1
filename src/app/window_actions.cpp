// SPDX-License-Identifier: MIT
#include "window_actions.h"

#include "desktop/shown_text.h"
#include "form/form.h"
#include "panel_widgets.h"
#include "session/window_model.h"
#include "setup_files.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QMenu>
#include <QWidget>
#include <utility>

WindowActions::WindowActions(QWidget& window, WindowModel& model, SetupFiles& files,
                             RecentSetups recent, RunCommand run)
    : window_(window), model_(model), files_(files), run_(std::move(run)), recent_(recent),
      menu_(new QMenu(&window)) {
    // The phone screen's back arrow, for the keyboard: the capture, and back to the settings.
    backArrow_ = addAction(QStringLiteral("截屏 / 显示设置（点 ←）"),
                           {QKeySequence(Qt::ALT | Qt::Key_Left)}, [this] {
                               run_(model_.form().element(ElementId::BackArrow).name,
                                    [this] { model_.actions().click(ElementId::BackArrow); });
                           });
    menu_->addSeparator();
    undo_ =
        addAction(QStringLiteral("撤销"), {QKeySequence(Qt::CTRL | Qt::Key_Z)}, [this] { undo(); });
    redo_ = addAction(
        QStringLiteral("重做"),
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)},
        [this] { redo(); });
    menu_->addSeparator();
    addAction(QStringLiteral("打开设置…"), {QKeySequence(Qt::CTRL | Qt::Key_O)},
              [this] { run_(QStringLiteral("打开设置"), [this] { files_.open(); }); });
    addAction(QStringLiteral("保存设置…"), {QKeySequence(Qt::CTRL | Qt::Key_S)},
              [this] { run_(QStringLiteral("保存设置"), [this] { files_.save(); }); });
    recentMenu_ = menu_->addMenu(QStringLiteral("最近的设置"));
    menu_->addSeparator();
    // As the exit button does: through the form, which ends the program.
    quit_ = addAction(QStringLiteral("退出"), {QKeySequence(Qt::CTRL | Qt::Key_Q)}, [this] {
        run_(QString::fromLatin1(model_.form().definition(ControlId::QuitButton).name),
             [this] { model_.actions().click(ControlId::QuitButton); });
    });

    // The keys stay live whatever the menu showed; they do nothing when there is nothing to do.
    QObject::connect(menu_, &QMenu::aboutToHide, &window_, [this] {
        undo_->setEnabled(true);
        redo_->setEnabled(true);
    });
    files_.used = [this](const QString& path) { recent_.add(path); };
}

QAction* WindowActions::addAction(const QString& text, const QList<QKeySequence>& keys,
                                  std::function<void()> run) {
    auto* action = new QAction(text, &window_);
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(action, &QAction::triggered, &window_, std::move(run));
    // Added to the window as well, so that its keys work while the menu is closed.
    window_.addAction(action);
    menu_->addAction(action);
    return action;
}

QString WindowActions::keysText() const {
    QStringList lines;
    for (const QAction* action : menu_->actions())
        if (!action->isSeparator() && !action->shortcut().isEmpty())
            lines.append(action->text() + u' ' +
                         action->shortcut().toString(QKeySequence::NativeText));
    return lines.join(u'\n');
}

QKeySequence WindowActions::quitKey() const {
    return quit_->shortcut();
}

QKeySequence WindowActions::backArrowKey() const {
    return backArrow_->shortcut();
}

void WindowActions::openSetup(const QString& path) {
    run_(QStringLiteral("打开设置"), [this, path] { files_.openFile(path); });
}

void WindowActions::fillRecentMenu() {
    recentMenu_->clear();
    for (const QString& path : recent_.files())
        QObject::connect(recentMenu_->addAction(plainMenuText(QFileInfo(path).fileName())),
                         &QAction::triggered, &window_, [this, path] { openSetup(path); });
    if (!recentMenu_->isEmpty())
        recentMenu_->addSeparator();
    const QString lastSession = recent_.lastSessionPath();
    QAction* last = recentMenu_->addAction(QStringLiteral("上次退出时的设置"));
    last->setEnabled(QFileInfo(lastSession).isFile());
    QObject::connect(last, &QAction::triggered, &window_,
                     [this, lastSession] { openSetup(lastSession); });
}

void WindowActions::showMenu(QPoint globalPosition) {
    undo_->setEnabled(model_.canUndo());
    redo_->setEnabled(model_.canRedo());
    fillRecentMenu();
    // Shown without a loop of its own: its commands run as the window's events, in their turn.
    menu_->popup(globalPosition);
}

void WindowActions::undo() {
    step(QStringLiteral("撤销"), &WindowModel::undo);
}

void WindowActions::redo() {
    step(QStringLiteral("重做"), &WindowModel::redo);
}

void WindowActions::step(const QString& name, void (WindowModel::*stepped)()) {
    run_(name, [this, stepped] {
        (model_.*stepped)();
        for (FieldEdit* field : window_.findChildren<FieldEdit*>()) {
            const int cursor = field->cursorPosition();
            field->showText(field->text());
            field->setCursorPosition(cursor);
        }
    });
}
