// SPDX-License-Identifier: MIT
#include "app/fading_notice.h"
#include "app/main_window.h"
#include "app/panel_style.h"
#include "app/panel_widgets.h"
#include "app/phone_screen_view.h"
#include "app/picture_drag.h"
#include "app/qt_translation.h"
#include "app/recent_setups.h"
#include "app/session_keeper.h"
#include "app/window_frame.h"
#include "basic/conversions.h"
#include "basic/twips.h"
#include "desktop/clipboard_reading.h"
#include "desktop/message_boxes.h"
#include "desktop/qt_file_dialogs.h"
#include "desktop/qt_timer.h"
#include "desktop/shown_text.h"
#include "platform/settings_file.h"
#include "platform/stored_settings.h"
#include "platform/system_locations.h"
#include "screen/fonts.h"
#include "settings/accessible_names.h"
#include "settings/panel_table.h"
#include "support/clipboard_reads.h"
#include "support/files.h"
#include "support/finished.h"
#include "support/messages.h"
#include "support/recorded_form.h"
#include "window/screen_description.h"

#include <QAbstractButton>
#include <QAbstractFileIconProvider>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QProgressDialog>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QScrollBar>
#include <QStandardPaths>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QTimer>
#include <QToolTip>
#include <QTranslator>
#include <QTreeView>
#include <QUrl>
#include <csignal>
#include <functional>
#include <memory>
#include <stdexcept>
#include <sys/stat.h>

Q_DECLARE_METATYPE(ControlId)

namespace {

// What the shell keeps and opens as the program does, in the folders and settings file of the
// tests' own.
struct ShellPlatform {
    StoredSettings settings;
    SystemLocations locations;
    QtFileDialogs fileDialogs;
};

// The whole program on the fake platform, its window shown on the offscreen platform; its
// settings, folders and file dialogs the system's.
struct Shell : RecordedForm {
    ShellPlatform system;
    MainWindow* window = nullptr;

    ShellServices services() {
        return {platform.clock, system.settings, system.locations, system.fileDialogs,
                platform.messages};
    }

    Shell() {
        window = new MainWindow(model, services());
        system.fileDialogs.setWindow(window);
        window->show();
        QApplication::setActiveWindow(window);
        // Focus and key tests below fail on their own if the window never becomes active.
        [[maybe_unused]] const bool active = QTest::qWaitForWindowActive(window);
    }
    ~Shell() { delete window; }

    QWidget* widget(ControlId id) const { return window->controlWidget(id); }
};

// The program with the real message boxes over its window, for what happens while one is open.
struct ShellWithBoxes {
    FakeServices fakes;
    MessageBoxes boxes;
    ShellPlatform system;
    WindowModel model{fakes.services(), boxes};
    MainWindow window{model,
                      {fakes.clock, system.settings, system.locations, system.fileDialogs, boxes}};

    ShellWithBoxes() {
        boxes.setWindow(&window, [this] { window.syncFromForm(); });
        system.fileDialogs.setWindow(&window);
        window.show();
    }
};

// A double click as Qt delivers it to a widget: press, release, press, double click, release.
void doubleClick(QWidget* widget, QPoint at) {
    const QPointF local(at);
    const QPointF global = widget->mapToGlobal(local);
    const auto send = [&](QEvent::Type type, Qt::MouseButtons buttons) {
        QMouseEvent event(type, local, global, Qt::LeftButton, buttons, Qt::NoModifier);
        QApplication::sendEvent(widget, &event);
    };
    send(QEvent::MouseButtonPress, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, Qt::NoButton);
    send(QEvent::MouseButtonPress, Qt::LeftButton);
    send(QEvent::MouseButtonDblClick, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, Qt::NoButton);
}

QString focusName(const Shell& shell) {
    QWidget* focus = QApplication::focusWidget();
    for (const PanelControl& c : panelTable())
        if (shell.window->controlWidget(c.id) == focus)
            return QString::fromLatin1(c.name);
    return QStringLiteral("(none)");
}

// A message in its box, which a test closes, waited for until it has been.
void shownUntilClosed(Messages& messages, const QString& text) {
    answerOf<bool>([&](auto then) { messages.show(text, [then] { then(true); }); });
}

QAccessibleInterface* accessible(QObject* object) {
    return QAccessible::queryAccessibleInterface(object);
}

} // namespace

class TestShell : public QObject {
    Q_OBJECT

    QTemporaryDir runtime_;

private slots:
    void initTestCase() {
        installFontSubstitutions();
        // Recent set-ups, the last session and dragged pictures go to folders of the tests' own.
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(runtime_.isValid());
        QFile::setPermissions(runtime_.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime_.path()));
    }

    // Qt's own texts in the window are Chinese whatever the locale, once the program has loaded
    // Qt's translation as it does at start: the message box's button and a field's context menu.
    // Before, they are Qt's English, so that the test tells the two apart.
    void qtTextsAreChinese() {
        MessageBoxes messages;
        const auto messageBoxButtons = [&messages] {
            QStringList texts;
            QTimer::singleShot(0, [&texts] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                if (!box)
                    return;
                for (const QAbstractButton* button : box->buttons())
                    texts.append(button->text());
                box->accept();
            });
            shownUntilClosed(messages, QStringLiteral("类型不匹配"));
            return texts;
        };
        const auto menuTexts = [] {
            QLineEdit field;
            const std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
            QStringList texts;
            for (const QAction* action : menu->actions())
                texts.append(action->text());
            return texts.join(u' ');
        };
        // The file dialog's 类型 column.
        const auto folderKind = [] {
            return QAbstractFileIconProvider().type(QFileInfo(QDir::tempPath()));
        };
        QCOMPARE(messageBoxButtons(), QStringList{QStringLiteral("OK")});
        QVERIFY(menuTexts().contains(QStringLiteral("Select All")));
        QCOMPARE(folderKind(), QStringLiteral("Folder"));

        QVERIFY(loadChineseQtTexts(*qApp));
        QCOMPARE(messageBoxButtons(), QStringList{QStringLiteral("确定")});
        QVERIFY2(menuTexts().contains(QStringLiteral("全选")), qPrintable(menuTexts()));
        QCOMPARE(folderKind(), QStringLiteral("文件夹"));

        for (QTranslator* translator : qApp->findChildren<QTranslator*>()) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
    }

    // The file dialogs the window opens show the kind and the date of a file whole, and the places
    // beside the files more than a few letters of.
    void fileDialogsShowTheirColumnsWhole() {
        Shell s;
        QFileDialog dialog(s.window, QStringLiteral("打开设置"), QDir::tempPath());
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.show();
        auto* files = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
        QVERIFY(files);
        const QFontMetrics metrics(files->font());
        const QString date = QLocale::system().toString(
            QDateTime(QDate(2026, 12, 31), QTime(23, 59, 59)), QLocale::ShortFormat);
        QVERIFY(files->header()->sectionSize(3) > metrics.horizontalAdvance(date));
        QVERIFY(files->header()->sectionSize(2) >
                metrics.horizontalAdvance(QStringLiteral("文件夹")));
        const auto* places = dialog.findChild<QWidget*>(QStringLiteral("sidebar"));
        QVERIFY(places && places->width() >= 120);
        // The whole list fits the dialog: no column lies beyond its right edge.
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QVERIFY(files->header()->length() <= files->viewport()->width());
        QVERIFY(files->header()->sectionSize(0) >= 200);
    }

    // Ctrl+S and Ctrl+O open Qt's own dialog over the window, titled for what it does, with the
    // set-ups' filter, fitted as the window's dialogs are: the save dialog suggests a set-up named
    // after the number.
    void setupDialogsAreTheWindows_data() {
        QTest::addColumn<bool>("saving");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("fileName");
        QTest::newRow("save") << true << QStringLiteral("保存设置")
                              << QStringLiteral("13800138000.vks");
        QTest::newRow("open") << false << QStringLiteral("打开设置") << QString();
    }

    void setupDialogsAreTheWindows() {
        QFETCH(bool, saving);
        QFETCH(QString, title);
        QFETCH(QString, fileName);
        Shell s;
        QStringList seen;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            const QStringList selected = dialog->selectedFiles();
            seen = {dialog->windowTitle(),
                    QString::number(dialog->testOption(QFileDialog::DontUseNativeDialog)),
                    QString::number(dialog->parentWidget() == s.window),
                    dialog->nameFilters().join(u'|'),
                    QString::number(dialog->property("vokareloFitted").toBool()),
                    selected.isEmpty() ? QString() : QFileInfo(selected.first()).fileName()};
            dialog->reject();
        });
        if (saving)
            QVERIFY(!finished(s.window->setupFiles().saveSteps()));
        else
            s.window->setupFiles().open();
        // The dialog is no wait of the window's: it is open, and the window goes on, until closed.
        QTRY_VERIFY(!seen.isEmpty());
        const QStringList expected{title,
                                   QStringLiteral("1"),
                                   QStringLiteral("1"),
                                   QStringLiteral("Vokarelo 设置 (*.vks)|所有文件 (*)"),
                                   QStringLiteral("1"),
                                   fileName};
        QCOMPARE(seen, expected);
    }

    // Whatever an event of the user's throws ends at the window's boundary, as a message that says
    // what was being done; the window goes on showing the form.
    void unexpectedFailureEndsAtTheWindow() {
        Shell s;
        s.window->runEvent(QStringLiteral("Command6"), [&] {
            s.form.setText(ControlId::BatteryField, QStringLiteral("7"));
            throw std::runtime_error("boom");
        });
        QCOMPARE(s.platform.messages.shown.size(), 1);
        QCOMPARE(s.platform.messages.shown[0],
                 QStringLiteral("内部错误：Command6没有做完（boom）"));
        QCOMPARE(qobject_cast<QLineEdit*>(s.widget(ControlId::BatteryField))->text(),
                 QStringLiteral("7"));
    }

    // The export's pause is no wait of the window's: it returns at once, the event loop goes on
    // with what falls due meanwhile (a repaint, a timer), and the pause ends from it, once.
    void pauseLetsTheWindowWork() {
        QtTimer timer;
        QStringList happened;
        timer.after(20, [&] { happened.append(QStringLiteral("pause ended")); });
        QTimer::singleShot(0, [&] { happened.append(QStringLiteral("timer")); });
        QVERIFY(happened.isEmpty());
        QTRY_COMPARE(happened,
                     QStringList({QStringLiteral("timer"), QStringLiteral("pause ended")}));
        QTest::qWait(50);
        QCOMPARE(happened.size(), 2);
    }

    void windowIsBorderlessAtItsClientSize() {
        Shell s;
        QCOMPARE(s.window->size(), QSize(889, 854));
        QVERIFY(s.window->windowFlags().testFlag(Qt::FramelessWindowHint));
        QCOMPARE(s.window->windowTitle(), QStringLiteral("Vokarelo"));
        QVERIFY(!s.window->windowIcon().isNull());
    }

    void everyControlStandsWhereTheTableSays() {
        Shell s;
        for (const PanelControl& c : panelTable()) {
            if (c.kind == ControlKind::Line)
                continue;
            const QRect expected(QPoint(pixelEdge(c.rect.left), pixelEdge(c.rect.top)),
                                 QPoint(pixelEdge(c.rect.left + c.rect.width) - 1,
                                        pixelEdge(c.rect.top + c.rect.height) - 1));
            QVERIFY2(s.widget(c.id)->geometry() == expected, c.name);
        }
        QCOMPARE(s.widget(ControlId::Row1DateTimeSubmitButton)->height(), 49);
        QCOMPARE(s.widget(ControlId::BatteryField)->height(), 18);
        QCOMPARE(s.widget(ControlId::BatteryDownButton)->height(), 17);
    }

    void startStateOfTheControls() {
        Shell s;
        QVERIFY(!s.widget(ControlId::SavePictureLabel)->isVisible());
        QVERIFY(!s.widget(ControlId::Row2MissedBox)->isEnabled());
        QVERIFY(!s.widget(ControlId::Row3MissedBox)->isEnabled());
        QVERIFY(static_cast<QCheckBox*>(s.widget(ControlId::AutoSaveBox))->isChecked());
        QCOMPARE(static_cast<QLineEdit*>(s.widget(ControlId::NumberField))->text(),
                 QStringLiteral("13800138000"));
        QCOMPARE(s.widget(ControlId::NumberField)->palette().color(QPalette::Text),
                 QColor(Qt::red));
        QCOMPARE(s.widget(ControlId::LengthenLabel)->palette().color(QPalette::WindowText),
                 QColor(Qt::blue));
        // One line of the window's default font fits a button and a field.
        QVERIFY(s.window->fontMetrics().height() <= 18);
    }

    // Tab and Shift+Tab go through the panel's controls in the order of their tab indices and
    // wrap around, the frame around the window taking no stop of its own.
    void tabOrderFollowsTabIndex() {
        Shell s;
        WindowFrame frame(*s.window);
        frame.show();
        QApplication::setActiveWindow(&frame);
        QVERIFY(QTest::qWaitForWindowActive(&frame));
        s.widget(ControlId::BatteryField)->setFocus();
        const QStringList expected = {
            "Text1",     "Command1",  "Command2",  "Text2",     "Command3",  "Command4",
            "Text3",     "Command5",  "Command6",  "Text4",     "Command7",  "Command8",
            "Text5",     "Command9",  "Command10", "Text6",     "Text7",     "Command11",
            "Command12", "Text8",     "Text9",     "Command13", "Text10",    "Text11",
            "Check1",    "Text12",    "Command14", "Command15", "Text14",    "Command16",
            "Command17", "Text15",    "Check2",    "Text16",    "Command18", "Command19",
            "Text18",    "Command20", "Command21", "Text19",    "Text13",    "Text17",
            "Command22", "Command23", "Command25", "Text20",    "Check3",    "Command27",
            "Text21",    "Command29", "Text22",    "Check6",    "Text1"};
        QCOMPARE(focusName(s), expected.front());
        for (qsizetype i = 1; i < expected.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(focusName(s), expected[i]);
        }
        for (qsizetype i = expected.size() - 2; i >= 0; --i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
            QCOMPARE(focusName(s), expected[i]);
        }
    }

    // A screen reader meets each control of the panel by its own name and in its role, a caption
    // that answers clicks as a button it can press; the phone screen, first in the window, is an
    // image that says what it shows.
    void controlsSpeakToAssistiveTechnology() {
        Shell s;
        for (const PanelControl& c : panelTable()) {
            if (c.kind == ControlKind::Line)
                continue;
            QAccessibleInterface* control = accessible(s.widget(c.id));
            QVERIFY2(control, c.name);
            QCOMPARE(control->text(QAccessible::Name), accessibleName(c));
            const bool clickable =
                c.kind == ControlKind::Label && s.form.answers(c.id, EventKind::Click);
            QAccessible::Role role = QAccessible::StaticText;
            if (c.kind == ControlKind::Button || clickable)
                role = QAccessible::Button;
            else if (c.kind == ControlKind::CheckBox)
                role = QAccessible::CheckBox;
            else if (c.kind == ControlKind::TextField)
                role = QAccessible::EditableText;
            QVERIFY2(control->role() == role, c.name);
            if (c.kind == ControlKind::Label)
                QCOMPARE(control->actionInterface()->actionNames(),
                         clickable && c.visible
                             ? QStringList{QAccessibleActionInterface::pressAction()}
                             : QStringList{});
        }
        QAccessibleInterface* phone = accessible(&s.window->phoneScreen());
        QCOMPARE(accessible(s.window)->child(0), phone);
        QCOMPARE(phone->role(), QAccessible::Graphic);
        QCOMPARE(phone->text(QAccessible::Name), QStringLiteral("手机截屏画面"));
        QCOMPARE(phone->text(QAccessible::Description), phoneScreenDescription(s.form));
        QCOMPARE(phone->rect().size(), QSize(524, 854));
        QCOMPARE(phone->actionInterface()->keyBindingsForAction(
                     QAccessibleActionInterface::pressAction()),
                 QStringList{QStringLiteral("Alt+Left")});
        // It takes no input: the clicks and drags are the window's under it.
        QCOMPARE(s.window->childAt(QPoint(40, 70)), nullptr);
        QCOMPARE(s.window->phoneScreen().focusPolicy(), Qt::NoFocus);
    }

    // The whole job without the mouse's eyes: a field's text set whole, its button pressed, a box
    // toggled, a blue caption pressed, the phone screen pressed as its back arrow; the picture's
    // description follows, and a notice is an alert.
    void jobDoneThroughAssistiveTechnology() {
        Shell s;
        const auto press = [&](QWidget* widget, const QString& action) {
            accessible(widget)->actionInterface()->doAction(action);
        };
        QAccessibleInterface* number = accessible(s.widget(ControlId::NumberField));
        number->editableTextInterface()->replaceText(0, number->textInterface()->characterCount(),
                                                     QStringLiteral("13912345678"));
        QCOMPARE(s.form.text(ControlId::NumberField), QStringLiteral("13912345678"));
        press(s.widget(ControlId::NumberSubmitButton), QAccessibleActionInterface::pressAction());
        QTRY_COMPARE(s.form.element(ElementId::NumberLarge).caption,
                     QStringLiteral("139 1234 5678"));
        QAccessibleInterface* phone = accessible(&s.window->phoneScreen());
        QVERIFY(
            phone->text(QAccessible::Description).contains(QStringLiteral("号码 139 1234 5678")));

        // A text set whole after the user typed the same and a command replaced it is set again.
        auto* clock = static_cast<QLineEdit*>(s.widget(ControlId::ClockField));
        clock->selectAll();
        QTest::keyClicks(clock, "8:30");
        QTest::mouseClick(s.widget(ControlId::ClockNowButton), Qt::LeftButton);
        QVERIFY(s.form.text(ControlId::ClockField) != QStringLiteral("8:30"));
        QAccessibleInterface* clockText = accessible(clock);
        clockText->editableTextInterface()->replaceText(
            0, clockText->textInterface()->characterCount(), QStringLiteral("8:30"));
        QCOMPARE(s.form.text(ControlId::ClockField), QStringLiteral("8:30"));

        press(s.widget(ControlId::Row3EnableBox), QAccessibleActionInterface::toggleAction());
        QTRY_COMPARE(s.form.value(ControlId::Row3EnableBox), 1);
        QVERIFY(phone->text(QAccessible::Description).contains(QStringLiteral("通话记录3：")));
        press(s.widget(ControlId::LengthenLabel), QAccessibleActionInterface::pressAction());
        QVERIFY(s.form.element(ElementId::BottomBand).visible);

        phone->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(s.form.width(), 7860.0f);
        const QList<FadingNotice*> notices = FadingNotice::shownOver(*s.window);
        QVERIFY(!notices.isEmpty());
        QCOMPARE(accessible(notices.last())->role(), QAccessible::AlertMessage);
        QCOMPARE(accessible(notices.last())->text(QAccessible::Name),
                 QStringLiteral("已复制到剪贴板"));
        // The set-up holds the text once, as if typed: the window's own showing of it after the
        // submit is no typing.
        QCOMPARE(s.recorder().lines().mid(0, 2),
                 (QStringList{QStringLiteral("Text3 = 13912345678"), QStringLiteral("Command6")}));
    }

    // In the narrow window the clipped panel takes neither the focus nor the keys; back in the
    // wide window the control that had the focus has it again.
    void narrowWindowKeepsKeysFromThePanel() {
        Shell s;
        QWidget* number = s.widget(ControlId::NumberField);
        number->setFocus();
        QVERIFY(number->hasFocus());
        QWindow* window = s.window->windowHandle();
        QTest::keyClick(window, Qt::Key_Left, Qt::AltModifier);
        QCOMPARE(s.form.width(), 7860.0f);
        QTest::keyClick(window, Qt::Key_9);
        QTest::keyClick(window, Qt::Key_Tab);
        QTest::keyClick(window, Qt::Key_9);
        QTest::keyClick(window, Qt::Key_Space);
        QCOMPARE(focusName(s), QStringLiteral("(none)"));
        QCOMPARE(s.form.text(ControlId::NumberField), QStringLiteral("13800138000"));
        QCOMPARE(s.form.value(ControlId::AutoSaveBox), 1);
        for (const PanelControl& c : panelTable())
            QVERIFY2(s.widget(c.id)->focusPolicy() == Qt::NoFocus, c.name);

        QTest::keyClick(window, Qt::Key_Left, Qt::AltModifier);
        QCOMPARE(s.form.width(), 13335.0f);
        QCOMPARE(QApplication::focusWidget(), number);
        QCOMPARE(number->focusPolicy(), Qt::StrongFocus);
        QTest::keyClick(window, Qt::Key_End);
        QTest::keyClick(window, Qt::Key_9);
        QCOMPARE(s.form.text(ControlId::NumberField), QStringLiteral("138001380009"));
    }

    void typingReachesTheModel() {
        Shell s;
        auto* field = static_cast<QLineEdit*>(s.widget(ControlId::ClockField));
        field->selectAll();
        QTest::keyClicks(field, "8:30");
        QCOMPARE(s.form.text(ControlId::ClockField), QStringLiteral("8:30"));
    }

    void checkBoxClickGoesThroughTheModel() {
        Shell s;
        auto* box = static_cast<QCheckBox*>(s.widget(ControlId::AutoSaveBox));
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, box->height() / 2));
        QCOMPARE(s.form.value(ControlId::AutoSaveBox), 0);
        QVERIFY(!box->isChecked());
        // The box shows ticked exactly when the commands read it as ticked (Value 1); a Value that
        // no command sets, as 2, shows as not ticked, which is how the export reads it.
        s.form.setValue(ControlId::AutoSaveBox, 2);
        s.window->syncFromForm();
        QCOMPARE(box->checkState(), Qt::Unchecked);
        s.form.setValue(ControlId::AutoSaveBox, 1);
        s.window->syncFromForm();
        QCOMPARE(box->checkState(), Qt::Checked);
    }

    void modelChangesShowInTheWidgets() {
        Shell s;
        s.form.setText(ControlId::LocationField, "北京 联通");
        s.form.setEnabled(ControlId::Row2MissedBox, true);
        s.form.setVisible(ControlId::SavePictureLabel, true);
        s.form.setWidth(7860.0);
        s.window->syncFromForm();
        QCOMPARE(static_cast<QLineEdit*>(s.widget(ControlId::LocationField))->text(),
                 QStringLiteral("北京 联通"));
        QVERIFY(s.widget(ControlId::Row2MissedBox)->isEnabled());
        QVERIFY(!s.widget(ControlId::SavePictureLabel)->isHidden());
        QCOMPARE(s.window->width(), 524);
    }

    void labelsTakeSingleClicksOnly() {
        Shell s;
        // A quick double click on "慢双击加长窗口高度" is one click: the band shows, and the
        // height only reaches the band's bottom with a second, separate click.
        doubleClick(s.widget(ControlId::LengthenLabel),
                    s.widget(ControlId::LengthenLabel)->rect().center());
        QCOMPARE(s.form.height(), 12825.0f);
        QVERIFY(s.form.element(ElementId::BottomBand).visible);
        QTest::mouseClick(s.widget(ControlId::LengthenLabel), Qt::LeftButton);
        QCOMPARE(s.form.height(), 15225.0f);
        QCOMPARE(s.window->height(), 1015);
    }

    // From the keyboard, Alt+Left does what a click on the arrow does, wherever the focus is.
    void backArrowFromTheKeyboard() {
        Shell s;
        s.widget(ControlId::NumberField)->setFocus();
        QTest::keyClick(s.widget(ControlId::NumberField), Qt::Key_Left, Qt::AltModifier);
        QCOMPARE(s.form.width(), 7860.0f);
        QCOMPARE(s.platform.clipboard.pictureValue.size(), QSize(524, 854));
        QCOMPARE(s.recorder().lines().last(), QStringLiteral("Image2"));
        QTest::keyClick(s.window, Qt::Key_Left, Qt::AltModifier);
        QCOMPARE(s.form.width(), 13335.0f);
    }

    void backArrowIsAHotspotOnThePicture() {
        Shell s;
        QTest::mouseClick(s.window, Qt::LeftButton, {}, QPoint(40, 70));
        QCOMPARE(s.form.width(), 7860.0f);
        QCOMPARE(s.window->width(), 524);
        QCOMPARE(s.platform.clipboard.pictureValue.size(), QSize(524, 854));
        // Outside the hotspot the picture takes no click.
        QTest::mouseClick(s.window, Qt::LeftButton, {}, QPoint(200, 400));
        QCOMPARE(s.form.width(), 7860.0f);
        // A double click on the arrow widens the window once and does not narrow it again.
        doubleClick(s.window, QPoint(40, 70));
        QCOMPARE(s.form.width(), 13335.0f);
    }

    void fieldDoubleClickAndButtons() {
        Shell s;
        auto* number = static_cast<QLineEdit*>(s.widget(ControlId::NumberField));
        QTest::mouseDClick(number, Qt::LeftButton);
        QCOMPARE(s.form.text(ControlId::NumberField), QString());
        QCOMPARE(number->text(), QString());
        QTest::keyClicks(number, "13912345678");
        QTest::mouseClick(s.widget(ControlId::NumberSubmitButton), Qt::LeftButton);
        QCOMPARE(s.form.element(ElementId::NumberLarge).caption, QStringLiteral("139 1234 5678"));
        // The keyboard presses a focused button as a click does, with Space, Return or Enter.
        s.widget(ControlId::ClockSubmitButton)->setFocus();
        for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}) {
            const QString clock = QStringLiteral("8:0%1").arg(int(key) % 10);
            s.form.setText(ControlId::ClockField, clock);
            QTest::keyClick(s.widget(ControlId::ClockSubmitButton), key);
            QCOMPARE(s.form.element(ElementId::ClockText).caption, clock);
        }
        // Return in a field submits the field's row, as its 提交 does.
        auto* battery = static_cast<QLineEdit*>(s.widget(ControlId::BatteryField));
        battery->setFocus();
        battery->selectAll();
        QTest::keyClicks(battery, "50");
        QTest::keyClick(battery, Qt::Key_Return);
        QCOMPARE(s.form.element(ElementId::BatteryText).caption, QStringLiteral("50%"));
    }

    // Every check box shows its square whole, the 12-pixel unanswered boxes too.
    void checkBoxSquaresFit() {
        Shell s;
        for (const PanelControl& c : panelTable()) {
            if (c.kind != ControlKind::CheckBox)
                continue;
            auto* box = static_cast<QCheckBox*>(s.widget(c.id));
            QStyleOptionButton option;
            option.initFrom(box);
            const QRect square =
                box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box);
            QVERIFY2(box->rect().contains(square), c.name);
            QVERIFY2(square.height() >= 10, c.name);
        }
    }

    void checkBoxCaptionsWhole_data() {
        QTest::addColumn<qreal>("ratio");
        QTest::newRow("ordinary screen") << 1.0;
        QTest::newRow("2x") << 2.0;
        QTest::newRow("laptop at 1.5") << 1.5;
    }
    // Every check box's caption draws its whole ink inside the box, the parentheses' tails of
    // the 12-pixel unanswered boxes too: what the box draws is the caption drawn whole on a taller
    // canvas, and none of that ink lies beyond the box.
    void checkBoxCaptionsWhole() {
        QFETCH(qreal, ratio);
        Shell s;
        for (const PanelControl& c : panelTable()) {
            if (c.kind != ControlKind::CheckBox)
                continue;
            auto* box = static_cast<QCheckBox*>(s.widget(c.id));
            QStyleOptionButton option;
            option.initFrom(box);
            option.text = box->text();
            option.rect = box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box);
            const int mnemonic = box->style()->styleHint(QStyle::SH_UnderlineShortcut, &option, box)
                                     ? Qt::TextShowMnemonic
                                     : Qt::TextHideMnemonic;
            const QPoint margin(20, 20);
            const auto canvas = [&](const std::function<void(QPainter&)>& draw) {
                QImage image((box->size() + QSize(40, 40)) * ratio, QImage::Format_ARGB32);
                image.setDevicePixelRatio(ratio);
                image.fill(Qt::transparent);
                QPainter painter(&image);
                painter.setFont(box->font());
                painter.translate(margin);
                draw(painter);
                return image;
            };
            const QImage drawn = canvas([&](QPainter& p) {
                box->style()->drawControl(QStyle::CE_CheckBoxLabel, &option, &p, box);
            });
            const FittedCaption fitted =
                fitCaption(option.text, box->font(), mnemonic, option.rect.height(), ratio);
            const QImage whole = canvas([&](QPainter& p) {
                p.setFont(fitted.font);
                p.setPen(option.palette.color(QPalette::WindowText));
                p.drawText(QRectF(option.rect.left(), option.rect.top() + fitted.lineTop,
                                  option.rect.width(), 100),
                           mnemonic | Qt::TextDontClip | Qt::AlignLeft | Qt::AlignTop, option.text);
            });
            QVERIFY2(drawn == whole, c.name);
            QRect ink;
            for (int y = 0; y < whole.height(); ++y)
                for (int x = 0; x < whole.width(); ++x)
                    if (qAlpha(whole.pixel(x, y)) != 0)
                        ink |= QRect(x, y, 1, 1);
            const QRect inside =
                QRectF(QPointF(margin) * ratio, QSizeF(box->size()) * ratio).toAlignedRect();
            QVERIFY2(!ink.isEmpty(), c.name);
            QVERIFY2(inside.contains(ink), qPrintable(QStringLiteral("%1: ink %2..%3 in %4..%5")
                                                          .arg(c.name)
                                                          .arg(ink.top())
                                                          .arg(ink.bottom())
                                                          .arg(inside.top())
                                                          .arg(inside.bottom())));
        }
    }

    // A field takes a paste as long as it holds, and refuses a longer one with a message that
    // names it and what it holds, keeping what it had.
    void longPasteIsRefused() {
        Shell s;
        auto* location = static_cast<QLineEdit*>(s.widget(ControlId::LocationField));
        const QString original = location->text();
        const QString longest = QString(Form::MaxFieldText, u'长');
        QApplication::clipboard()->setText(longest);
        location->setFocus();
        location->selectAll();
        location->paste();
        QCOMPARE(s.form.text(ControlId::LocationField), longest);
        QTest::mouseClick(s.widget(ControlId::LocationSubmitButton), Qt::LeftButton);
        QCOMPARE(s.form.element(ElementId::Location).caption, longest);

        location->setText(original);
        s.model.commitTyping();
        QApplication::clipboard()->setText(longest + u'长');
        location->selectAll();
        location->paste();
        QCOMPARE(s.platform.messages.shown.size(), 1);
        QVERIFY(namesErrorAndField(s.platform.messages.shown[0], ErrorKind::TextTooLong,
                                   QStringLiteral("手机营运商")));
        QCOMPARE(location->text(), s.form.text(ControlId::LocationField));
        QVERIFY(location->text().size() <= Form::MaxFieldText);
    }

    // What another program offers on the clipboard, read as the export and the paste buttons read
    // it: a picture in any image type Qt reads, PNG first; a picture beyond Qt's allocation limit
    // is too large, not missing; text in UTF-8.
    void foreignClipboard() {
        QImage red(3, 2, QImage::Format_RGB32);
        red.fill(Qt::red);
        // Qt reads a 12000 × 12000 picture into 8 bits a pixel at the least: 137 MiB, over its
        // 128 MiB limit. As a one-bit PNG it is small enough to hold here.
        QImage huge(12000, 12000, QImage::Format_Mono);
        huge.fill(0);

        QMimeData png;
        png.setData(QStringLiteral("image/bmp"), encoded(red, "bmp"));
        png.setData(QStringLiteral("image/png"), encoded(red, "png"));
        const ClipboardPicture fromPng = readClipboardPicture(&png);
        QCOMPARE(fromPng.read, ClipboardRead::Found);
        QCOMPARE(fromPng.picture.convertToFormat(QImage::Format_RGB32), red);

        QMimeData bmp;
        bmp.setData(QStringLiteral("image/bmp"), encoded(red, "bmp"));
        QCOMPARE(readClipboardPicture(&bmp).picture.convertToFormat(QImage::Format_RGB32), red);

        QMimeData tooLarge;
        tooLarge.setData(QStringLiteral("image/png"), encoded(huge, "png"));
        QCOMPARE(readClipboardPicture(&tooLarge).read, ClipboardRead::TooLarge);

        QMimeData broken;
        broken.setData(QStringLiteral("image/png"), "not a picture");
        QCOMPARE(readClipboardPicture(&broken).read, ClipboardRead::Empty);

        QMimeData text;
        text.setText(u"广东 湛江"_qs);
        QCOMPARE(readClipboardPicture(&text).read, ClipboardRead::Empty);
        QCOMPARE(readClipboardText(&text, 5).text, u"广东 湛江"_qs);
        QCOMPARE(readClipboardText(&text, 4).read, ClipboardRead::TooLarge);
        QCOMPARE(readClipboardText(&png, 5).read, ClipboardRead::Empty);
        QCOMPARE(readClipboardText(nullptr, 5).read, ClipboardRead::Empty);
        QCOMPARE(readClipboardPicture(nullptr).read, ClipboardRead::Empty);
    }

    // The widgets' events reach the recording: clicks as they happen, a typed text when its field
    // loses the focus, so that typing back in a field after leaving it is two lines.
    void panelActionsAreRecorded() {
        Shell s;
        auto* location = static_cast<QLineEdit*>(s.widget(ControlId::LocationField));
        const QString original = location->text();
        location->setFocus();
        QTest::keyClick(location, Qt::Key_End);
        QTest::keyClicks(location, "1");
        s.widget(ControlId::NumberField)->setFocus();
        location->setFocus();
        QTest::keyClick(location, Qt::Key_Backspace);
        QTest::mouseClick(s.widget(ControlId::Row2EnableBox), Qt::LeftButton);
        QCOMPARE(s.recorder().lines(),
                 (QStringList{"Text4 = " + original + "1", "Text4 = " + original, "Check1"}));
    }

    // Return presses the row's button with what was typed; a button takes Return too; Escape
    // leaves the field.
    void returnAndEscapeInAField_data() {
        QTest::addColumn<ControlId>("field");
        QTest::addColumn<QString>("line");
        QTest::newRow("battery") << ControlId::BatteryField << QStringLiteral("Command2");
        QTest::newRow("row 1 time") << ControlId::Row1TimeField << QStringLiteral("Command10");
        QTest::newRow("row 1 seconds")
            << ControlId::Row1SecondsField << QStringLiteral("Command12");
        QTest::newRow("blue") << ControlId::ColourBlueField << QStringLiteral("Command13");
    }

    void returnAndEscapeInAField() {
        QFETCH(ControlId, field);
        QFETCH(QString, line);
        Shell s;
        auto* edit = static_cast<QLineEdit*>(s.widget(field));
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, "5");
        QTest::keyClick(edit, Qt::Key_Return);
        const QStringList lines = s.recorder().lines();
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines.last(), line);
        QVERIFY(edit->hasFocus());
        QTest::keyClick(edit, Qt::Key_Escape);
        QVERIFY(!edit->hasFocus());
    }

    // Clicks and keys given while a command waits for the clipboard's owner run after it, in their
    // order, also when the command ends in a message box: none is lost to the box.
    void inputDuringAWaitRunsAfterIt() {
        ShellWithBoxes shell;
        FakeServices& fakes = shell.fakes;
        WindowModel& model = shell.model;
        MainWindow& window = shell.window;
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QWidget* stepDown = window.controlWidget(ControlId::BatteryDownButton);
        auto* battery = static_cast<QLineEdit*>(window.controlWidget(ControlId::BatteryField));
        const QString before = model.form().text(ControlId::BatteryField);
        fakes.clipboard.answers = false;
        fakes.clipboard.whileReading = [&] {
            fakes.clipboard.whileReading = nullptr;
            for (int i = 0; i < 3; ++i)
                QTest::mouseClick(stepDown, Qt::LeftButton);
            battery->setFocus();
            QTest::keyClick(battery, Qt::Key_End);
            QTest::keyClicks(battery, "x");
            // Nothing of it has run yet.
            QCOMPARE(model.form().text(ControlId::BatteryField), before);
        };
        QStringList shown;
        QTimer closer;
        QObject::connect(&closer, &QTimer::timeout, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                shown.append(box->text());
                box->accept();
            }
        });
        closer.start(20);
        QTest::mouseClick(window.controlWidget(ControlId::NumberPasteButton), Qt::LeftButton);
        // The box is open over the window, which goes on; what was given waits for it to close.
        QCOMPARE(model.form().text(ControlId::BatteryField), before);
        QTRY_COMPARE(shown, QStringList{QStringLiteral("剪贴板没有响应")});
        QTRY_COMPARE(model.form().text(ControlId::BatteryField), QStringLiteral("89%x"));
        model.commitTyping();
        QCOMPARE(model.recorder().lines(),
                 QStringList({"Command1", "Command1", "Command1", "Text1 = 89%x"}));
    }

    // The export's pause is a step of its event, not a wait of the window's: the event returns at
    // once, and what the user does meanwhile waits for it; a set-up's run waits for it between its
    // lines, and its message comes when the run has ended.
    void eventsWaitForAPause() {
        Shell s;
        QTemporaryDir folder;
        s.platform.files.folder = folder.path();
        QTest::mouseClick(s.window, Qt::LeftButton, {}, QPoint(40, 70)); // the back arrow
        QTest::mouseClick(s.window, Qt::LeftButton, {}, QPoint(40, 70)); // wide again
        s.platform.timer.holding = true;
        const QString battery = s.form.text(ControlId::BatteryField);
        QTest::mouseClick(s.widget(ControlId::SavePictureLabel), Qt::LeftButton);
        QTest::mouseClick(s.widget(ControlId::BatteryDownButton), Qt::LeftButton);
        QCOMPARE(s.platform.timer.held.size(), 1);
        QCOMPARE(s.form.text(ControlId::BatteryField), battery);
        QVERIFY(s.platform.messages.shown.isEmpty());
        s.platform.timer.endHeld();
        QCOMPARE(s.platform.messages.shown.size(), 1);
        QVERIFY(s.platform.messages.shown.first().endsWith(QStringLiteral("已保存")));
        QVERIFY(s.form.text(ControlId::BatteryField) != battery);
        QCOMPARE(s.recorder().lines().last(), QStringLiteral("Command1"));

        // A set-up whose second line captures, which exports as 自动保存JPG is ticked: its third
        // waits for the pause.
        const QString path = folder.filePath(QStringLiteral("export.vks"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("Text3 = 1\nImage2\nText3 = 139\n");
        file.close();
        s.platform.messages.shown.clear();
        s.platform.messages.answers = {true}; // the actions not saved may go
        s.window->runEvent(QStringLiteral("打开设置"),
                           [&] { s.window->setupFiles().openFile(path); });
        // Meanwhile the user's click waits for the run.
        QTest::mouseClick(s.widget(ControlId::BatteryDownButton), Qt::LeftButton);
        QCOMPARE(s.platform.timer.held.size(), 1);
        QCOMPARE(s.form.text(ControlId::NumberField), QStringLiteral("1"));
        QVERIFY(s.platform.messages.shown.isEmpty());
        s.platform.timer.endHeld();
        QCOMPARE(s.form.text(ControlId::NumberField), QStringLiteral("139"));
        QCOMPARE(static_cast<QLineEdit*>(s.widget(ControlId::NumberField))->text(),
                 QStringLiteral("139"));
        QCOMPARE(s.platform.messages.shown.size(), 1);
        QVERIFY(s.platform.messages.shown.first().contains(QStringLiteral("写入了 1 张图片")));
        QCOMPARE(s.recorder().lines().last(), QStringLiteral("Command1"));
    }

    // Keys go to the field they were typed into while an event waits, the clipboard's owner or
    // the export's pause: a click moves the focus at once, and each field takes its own typing,
    // in order, once the event has ended; none twice.
    void keysLandWhereAimedDuringAWait_data() {
        QTest::addColumn<bool>("duringExport");
        QTest::newRow("slow clipboard owner") << false;
        QTest::newRow("export's pause") << true;
    }
    void keysLandWhereAimedDuringAWait() {
        QFETCH(bool, duringExport);
        Shell s;
        QTemporaryDir folder;
        s.platform.files.folder = folder.path();
        s.platform.clipboard.textValue = QStringLiteral("13912345678");
        auto* battery = static_cast<QLineEdit*>(s.widget(ControlId::BatteryField));
        auto* clock = static_cast<QLineEdit*>(s.widget(ControlId::ClockField));
        const QString batteryBefore = s.form.text(ControlId::BatteryField);
        QVERIFY(batteryBefore != QStringLiteral("50%"));
        const QString clockBefore = s.form.text(ControlId::ClockField);
        const auto typeDuringTheWait = [&] {
            QTest::mouseClick(battery, Qt::LeftButton);
            QTest::keyClick(battery, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(battery, "50%");
            QTest::mouseClick(s.widget(ControlId::BatteryDownButton), Qt::LeftButton);
            QTest::mouseClick(clock, Qt::LeftButton);
            QTest::keyClick(clock, Qt::Key_End);
            QTest::keyClicks(clock, "B");
            QCOMPARE(QApplication::focusWidget(), clock);
            // The fields show the typing; the form has taken none of it yet.
            QCOMPARE(battery->text(), QStringLiteral("50%"));
            QCOMPARE(s.form.text(ControlId::BatteryField), batteryBefore);
        };
        if (duringExport) {
            QTest::mouseClick(s.window, Qt::LeftButton, {}, QPoint(40, 70)); // the back arrow
            QTest::mouseClick(s.window, Qt::LeftButton, {}, QPoint(40, 70)); // wide again
            s.platform.timer.whilePaused = [&] {
                s.platform.timer.whilePaused = nullptr;
                typeDuringTheWait();
            };
            QTest::mouseClick(s.widget(ControlId::SavePictureLabel), Qt::LeftButton);
            QVERIFY(QFileInfo::exists(
                folder.filePath(s.form.text(ControlId::NumberField) + QStringLiteral(".jpg"))));
        } else {
            s.platform.clipboard.whileReading = [&] {
                s.platform.clipboard.whileReading = nullptr;
                typeDuringTheWait();
            };
            QTest::mouseClick(s.widget(ControlId::NumberPasteButton), Qt::LeftButton);
            QCOMPARE(s.form.text(ControlId::NumberField), QStringLiteral("13912345678"));
        }
        // Typed, then stepped down by 减1: the step works on the typed text, as it came after it.
        s.model.commitTyping();
        const QStringList lines = s.recorder().lines();
        QCOMPARE(lines.mid(lines.size() - 3),
                 QStringList({QStringLiteral("Text1 = 50%"), QStringLiteral("Command1"),
                              QStringLiteral("Text2 = ") + clockBefore + u'B'}));
        QCOMPARE(s.form.text(ControlId::BatteryField), QStringLiteral("49%"));
        QCOMPARE(s.form.text(ControlId::ClockField), clockBefore + u'B');
        QCOMPARE(clock->text(), clockBefore + u'B');
        QCOMPARE(battery->text(), s.form.text(ControlId::BatteryField));
    }

    // The timer's tick, a command of the menu and a second click that arrive while an event runs
    // wait for it: the export never runs inside a paste.
    void timerAndMenuDuringAnEventWait() {
        Shell s;
        QTemporaryDir folder;
        s.platform.files.folder = folder.path();
        QTest::mouseClick(s.window, Qt::LeftButton, {}, QPoint(40, 70)); // the back arrow
        QVERIFY(s.form.timerRunning());
        const QString captured = s.form.caption();
        s.platform.clipboard.textValue = QStringLiteral("13912345678");
        s.platform.clipboard.whileReading = [&] {
            s.platform.clipboard.whileReading = nullptr;
            s.window->timerTicked();
            s.window->windowActions().undo();
            QCOMPARE(s.form.caption(), captured);
        };
        QTest::mouseClick(s.widget(ControlId::NumberPasteButton), Qt::LeftButton);
        // The paste, then the export its tick runs, then the undo of what the export changed.
        QCOMPARE(s.form.text(ControlId::NumberField), QStringLiteral("13912345678"));
        QCOMPARE(s.form.element(ElementId::NumberLarge).caption, QStringLiteral("139 1234 5678"));
        QVERIFY(QFileInfo::exists(folder.filePath(QStringLiteral("13912345678.jpg"))));
        QVERIFY(!s.form.timerRunning());
        QCOMPARE(s.form.caption(), captured);
        QCOMPARE(s.window->width(), 524);
        QCOMPARE(s.recorder().lines().last(), QStringLiteral("Command5"));
    }

    // A paste the field cannot hold is refused and leaves nothing to undo: after it and three
    // steps of the battery, Ctrl+Z takes back the third step only.
    void undoAfterARefusedPaste() {
        Shell s;
        s.platform.clipboard.textValue = QString(Form::MaxFieldText + 1, u'1');
        QTest::mouseClick(s.widget(ControlId::NumberPasteButton), Qt::LeftButton);
        QCOMPARE(s.platform.messages.shown.size(), 1);
        for (int i = 0; i < 3; ++i)
            QTest::mouseClick(s.widget(ControlId::BatteryDownButton), Qt::LeftButton);
        QTest::keyClick(s.window, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(s.form.text(ControlId::BatteryField), QStringLiteral("90%"));
        QCOMPARE(static_cast<QLineEdit*>(s.widget(ControlId::BatteryField))->text(),
                 QStringLiteral("90%"));
        QCOMPARE(s.form.text(ControlId::NumberField), QStringLiteral("13800138000"));
    }

    // Ctrl+Z in a field undoes its typing first; with none left it undoes the window's last
    // action; Ctrl+Y and Ctrl+Shift+Z redo it.
    void undoKeys() {
        Shell s;
        QTest::mouseClick(s.widget(ControlId::Row2EnableBox), Qt::LeftButton);
        QCOMPARE(s.form.value(ControlId::Row2EnableBox), 1);
        auto* location = static_cast<QLineEdit*>(s.widget(ControlId::LocationField));
        const QString original = location->text();
        location->setFocus();
        QTest::keyClick(location, Qt::Key_End);
        QTest::keyClicks(location, "12");
        QTest::keyClick(location, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(location->text(), original);
        QCOMPARE(s.form.text(ControlId::LocationField), original);
        QCOMPARE(s.form.value(ControlId::Row2EnableBox), 1);
        QTest::keyClick(location, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(s.form.value(ControlId::Row2EnableBox), 0);
        QVERIFY(!static_cast<QCheckBox*>(s.widget(ControlId::Row2EnableBox))->isChecked());
        QTest::keyClick(location, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(s.form.value(ControlId::Row2EnableBox), 1);
        QTest::keyClick(location, Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(location, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(s.form.value(ControlId::Row2EnableBox), 1);
        QCOMPARE(s.recorder().lines(), QStringList{QStringLiteral("Check1")});
    }

    // Every way to paste in a field reads the clipboard as 粘贴 does, never through Qt's own
    // reader, which waits on a silent owner three times over: the text goes in at the cursor or
    // over the selection and reaches the model as typing, a line once the field loses the focus.
    // Showing the field's menu reads nothing; choosing its paste reads once.
    void pasteInAFieldReadsThroughTheWindow_data() {
        QTest::addColumn<QString>("route");
        QTest::newRow("Ctrl+V") << QStringLiteral("Ctrl+V");
        QTest::newRow("Shift+Insert") << QStringLiteral("Shift+Insert");
        QTest::newRow("the field's menu") << QStringLiteral("menu");
    }

    void pasteInAFieldReadsThroughTheWindow() {
        QFETCH(QString, route);
        Shell s;
        QApplication::clipboard()->setText(QStringLiteral("Qt's own"));
        s.platform.clipboard.textValue = QStringLiteral("北京");
        int reads = 0;
        s.platform.clipboard.whileReading = [&reads] { ++reads; };
        auto* location = static_cast<FieldEdit*>(s.widget(ControlId::LocationField));
        s.form.setText(ControlId::LocationField, QStringLiteral("广东湛江 移动"));
        s.window->syncFromForm();
        location->setFocus();
        location->setSelection(0, 4); // 广东湛江
        if (route == QStringLiteral("Ctrl+V")) {
            QTest::keyClick(location, Qt::Key_V, Qt::ControlModifier);
        } else if (route == QStringLiteral("Shift+Insert")) {
            QTest::keyClick(location, Qt::Key_Insert, Qt::ShiftModifier);
        } else {
            QContextMenuEvent asked(QContextMenuEvent::Mouse, QPoint(5, 5),
                                    location->mapToGlobal(QPoint(5, 5)));
            QApplication::sendEvent(location, &asked);
            auto* menu = location->findChild<QMenu*>();
            QVERIFY(menu);
            auto* paste = menu->findChild<QAction*>(QStringLiteral("edit-paste"));
            QVERIFY(paste && paste->isEnabled());
            QVERIFY(paste->text().contains(
                QKeySequence(QKeySequence::Paste).toString(QKeySequence::NativeText)));
            QCOMPARE(reads, 0);
            paste->trigger();
            menu->close();
        }
        QCOMPARE(reads, 1);
        QCOMPARE(location->text(), QStringLiteral("北京 移动"));
        QCOMPARE(location->cursorPosition(), 2);
        QCOMPARE(s.form.text(ControlId::LocationField), QStringLiteral("北京 移动"));
        QVERIFY(s.platform.messages.shown.isEmpty());
        s.widget(ControlId::NumberField)->setFocus();
        QCOMPARE(s.recorder().lines(), QStringList{QStringLiteral("Text4 = 北京 移动")});
    }

    // A paste that cannot be taken says why as 粘贴 says it and leaves the field as it was: the
    // clipboard's owner did not answer, or the text would make the field longer than it holds,
    // counting what the selection gives up.
    void pasteInAFieldThatCannotBeTaken_data() {
        QTest::addColumn<bool>("answers");
        QTest::addColumn<qsizetype>("pasted"); // characters on the clipboard
        QTest::addColumn<int>("selected");     // characters selected of the field's 10
        QTest::addColumn<QString>("message");  // empty when the paste is taken
        const qsizetype room = Form::MaxFieldText - 10;
        QTest::newRow("owner silent")
            << false << qsizetype(3) << 0 << errorText(ErrorKind::ClipboardNoAnswer);
        QTest::newRow("fills the field") << true << room << 0 << QString();
        QTest::newRow("one more") << true << room + 1 << 0 << QStringLiteral("too long");
        QTest::newRow("one more, over a selection") << true << room + 1 << 1 << QString();
        QTest::newRow("more than the field holds")
            << true << Form::MaxFieldText + 1 << 10 << QStringLiteral("too long");
    }

    void pasteInAFieldThatCannotBeTaken() {
        QFETCH(bool, answers);
        QFETCH(qsizetype, pasted);
        QFETCH(int, selected);
        QFETCH(QString, message);
        Shell s;
        const QString before = QStringLiteral("0123456789");
        s.platform.clipboard.textValue = QString(pasted, u'长');
        s.platform.clipboard.answers = answers;
        auto* location = static_cast<FieldEdit*>(s.widget(ControlId::LocationField));
        s.form.setText(ControlId::LocationField, before);
        s.window->syncFromForm();
        location->setFocus();
        location->setSelection(10 - selected, selected);
        QTest::keyClick(location, Qt::Key_V, Qt::ControlModifier);
        if (message.isEmpty()) {
            QVERIFY(s.platform.messages.shown.isEmpty());
            QCOMPARE(location->text().size(), 10 - selected + pasted);
            QVERIFY(location->text().endsWith(u'长'));
        } else {
            QCOMPARE(s.platform.messages.shown.size(), 1);
            if (answers)
                QVERIFY(namesErrorAndField(s.platform.messages.shown[0], ErrorKind::TextTooLong,
                                           QStringLiteral("手机营运商")));
            else
                QCOMPARE(s.platform.messages.shown[0], message);
            QCOMPARE(location->text(), before);
        }
        QCOMPARE(s.form.text(ControlId::LocationField), location->text());
    }

    // A field keeps one step of its own typing, however many edits it took: after many long
    // pastes and deletions Ctrl+Z takes them all back at once, Ctrl+Y brings them back, and the
    // next Ctrl+Z goes on to the window's own undo.
    void fieldKeepsOneStepOfItsOwn() {
        Shell s;
        QTest::mouseClick(s.widget(ControlId::Row2EnableBox), Qt::LeftButton);
        auto* location = static_cast<FieldEdit*>(s.widget(ControlId::LocationField));
        const QString original = location->text();
        location->setFocus();
        for (int i = 0; i < 20; ++i) {
            s.platform.clipboard.textValue = QString(1000 + i, QChar(u'a' + i));
            QTest::keyClick(location, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(location, Qt::Key_V, Qt::ControlModifier);
            QTest::keyClick(location, Qt::Key_Left, Qt::ShiftModifier);
            QTest::keyClick(location, Qt::Key_Delete);
        }
        QTest::keyClicks(location, "x");
        const QString typed = QString(1018, u't') + u'x';
        QCOMPARE(location->text(), typed);
        QTest::keyClick(location, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(location->text(), original);
        QCOMPARE(s.form.text(ControlId::LocationField), original);
        QTest::keyClick(location, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(location->text(), typed);
        QCOMPARE(s.form.text(ControlId::LocationField), typed);
        QTest::keyClick(location, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(location->text(), original);
        QCOMPARE(s.form.value(ControlId::Row2EnableBox), 1);
        QTest::keyClick(location, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(location->text(), original);
        QCOMPARE(s.form.value(ControlId::Row2EnableBox), 0);
    }

    // Of Qt's own record of a field's edits, which the field's undo does not use, no more than
    // the last few full-length pastes are kept: going back through it never reaches the earlier.
    void longEditsAreForgotten() {
        Shell s;
        auto* location = static_cast<FieldEdit*>(s.widget(ControlId::LocationField));
        location->setFocus();
        const int pastes = 19;
        for (int i = 0; i < pastes; ++i) {
            s.platform.clipboard.textValue = QString(Form::MaxFieldText, QChar(u'a' + i));
            QTest::keyClick(location, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(location, Qt::Key_V, Qt::ControlModifier);
        }
        QCOMPARE(location->text().front(), QChar(u'a' + pastes - 1));
        QString reached;
        for (int back = 0; back < 4 * pastes && location->isUndoAvailable(); ++back) {
            location->undo();
            if (!location->text().isEmpty() && !reached.contains(location->text().front()))
                reached += location->text().front();
        }
        for (const QChar pasted : reached)
            QVERIFY2(pasted >= QChar(u'a' + pastes - 3), qPrintable(reached));
    }

    // The menu names every command with its key.
    void menuShowsTheKeys() {
        Shell s;
        QStringList shown;
        for (QAction* action : s.window->windowActions().menu()->actions())
            if (!action->isSeparator())
                shown << action->text() + u'\t' + action->shortcut().toString();
        QCOMPARE(
            shown,
            (QStringList{QStringLiteral("截屏 / 显示设置（点 ←）\tAlt+Left"),
                         QStringLiteral("撤销\tCtrl+Z"), QStringLiteral("重做\tCtrl+Shift+Z"),
                         QStringLiteral("打开设置…\tCtrl+O"), QStringLiteral("保存设置…\tCtrl+S"),
                         QStringLiteral("最近的设置\t"), QStringLiteral("退出\tCtrl+Q")}));
    }

    // Every control that answers clicks says what it does, and its key where it has one; a field
    // has none. Over the background the hint tells how to move the window and the menu's
    // keys.
    void hintsSayWhatAndWhichKey() {
        Shell s;
        for (const PanelControl& c : panelTable()) {
            const QString tip = s.widget(c.id)->toolTip();
            const bool answersClicks =
                c.kind == ControlKind::Button || c.kind == ControlKind::CheckBox ||
                c.id == ControlId::PanelTitle || c.id == ControlId::RestoreHeightLabel ||
                c.id == ControlId::LengthenLabel || c.id == ControlId::SavePictureLabel;
            QVERIFY2(answersClicks != tip.isEmpty(), c.name);
            const bool submits =
                std::any_of(panelTable().begin(), panelTable().end(),
                            [&](const PanelControl& field) { return field.returnPresses == c.id; });
            QCOMPARE(tip.contains(QStringLiteral("回车键")), submits);
        }
        QVERIFY(s.widget(ControlId::QuitButton)->toolTip().endsWith(QStringLiteral("Ctrl+Q")));
        const auto hintAt = [&](QPoint at) {
            QHelpEvent help(QEvent::ToolTip, at, s.window->mapToGlobal(at));
            QApplication::sendEvent(s.window, &help);
            return QToolTip::isVisible() ? QToolTip::text() : QString();
        };
        const QPoint blank =
            s.widget(ControlId::Instructions)->geometry().bottomLeft() + QPoint(-20, 10);
        QVERIFY(hintAt(blank).startsWith(QStringLiteral("拖动空白处可以移动窗口")));
        QVERIFY(hintAt(blank).contains(QStringLiteral("撤销 Ctrl+Z")));
        QVERIFY(hintAt(QPoint(40, 70)).contains(QStringLiteral("截屏到剪贴板")));
        // The back arrow and the rest of the phone screen name the arrow's key.
        QVERIFY(hintAt(QPoint(40, 70)).startsWith(QStringLiteral("←")));
        QVERIFY(hintAt(QPoint(40, 70)).endsWith(QStringLiteral("Alt+Left")));
        QVERIFY(hintAt(QPoint(200, 400)).contains(QStringLiteral("拖动手机画面")));
        QVERIFY(hintAt(QPoint(200, 400)).contains(QStringLiteral("Alt+Left")));
    }

    // On a screen lower than the window the frame is as high as the screen allows and scrolls;
    // the window inside keeps its size and its controls their places; the focused control is
    // scrolled into view.
    void frameScrollsOnAShortScreen() {
        Shell s;
        WindowFrame frame(*s.window);
        frame.show();
        QApplication::setActiveWindow(&frame);
        QVERIFY(QTest::qWaitForWindowActive(&frame));
        const int available = frame.screen()->availableGeometry().height();
        QCOMPARE(s.window->size(), QSize(889, 854));
        QCOMPARE(frame.height(), std::min(854, available));
        if (available >= 854)
            QSKIP("the test screen is tall enough for the window");
        QVERIFY(frame.verticalScrollBar()->isVisible());
        QCOMPARE(frame.width(), 889 + frame.verticalScrollBar()->width());
        QCOMPARE(frame.windowTitle(), QStringLiteral("Vokarelo"));
        QCOMPARE(frame.verticalScrollBar()->value(), 0);
        s.widget(ControlId::ColourRedField)->setFocus();
        const QRect shown(QPoint(0, frame.verticalScrollBar()->value()), frame.viewport()->size());
        QVERIFY(shown.contains(s.widget(ControlId::ColourRedField)->geometry()));
        QCOMPARE(s.widget(ControlId::ColourRedField)->geometry().top(), pixelEdge(12480));
        // A shorter window needs no scrolling.
        s.form.setHeight(300 * 15);
        s.window->syncFromForm();
        QCOMPARE(frame.size(), QSize(889, 300));
    }

    // A drag of the picture carries it as PNG and as a file named after the number, in a folder
    // of this user's only; a number that is no file name gives the program's name.
    void draggedPicture_data() {
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("fileName");
        QTest::newRow("number") << QStringLiteral("13800138000")
                                << QStringLiteral("13800138000.png");
        QTest::newRow("slash") << QStringLiteral("a/b") << QStringLiteral("Vokarelo.png");
        QTest::newRow("empty") << QString() << QStringLiteral("Vokarelo.png");
    }

    void draggedPicture() {
        QFETCH(QString, number);
        QFETCH(QString, fileName);
        QImage picture(52, 85, QImage::Format_RGB32);
        picture.fill(Qt::darkCyan);
        FailingFileStore files;
        const std::unique_ptr<QMimeData> data(
            PictureDrag::pictureData(picture, number, files, SystemLocations()));
        QCOMPARE(QImage::fromData(data->data(QStringLiteral("image/png")), "png"), picture);
        QCOMPARE(data->urls().size(), 1);
        const QString path = data->urls().front().toLocalFile();
        QCOMPARE(QFileInfo(path).fileName(), fileName);
        QCOMPARE(QFileInfo(path).absolutePath(), PictureDrag::folder(SystemLocations()));
        QCOMPARE(QImage(path), picture);
        QCOMPARE(QFileInfo(PictureDrag::folder(SystemLocations())).permissions() &
                     (QFile::ReadOther | QFile::ReadGroup),
                 QFile::Permissions());
    }

    // A link in the folder's place, to a folder others may read, is neither followed nor changed:
    // the drag carries the picture without a file, and the other folder keeps its mode and holds
    // nothing new.
    void draggedPictureBesideALink() {
        QImage picture(52, 85, QImage::Format_RGB32);
        picture.fill(Qt::darkCyan);
        const QString folder = PictureDrag::folder(SystemLocations());
        const QString aside = folder + QStringLiteral(".aside");
        if (QFileInfo::exists(folder))
            QVERIFY(QDir().rename(folder, aside));
        const auto restore = qScopeGuard([&] {
            QFile::remove(folder);
            if (QFileInfo::exists(aside))
                QDir().rename(aside, folder);
        });
        QTemporaryDir elsewhere;
        const QFile::Permissions readable = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                            QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther |
                                            QFile::ExeOther;
        QVERIFY(QFile::setPermissions(elsewhere.path(), readable));
        QVERIFY(QFile::link(elsewhere.path(), folder));

        FailingFileStore files;
        const std::unique_ptr<QMimeData> data(PictureDrag::pictureData(
            picture, QStringLiteral("13800138000"), files, SystemLocations()));

        QCOMPARE(QImage::fromData(data->data(QStringLiteral("image/png")), "png"), picture);
        QVERIFY(!data->hasUrls());
        QCOMPARE(QFileInfo(elsewhere.path()).permissions() & readable, readable);
        QCOMPARE(QDir(elsewhere.path())
                     .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList());
        QVERIFY(QFileInfo(folder).isSymLink());
    }

    // A capture and a successful export are confirmed over the window, in no picture.
    void noticesOverTheWindow() {
        Shell s;
        s.form.click(ElementId::BackArrow);
        s.window->syncFromForm();
        const auto notice = [&] {
            const auto shown = FadingNotice::shownOver(*s.window);
            return shown.isEmpty() ? QString() : shown.last()->text();
        };
        QCOMPARE(notice(), QStringLiteral("已复制到剪贴板"));
        QTemporaryDir folder;
        s.platform.files.folder = folder.path();
        s.form.click(ControlId::SavePictureLabel);
        s.window->syncFromForm();
        QCOMPARE(notice(), QStringLiteral("已保存"));
        QVERIFY(QFileInfo::exists(folder.filePath(QStringLiteral("13800138000.jpg"))));
        // One notice at a time: the new one takes the earlier one's place at once, before the
        // export's message box lets the earlier one be deleted.
        const auto shown = FadingNotice::shownOver(*s.window);
        QCOMPARE(std::count_if(shown.begin(), shown.end(),
                               [](const FadingNotice* n) { return n->isVisible(); }),
                 1);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(FadingNotice::shownOver(*s.window).size(), 1);
    }

    // A notice says what was handed over just now: a second capture in the same second (the same
    // caption) has one of its own, and undo, which brings back a capture's caption without
    // capturing, has none.
    void noticesOnlyForWhatWasHandedOver() {
        Shell s;
        QTemporaryDir folder;
        s.platform.files.folder = folder.path();
        const auto lastNotice = [&]() -> FadingNotice* {
            const auto shown = FadingNotice::shownOver(*s.window);
            return shown.isEmpty() ? nullptr : shown.last();
        };
        const QPoint backArrow(40, 70);
        // No export after a capture, so that the captures' caption stays.
        QTest::mouseClick(s.widget(ControlId::AutoSaveBox), Qt::LeftButton, {},
                          QPoint(5, s.widget(ControlId::AutoSaveBox)->height() / 2));
        QCOMPARE(s.form.value(ControlId::AutoSaveBox), 0);
        QTest::mouseClick(s.window, Qt::LeftButton, {}, backArrow);
        QVERIFY(lastNotice());
        lastNotice()->setProperty("seen", true);
        const QString firstCaption = s.form.caption();
        QTest::mouseClick(s.window, Qt::LeftButton, {}, backArrow); // wider again
        QTest::mouseClick(s.window, Qt::LeftButton, {}, backArrow);
        QCOMPARE(s.form.caption(), firstCaption);
        QVERIFY(lastNotice());
        QVERIFY(!lastNotice()->property("seen").toBool());
        QCOMPARE(lastNotice()->text(), QStringLiteral("已复制到剪贴板"));

        QTest::mouseClick(s.window, Qt::LeftButton, {}, backArrow); // wider again
        QTest::mouseClick(s.widget(ControlId::SavePictureLabel), Qt::LeftButton);
        QCOMPARE(lastNotice()->text(), QStringLiteral("已保存"));
        lastNotice()->setProperty("seen", true);
        auto* field = static_cast<QLineEdit*>(s.widget(ControlId::LocationField));
        field->setFocus();
        QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(s.form.caption(), firstCaption);
        QVERIFY(lastNotice()->property("seen").toBool());
        QTest::keyClick(field, Qt::Key_Y, Qt::ControlModifier);
        QVERIFY(lastNotice()->property("seen").toBool());
    }

    // A .vks dropped on the window, even over a text field, runs there; anything else is refused.
    void droppedSetupRuns() {
        Shell s;
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("a.vks"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("Text3 = 1\nCommand6\n");
        file.close();
        // A file manager offers the path as text too, which a text field would take.
        const auto offered = [](const QString& dropped) {
            auto* data = new QMimeData;
            data->setUrls({QUrl::fromLocalFile(dropped)});
            data->setText(dropped);
            return std::unique_ptr<QMimeData>(data);
        };
        const auto drag = [&](const QString& dropped) {
            const auto data = offered(dropped);
            QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, data.get(), Qt::LeftButton,
                                  Qt::NoModifier);
            QApplication::sendEvent(s.window, &enter);
            return enter.isAccepted();
        };
        QVERIFY(!drag(folder.filePath(QStringLiteral("a.txt"))));
        QVERIFY(drag(path));
        QWidget* field = s.widget(ControlId::NumberField);
        const auto data = offered(path);
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, data.get(), Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(field, &enter);
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(field, &drop);
        QCOMPARE(s.form.element(ElementId::NumberLarge).caption, QStringLiteral("1"));
        QCOMPARE(static_cast<QLineEdit*>(s.widget(ControlId::NumberField))->text(),
                 QStringLiteral("1"));
        QVERIFY(s.platform.messages.shown.isEmpty());
    }

    // The window opens only regular files: a FIFO nobody writes to, dropped or named, is refused at
    // once; a crafted line of 22 000 "try " words fails its line. Each says so in one message.
    void setupsThatAreNoFiles() {
        Shell s;
        QTemporaryDir folder;
        const QString fifo = folder.filePath(QStringLiteral("fifo.vks"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        const QString tries = folder.filePath(QStringLiteral("tries.vks"));
        QFile file(tries);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray("try ").repeated(22000) + "Command2\n");
        file.close();
        s.window->setupFiles().openFile(fifo);
        s.window->setupFiles().openFile(tries);
        QCOMPARE(s.platform.messages.shown.size(), 2);
        QVERIFY(s.platform.messages.shown[0].startsWith(
            QStringLiteral("无法打开%1：这是一个管道").arg(fifo)));
        QVERIFY(s.platform.messages.shown[1].startsWith(tries + QStringLiteral("第1行“try try ")));
    }

    // A settings file that is not a regular file is left unread, wherever it is asked for: the
    // open dialog starts at home, the menu lists no recent set-up, opening a set-up remembers
    // nothing, and nothing waits on the FIFO.
    void settingsFileThatIsNoFile() {
        const QString settings = SettingsFile::path();
        QVERIFY(QDir().mkpath(QFileInfo(settings).absolutePath()));
        QFile::remove(settings);
        QCOMPARE(::mkfifo(QFile::encodeName(settings).constData(), 0600), 0);
        const auto removeFifo = qScopeGuard([&] { QFile::remove(settings); });
        Shell s;
        QString shownFolder;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (dialog) {
                shownFolder = dialog->directory().absolutePath();
                dialog->reject();
            }
        });
        s.window->setupFiles().open();
        QTRY_COMPARE(shownFolder, QDir::homePath());

        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("a.vks"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("Check1\n") == 7);
        file.close();
        s.window->setupFiles().openFile(path);
        QCOMPARE(s.form.value(ControlId::Row2EnableBox), 1);
        s.window->windowActions().showMenu(QPoint(0, 0));
        QMenu* recent = nullptr;
        for (QAction* action : s.window->windowActions().menu()->actions())
            if (action->menu())
                recent = action->menu();
        QVERIFY(recent);
        QCOMPARE(recent->actions().size(), 1); // 上次退出时的设置 alone
        s.window->windowActions().menu()->hide();
        QVERIFY(!QFileInfo(settings).isFile());
    }

    // Quitting keeps the session's set-up for the next start. When it cannot be kept the user is
    // asked: 取消 goes back to the window, 仍然退出 quits without it. Ended without the user
    // (logout, a signal), the program records why, and the next start says so, once.
    void sessionKeptOrTold() {
        Shell s;
        s.recorder().click(ControlId::Row2EnableBox);
        SessionKeeper keeper(s.model, s.services(), s.window->setupFiles());
        const QString kept = RecentSetups::lastSessionPath(SystemLocations());
        QFile::remove(kept);
        QVERIFY(finished(keeper.keepBeforeQuit()));
        QVERIFY(readFile(kept).endsWith("\nCheck1\n"));
        QFile::remove(kept);

        s.platform.files.fault = FailingFileStore::Fault::Create;
        FakeMessages& messages = s.platform.messages;
        SessionKeeper quitting(s.model, s.services(), s.window->setupFiles());
        messages.choices = {2}; // 取消
        QVERIFY(!finished(quitting.keepBeforeQuit()));
        messages.choices = {1}; // 仍然退出
        QVERIFY(finished(quitting.keepBeforeQuit()));
        const QStringList asked = messages.chooseQuestions;
        QCOMPARE(asked.size(), 2);
        for (const QStringList& offered : std::as_const(messages.offered))
            QCOMPARE(offered, (QStringList{QStringLiteral("另存为…"), QStringLiteral("仍然退出"),
                                           QStringLiteral("取消")}));
        QVERIFY2(asked[0].contains(QStringLiteral("磁盘空间不足")), qPrintable(asked[0]));
        QVERIFY(!QFileInfo::exists(kept));

        SessionKeeper ended(s.model, s.services(), s.window->setupFiles());
        ended.keepWithoutAsking();
        QVERIFY(s.platform.messages.shown.isEmpty());
        SessionKeeper next(s.model, s.services(), s.window->setupFiles());
        next.tellLastFailure();
        next.tellLastFailure();
        QCOMPARE(s.platform.messages.shown.size(), 1);
        QVERIFY2(s.platform.messages.shown[0].contains(QStringLiteral("磁盘空间不足")),
                 qPrintable(s.platform.messages.shown[0]));
    }

    // While a set-up runs, no message box opens under its progress dialog, and Return does not
    // press the dialog's 取消. The one message at the end names the picture the run exported.
    void runShowsOneMessageAtItsEnd() {
        Shell s;
        QTemporaryDir folder;
        s.platform.files.folder = folder.path();
        const QString path = folder.filePath(QStringLiteral("a.vks"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("Image2\n");
        file.close();
        bool looked = false;
        s.platform.timer.whilePaused = [&] {
            looked = true;
            QVERIFY(!qobject_cast<QMessageBox*>(QApplication::activeModalWidget()));
            const auto* progress = s.window->findChild<QProgressDialog*>();
            QVERIFY(progress);
            for (const QPushButton* button : progress->findChildren<QPushButton*>())
                QVERIFY(!button->autoDefault() && !button->isDefault());
        };
        s.window->setupFiles().openFile(path);
        QVERIFY(looked);
        QCOMPARE(s.platform.messages.shown.size(), 1);
        QCOMPARE(
            s.platform.messages.shown[0],
            QStringLiteral("%1写入了 1 张图片：\n%2/13800138000.jpg").arg(path, folder.path()));
    }

    // Texts from outside (a set-up's name, a number, a path, the clipboard's text) are shown as
    // they are written: never read as markup that loads a file, makes a link or fakes a question;
    // line separators count as lines, so twenty names of them leave the box within the screen; a
    // reordering control is spelled out.
    void outsideTextsAreShownAsWritten_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");
        const QString endless = QStringLiteral("<img src=\"&#47;dev&#47;zero\">");
        const QString question = QStringLiteral("<b>打开这个设置吗？<!--");
        const QString link =
            QStringLiteral("<a href=\"file:///tmp/run.desktop\">点这里查看通话详情</a>");
        QTest::newRow("a picture of an endless file") << endless << endless;
        QTest::newRow("a faked question") << question << question;
        QTest::newRow("a link") << link << link;
        QTest::newRow("line separators")
            << QString(95, QChar(0x2028)) + u'x' << QStringLiteral("\n\n");
        QTest::newRow("long lines") << QString(100000, u'w') << QStringLiteral("www");
        QTest::newRow("reordered") << QString::fromUtf16(u"<i>a\u202egpj.exe</i>")
                                   << QStringLiteral("<i>a\\u202egpj.exe</i>");
    }

    void outsideTextsAreShownAsWritten() {
        QFETCH(QString, text);
        QFETCH(QString, shown);
        MessageBoxes boxes;
        QWidget window;
        window.show();
        boxes.setWindow(&window, {});
        Qt::TextFormat format = Qt::AutoText;
        QString boxText;
        QSize size;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            format = box->textFormat();
            boxText = box->text();
            size = box->sizeHint();
            box->accept();
        });
        shownUntilClosed(boxes, QStringList(20, QStringLiteral("没有保存") + text).join(u'\n'));
        QCOMPARE(format, Qt::PlainText);
        QVERIFY2(boxText.startsWith(QStringLiteral("没有保存") + shown), qPrintable(boxText));
        const QSize screen = QGuiApplication::primaryScreen()->availableGeometry().size();
        QVERIFY2(size.height() <= screen.height() && size.width() <= screen.width(),
                 qPrintable(QStringLiteral("%1x%2").arg(size.width()).arg(size.height())));

        // The other ways a text reaches the eye take it as written too.
        FadingNotice::showOver(window, text);
        const auto* notice = window.findChild<FadingNotice*>();
        QVERIFY(notice);
        QCOMPARE(notice->textFormat(), Qt::PlainText);
        QTextDocument tip;
        tip.setHtml(plainToolTip(text));
        if (Qt::mightBeRichText(plainToolTip(text)))
            QCOMPARE(tip.toPlainText(), escapedForWindow(text));
        QVERIFY(!plainMenuText(text).contains(u'\n'));
        QVERIFY(!plainTitle(text).contains(QChar(0x202e)));
    }

    // A question of several answers is a warning box with a button an answer, in the place its
    // role gives it; the answer that leaves everything as it was is the default and Escape's, and
    // the box a program that is ending closes gives that answer too.
    void choiceBoxAnswers_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("answer");
        QTest::newRow("另存为…") << QStringLiteral("另存为…") << 0;
        QTest::newRow("仍然退出") << QStringLiteral("仍然退出") << 1;
        QTest::newRow("取消") << QStringLiteral("取消") << 2;
        QTest::newRow("Escape") << QStringLiteral("Escape") << 2;
        QTest::newRow("Return") << QStringLiteral("Return") << 2;
        QTest::newRow("closed for good") << QStringLiteral("closed") << 2;
    }

    void choiceBoxAnswers() {
        QFETCH(QString, how);
        QFETCH(int, answer);
        MessageBoxes boxes;
        QWidget window;
        window.show();
        boxes.setWindow(&window, {});
        const QString text = QStringLiteral("<b>无法保存</b>\u202e");
        QStringList seen;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            seen.append(box->text());
            seen.append(QString::number(box->icon() == QMessageBox::Warning));
            seen.append(QString::number(box->textFormat() == Qt::PlainText));
            for (QAbstractButton* button : box->buttons())
                seen.append(button->text() + u' ' + QString::number(box->buttonRole(button)));
            seen.append(box->defaultButton() ? box->defaultButton()->text() : QString());
            seen.append(box->escapeButton() ? box->escapeButton()->text() : QString());
            if (how == u"Escape")
                QTest::keyClick(box, Qt::Key_Escape);
            else if (how == u"Return")
                QTest::keyClick(box, Qt::Key_Return);
            else if (how == u"closed")
                boxes.closeForGood();
            else
                for (QAbstractButton* button : box->buttons())
                    if (button->text() == how)
                        button->click();
        });
        const QList<Choice> choices{{QStringLiteral("另存为…"), Choice::Role::Go},
                                    {QStringLiteral("仍然退出"), Choice::Role::Destroy},
                                    {QStringLiteral("取消"), Choice::Role::Back}};
        QCOMPARE(answerOf<int>([&](auto then) { boxes.choose(text, choices, 2, then); }), answer);
        QCOMPARE(seen.mid(0, 3), (QStringList{QStringLiteral("<b>无法保存</b>\\u202e"),
                                              QStringLiteral("1"), QStringLiteral("1")}));
        QStringList buttons = seen.mid(3, 3);
        buttons.sort();
        QCOMPARE(buttons,
                 (QStringList{QStringLiteral("仍然退出 %1").arg(QMessageBox::DestructiveRole),
                              QStringLiteral("取消 %1").arg(QMessageBox::RejectRole),
                              QStringLiteral("另存为… %1").arg(QMessageBox::AcceptRole)}));
        QCOMPARE(seen.mid(6), (QStringList{QStringLiteral("取消"), QStringLiteral("取消")}));
        // Once closed, no box opens: every question takes its escape answer at once.
        if (how == u"closed")
            QCOMPARE(answerOf<int>([&](auto then) { boxes.choose(text, choices, 1, then); }), 1);
    }

    // A set-up whose name looks like markup is named as written: in the progress dialog of its run
    // and in the question before it writes outside its folder, which a name cannot fake.
    void setupNamesAreShownAsWritten() {
        ShellWithBoxes shell;
        MainWindow& window = shell.window;
        QTemporaryDir folder;
        QDir(folder.path()).mkdir(QStringLiteral("victim"));
        QDir(folder.path()).mkdir(QStringLiteral("setups"));
        const QString name = QStringLiteral("<b>打开这个设置吗？<!--.vks");
        const QString path = folder.filePath(QStringLiteral("setups/") + name);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("save ../victim/family.jpg\n");
        file.close();
        QString question;
        Qt::TextFormat progressFormat = Qt::AutoText;
        QString progressText;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            question = box->textFormat() == Qt::PlainText ? box->text() : QString();
            if (const auto* progress = window.findChild<QProgressDialog*>())
                if (const auto* label = progress->findChild<QLabel*>()) {
                    progressFormat = label->textFormat();
                    progressText = label->text();
                }
            box->reject();
        });
        window.runEvent(QStringLiteral("打开设置"), [&] { window.setupFiles().openFile(path); });
        QTRY_VERIFY2(question.contains(name) && question.contains(QStringLiteral("family.jpg")),
                     qPrintable(question));
        QCOMPARE(progressFormat, Qt::PlainText);
        QCOMPARE(progressText, QStringLiteral("正在运行%1…").arg(name));
        QVERIFY(!QFileInfo::exists(folder.filePath(QStringLiteral("victim/family.jpg"))));
    }

    // A signal while a set-up's run waits (its export's pause) or asks (whether to replace a file)
    // stops the run after its line, answers the question no, keeps the session without asking
    // anything, and ends the program with 128 + the signal's number, once.
    void signalEndsARun() {
        for (const bool whileAsking : {false, true}) {
            ShellWithBoxes shell;
            FakeServices& fakes = shell.fakes;
            WindowModel& model = shell.model;
            MainWindow& window = shell.window;
            QList<int> ended;
            window.endProgram = [&ended](int status) { ended.append(status); };
            QTemporaryDir folder;
            fakes.files.folder = folder.path();
            const QString precious = folder.filePath(QStringLiteral("13800138000.jpg"));
            if (whileAsking)
                writeFile(precious, "precious");
            const QString path = folder.filePath(QStringLiteral("a.vks"));
            writeFile(path, "Check1\nImage2\nCheck3\nImage2\n");
            const QString kept = RecentSetups::lastSessionPath(SystemLocations());
            QFile::remove(kept);
            QStringList seen;
            QTimer watcher;
            QObject::connect(&watcher, &QTimer::timeout, [&] {
                if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                    seen.append(box->text());
                    if (seen.size() == 1)
                        window.endBySignal(SIGTERM);
                    else
                        box->accept();
                }
            });
            watcher.start(10);
            if (!whileAsking)
                fakes.timer.whilePaused = [&] {
                    fakes.timer.whilePaused = nullptr;
                    window.endBySignal(SIGTERM);
                };
            window.runEvent(QStringLiteral("打开设置"),
                            [&] { window.setupFiles().openFile(path); });
            QTRY_COMPARE(ended, QList<int>{128 + SIGTERM});
            QCOMPARE(seen.size(), whileAsking ? 1 : 0);
            // The capture records its moment before its line.
            const QStringList ran = model.recorder().lines();
            QVERIFY2(ran.size() == 3 && ran.first() == u"Check1" && ran.last() == u"Image2",
                     qPrintable(ran.join(u'|')));
            QVERIFY2(readFile(kept).endsWith(ran.join(u'\n').toUtf8() + '\n'),
                     readFile(kept).constData());
            if (whileAsking)
                QCOMPARE(readFile(precious), QByteArray("precious"));
        }
    }
};

QTEST_MAIN(TestShell)
#include "test_shell.moc"
