// SPDX-License-Identifier: MIT
#include "main_window.h"

#include "accessible_widgets.h"
#include "basic/colour.h"
#include "basic/conversions.h"
#include "basic/twips.h"
#include "desktop/shown_text.h"
#include "fading_notice.h"
#include "file_dialog_fit.h"
#include "form/form.h"
#include "panel_check_box.h"
#include "panel_style.h"
#include "panel_widgets.h"
#include "phone_screen_view.h"
#include "picture_drag.h"
#include "screen/assets.h"
#include "screen/fonts.h"
#include "screen/screen_painter.h"
#include "settings/accessible_names.h"
#include "settings/panel_table.h"
#include "window/capture.h"
#include "window/export.h"
#include "window/screen_description.h"
#include "window/window_modes.h"

#include <QApplication>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDialog>
#include <QFrame>
#include <QHelpEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QScopedValueRollback>
#include <QTimer>
#include <QToolTip>
#include <algorithm>
#include <limits>
#include <memory>

namespace {

const QString QuitDoing = QStringLiteral("退出");

void applyTextColour(QWidget* widget, const PanelControl& c) {
    if (!c.textColour)
        return;
    QPalette palette = widget->palette();
    const QColor colour = toQColor(*c.textColour);
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    palette.setColor(QPalette::ButtonText, colour);
    widget->setPalette(palette);
}

} // namespace

MainWindow::MainWindow(WindowModel& model, const ShellServices& services)
    : QWidget(nullptr, Qt::FramelessWindowHint), model_(model), form_(model.form()),
      actions_(model.actions()),
      events_([this](const QString& doing,
                     const std::function<void()>& event) { form_.dispatch(event, doing); },
              [this](std::function<void()> then) {
                  // What the event set off has ended, and so has every box it opened.
                  form_.whenIdle([this, then = std::move(then)] { messages_.whenNoneOpen(then); });
              },
              [this] { afterEvent(); }),
      setupFiles_(*this, model, services),
      windowActions_(*this, model, setupFiles_, RecentSetups(services.settings, services.locations),
                     [this](const QString& doing, std::function<void()> command) {
                         runEvent(doing, std::move(command));
                     }),
      session_(model, services, setupFiles_), noticed_(model.handedOver()),
      messages_(services.messages), locations_(services.locations) {
    setupFiles_.goOn = [this](Task<> task) { events_.goOnWith(std::move(task)); };
    setWindowIcon(programIcon());
    setFont(toQFont(defaultPanelFontSpec()));
    setAcceptDrops(true);
    framedBy(*this);
    // However the program ends without the user quitting: the session is kept.
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, this,
                     [this] { session_.keepWithoutAsking(); });
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, this,
                     [this] { session_.keepWithoutAsking(); });
    installAccessibleWidgets();
    fitFileDialogs(*qApp);
    // First among the children, so that a screen reader meets the picture before the panel.
    phoneScreen_ = new PhoneScreenView(
        *this, [this] { return phoneScreenDescription(form_); },
        [this] {
            runEvent(form_.element(ElementId::BackArrow).name,
                     [this] { actions_.click(ElementId::BackArrow); });
        },
        windowActions_.backArrowKey());
    buildPanel();
    syncFromForm();
}

void MainWindow::framedBy(QWidget& frame) {
    if (frame_ && frame_ != &frame)
        frame_->removeEventFilter(this);
    frame_ = &frame;
    frame.installEventFilter(this);
}

// Closing the window (its window manager's close, Alt+F4) quits as the exit button does, once
// whatever runs has ended.
bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Close || watched != frame_)
        return QWidget::eventFilter(watched, event);
    event->ignore();
    runEvent(QuitDoing, [this] { quit(); });
    return true;
}

// Every way to quit ends here, as an event of the window: the session is kept, or the user is
// asked what to do when it cannot be, and any failure is the form's to report.
void MainWindow::quit() {
    events_.goOnWith(quitSteps());
}

Task<> MainWindow::quitSteps() {
    if (co_await session_.keepBeforeQuit())
        endProgram(0);
}

// A signal arrives wherever the program is: often inside an event that waits for the user or runs
// a set-up. That event is brought to its end first, so that the session kept is what the event
// leaves and no question about it can keep the program alive.
void MainWindow::endBySignal(int signalNumber) {
    endingSignal_ = signalNumber;
    model_.endRuns();
    messages_.closeForGood();
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* dialog = qobject_cast<QDialog*>(window); dialog && dialog->isVisible())
            dialog->reject();
    if (!events_.running())
        endForSignal();
}

// Once: events that were waiting for the one that ran may still come to their end before the
// program does.
void MainWindow::endForSignal() {
    if (std::exchange(endedForSignal_, true))
        return;
    session_.keepWithoutAsking();
    endProgram(128 + *endingSignal_);
}

void MainWindow::greet() {
    QTimer::singleShot(0, this, [this] {
        runEvent(QStringLiteral("启动"), [this] { session_.tellLastFailure(); });
    });
}

// The fields lose the focus as the window goes: nothing of the window is left to tell by then.
MainWindow::~MainWindow() {
    for (FieldEdit* field : findChildren<FieldEdit*>())
        field->focusLost = nullptr;
}

QString MainWindow::controlName(ControlId id) const {
    return QString::fromLatin1(form_.definition(id).name);
}

void MainWindow::click(ControlId id) {
    runEvent(controlName(id), [this, id] { actions_.click(id); });
}

void MainWindow::runEvent(const QString& doing, std::function<void()> event) {
    events_.run(doing, std::move(event));
}

// The clipboard's text where the field's cursor is, once the clipboard's owner has answered.
Task<> MainWindow::pasteInto(ControlId id, QPointer<FieldEdit> field) {
    const QString pasted = co_await form_.clipboardTextFor(id, field->roomFor(Form::MaxFieldText));
    if (pasted.isEmpty() || !field)
        co_return;
    const QScopedValueRollback<std::optional<ControlId>> pasting(pastingInto_, id);
    field->pasteText(pasted);
}

// The field shows what the user typed at once, while the form takes it in its turn: until then
// the window does not show the form's older text over it. What the events before it did to the
// field stays: the typing is made again on the text they left.
void MainWindow::typeLater(ControlId field, const QString& before, const QString& after) {
    ++typingWaits_[std::size_t(field)];
    runEvent(controlName(field), [this, field, before, after] {
        --typingWaits_[std::size_t(field)];
        actions_.type(field, rebasedEdit(before, after, form_.text(field)));
    });
}

void MainWindow::timerTicked() {
    runEvent(QStringLiteral("Timer1"), [this] { actions_.timerTick(); });
}

// The quit an event asked for runs next, before what waited for that event: it was asked first.
void MainWindow::afterEvent() {
    syncFromForm();
    if (endingSignal_)
        endForSignal();
    else if (model_.takeQuitRequest())
        events_.runNext(QuitDoing, [this] { quit(); });
}

// What a control does and the key that does it too, for its tooltip: Return in a field of its row
// for the button that submits the row, the menu's key for the exit button.
QString MainWindow::hint(const PanelControl& control) const {
    if (!control.hint)
        return {};
    QString text = QString::fromUtf8(control.hint);
    for (const PanelControl& field : panelTable())
        if (field.returnPresses == control.id) {
            text += QStringLiteral("\n回车键：在这一行的文本框中按回车键");
            break;
        }
    if (control.id == ControlId::QuitButton)
        text +=
            QStringLiteral("\n键：") + windowActions_.quitKey().toString(QKeySequence::NativeText);
    return text;
}

// The phone screen and the panel's background have hints of their own: a control without one (a
// text field) shows none, and a caption that answers no click is part of the background.
bool MainWindow::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const QPoint at = help->pos();
    const QWidget* child = childAt(at);
    const auto* caption = dynamic_cast<const ClickLabel*>(child);
    const bool line = child && child->metaObject() == &QFrame::staticMetaObject;
    const bool background = !child || line || (caption && !caption->clicked);
    QString text;
    const QString backArrowKey = windowActions_.backArrowKey().toString(QKeySequence::NativeText);
    if (elementAt(at) == ElementId::BackArrow)
        text = QStringLiteral("←：只显示手机画面并截屏到剪贴板（选中“自动保存JPG”时还保存为 "
                              "JPG），再点一次显示设置\n键：") +
               backArrowKey;
    else if (onPhoneScreen(at))
        text = QStringLiteral("点 ← 截屏到剪贴板（选中“自动保存JPG”时还保存为 JPG）\n"
                              "拖动手机画面可以把截屏拖到别的程序或文件夹\n"
                              "键：") +
               backArrowKey + QStringLiteral(" 与点 ← 相同");
    else if (background)
        text = QStringLiteral("拖动空白处可以移动窗口\n右键点击打开菜单：\n") +
               windowActions_.keysText();
    if (text.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), plainToolTip(text), this);
    return true;
}

void MainWindow::buildPanel() {
    // Kept by the application, so that it outlives every widget that draws with it.
    auto* checkBoxStyle = new PanelStyle;
    checkBoxStyle->setParent(QCoreApplication::instance());
    std::vector<std::pair<int, QWidget*>> focusable;
    std::vector<QWidget*> panel;
    for (const PanelControl& c : panelTable()) {
        const ControlId id = c.id;
        const QString text = QString::fromUtf8(c.text);
        QWidget* widget = nullptr;
        switch (c.kind) {
        case ControlKind::Label: {
            auto* label = new ClickLabel(text, this);
            renewAccessibleInterface(*label);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            label->setFocusPolicy(Qt::NoFocus);
            if (form_.answers(id, EventKind::Click)) {
                label->setCursor(Qt::PointingHandCursor);
                label->clicked = [this, id] { click(id); };
            }
            widget = label;
            break;
        }
        case ControlKind::TextField: {
            auto* field = new FieldEdit(text, this);
            // One character more than the model holds: a longer paste comes through cut to that,
            // cheap to lay out, and the model refuses it with a message as it refuses any text
            // over its length, instead of the field cutting it without a word.
            field->setMaxLength(int(Form::MaxFieldText) + 1);
            field->setCursorPosition(0);
            // A screen reader sets the text whole, as a program does, and types nothing: the
            // change is the user's all the same. Neither typing, whose textEdited comes first, nor
            // the window's own showing of the form's text is such a change. A paste is the one
            // edit made while an event runs: the text it puts in is part of it.
            auto typed = std::make_shared<std::optional<QString>>();
            QObject::connect(field, &QLineEdit::textEdited,
                             [this, id, field, typed](const QString& text) {
                                 *typed = text;
                                 if (pastingInto_ == id)
                                     actions_.type(id, text);
                                 else
                                     typeLater(id, field->textBefore(), text);
                             });
            QObject::connect(field, &QLineEdit::textChanged,
                             [this, id, field, typed](const QString& text) {
                                 if (*typed == text) {
                                     typed->reset();
                                     return;
                                 }
                                 if (field->isModified() || text == form_.text(id))
                                     return;
                                 typeLater(id, field->textBefore(), text);
                             });
            field->pasteAsked = [this, id, field] {
                runEvent(controlName(id),
                         [this, id, field] { form_.goOnWith(pasteInto(id, field)); });
            };
            field->doubleClicked = [this, id] {
                runEvent(controlName(id), [this, id] { actions_.dblClick(id); });
            };
            // What the user typed is final when the field loses the focus. Nothing to show
            // afterwards, as the form has not changed, unless it waited for an event that did.
            field->focusLost = [this, id] {
                if (events_.running())
                    runEvent(controlName(id), [this] { model_.commitTyping(); });
                else
                    form_.dispatch([this] { model_.commitTyping(); }, controlName(id));
            };
            if (const std::optional<ControlId> button = c.returnPresses)
                QObject::connect(field, &QLineEdit::returnPressed,
                                 [this, button = *button] { click(button); });
            widget = field;
            break;
        }
        case ControlKind::Button: {
            auto* button = new PanelButton(text, this);
            button->setAutoDefault(false);
            QObject::connect(button, &QPushButton::clicked, [this, id] { click(id); });
            widget = button;
            break;
        }
        case ControlKind::CheckBox: {
            auto* box = new PanelCheckBox(text, this);
            box->setStyle(checkBoxStyle);
            QObject::connect(box, &QCheckBox::clicked, [this, id] { click(id); });
            box->tickedInForm = [this, id] { return form_.value(id) == 1; };
            box->setElsewhere = [this, id] { click(id); };
            widget = box;
            break;
        }
        case ControlKind::Line: {
            auto* line = new QFrame(this);
            line->setFrameShape(QFrame::HLine);
            line->setFrameShadow(QFrame::Plain);
            line->setGeometry(pixelEdge(c.rect.left), pixelEdge(c.rect.top),
                              pixelEdge(c.rect.width) - pixelEdge(c.rect.left) + 1, 1);
            widgets_[std::size_t(id)] = line;
            continue;
        }
        }
        widget->setFont(toQFont(panelFontSpec(c.font)));
        applyTextColour(widget, c);
        widget->setToolTip(plainToolTip(hint(c)));
        widget->setAccessibleName(::accessibleName(c));
        widget->setGeometry(pixelRect(c.rect));
        widgets_[std::size_t(id)] = widget;
        panel.push_back(widget);
        if (c.tabIndex >= 0 && c.kind != ControlKind::Label)
            focusable.emplace_back(c.tabIndex, widget);
    }
    std::sort(focusable.begin(), focusable.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < focusable.size(); ++i)
        QWidget::setTabOrder(focusable[i - 1].second, focusable[i].second);
    if (!focusable.empty())
        focusable.front().second->setFocus();
    panelFocus_.setPanel(std::move(panel));
}

// Shows only what the event changed: a widget whose state the form left as it was is not touched,
// and the phone screen is drawn again only when an element or the window's size changed.
void MainWindow::syncFromForm() {
    const QSize size(pixelEdge(form_.width()), pixelEdge(form_.height()));
    const bool resized = size != this->size();
    if (resized) {
        setFixedSize(size);
        phoneScreen_->setGeometry(0, 0, pixelEdge(NarrowWidth), size.height());
        panelFocus_.setPanelShown(size.width() > pixelEdge(NarrowWidth));
    }
    if (const QString title = plainTitle(form_.caption()); windowTitle() != title)
        setWindowTitle(title);
    for (const PanelControl& c : panelTable()) {
        const ControlId id = c.id;
        QWidget* widget = controlWidget(id);
        if (c.kind == ControlKind::Line)
            continue;
        if (auto* field = dynamic_cast<FieldEdit*>(widget)) {
            if (field->text() != form_.text(id) && typingWaits_[std::size_t(id)] == 0)
                field->showText(form_.text(id));
        } else if (auto* box = qobject_cast<QCheckBox*>(widget)) {
            // Ticked is Value 1, as every command reads a box; the commands set only 0 and 1.
            const bool ticked = form_.value(id) == 1;
            if (box->isChecked() != ticked)
                box->setChecked(ticked);
        }
        if (widget->isEnabled() != form_.enabled(id))
            widget->setEnabled(form_.enabled(id));
        if (widget->isHidden() == form_.visible(id))
            widget->setVisible(form_.visible(id));
    }
    if (resized || form_.elements() != paintedElements_) {
        paintedElements_ = form_.elements();
        update();
        phoneScreen_->shownChanged();
    }
    noticeHandedOver();
}

// Counted, not read from the caption: a second capture within the same second writes the same
// caption, and undo can bring back a caption of a capture that it does not make again.
void MainWindow::noticeHandedOver() {
    const WindowModel::HandedOver now = model_.handedOver();
    if (now == noticed_)
        return;
    // The export follows a capture: when an event did both, its last word is the file.
    if (now.saves != noticed_.saves)
        FadingNotice::showOver(*this, QStringLiteral("已保存"));
    else if (form_.captureOffClipboard().isNull())
        FadingNotice::showOver(*this, QStringLiteral("已复制到剪贴板"));
    else
        FadingNotice::showOver(*this, QStringLiteral("截屏未能放到剪贴板\n请先点一下窗口再截屏"));
    noticed_ = now;
}

void MainWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintWindow(painter, form_);
}

std::optional<ElementId> MainWindow::elementAt(QPoint pixel) const {
    const auto& elements = form_.elements();
    for (auto it = elements.rbegin(); it != elements.rend(); ++it)
        if (it->visible && pixelRect(it->rect).contains(pixel))
            return it->id;
    return std::nullopt;
}

bool MainWindow::onPhoneScreen(QPoint pixel) const {
    return pixel.x() < pixelEdge(NarrowWidth);
}

// A press on the phone screen clicks what it lands on, or drags the picture out once the mouse
// moves on (except from the back arrow, which only clicks); a press anywhere else that reaches the
// window is on the panel's background, and moves the window once the mouse moves on.
void MainWindow::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    pressedElement_ = event->button() == Qt::LeftButton ? elementAt(at) : std::nullopt;
    screenPressedAt_.reset();
    if (event->button() != Qt::LeftButton)
        return;
    if (!onPhoneScreen(at))
        mover_.press(*this, event);
    else if (pressedElement_ != ElementId::BackArrow)
        screenPressedAt_ = at;
}

void MainWindow::mouseMoveEvent(QMouseEvent* event) {
    if (mover_.move(event))
        return;
    if (!screenPressedAt_ || !(event->buttons() & Qt::LeftButton) ||
        (event->position().toPoint() - *screenPressedAt_).manhattanLength() <
            QApplication::startDragDistance())
        return;
    screenPressedAt_.reset();
    pressedElement_.reset();
    runEvent(QStringLiteral("拖出图片"), [this] { PictureDrag::start(*this, form_, locations_); });
}

void MainWindow::mouseReleaseEvent(QMouseEvent* event) {
    mover_.release();
    screenPressedAt_.reset();
    const std::optional<ElementId> pressed = std::exchange(pressedElement_, std::nullopt);
    if (pressed && event->button() == Qt::LeftButton &&
        elementAt(event->position().toPoint()) == pressed)
        runEvent(form_.element(*pressed).name,
                 [this, element = *pressed] { actions_.click(element); });
}

// QWidget passes the second press of a double click on to mousePressEvent; its release must not
// count as a click. No element of the phone screen answers a double click.
void MainWindow::mouseDoubleClickEvent(QMouseEvent*) {
    pressedElement_.reset();
    screenPressedAt_.reset();
}

void MainWindow::contextMenuEvent(QContextMenuEvent* event) {
    windowActions_.showMenu(event->globalPos());
}

// A set-up starts the window afresh: a drop that arrives in the middle of a command is taken, and
// the set-up opened once the command has ended.
void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (SetupFiles::setupIn(event->mimeData()))
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    if (const std::optional<QString> path = SetupFiles::setupIn(event->mimeData())) {
        event->acceptProposedAction();
        runEvent(QStringLiteral("打开设置"), [this, path = *path] { setupFiles_.openFile(path); });
    }
}
