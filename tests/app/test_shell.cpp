#include "app/clipboard_reading.h"
#include "app/main_window.h"
#include "app/panel_style.h"
#include "app/qt_platform.h"
#include "basic/twips.h"
#include "screen/fonts.h"
#include "settings/panel_table.h"
#include "support/recorded_form.h"

#include <QApplication>
#include <QBuffer>
#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <functional>
#include <stdexcept>

namespace {

// The whole program on the fake platform, its window shown on the offscreen platform.
struct Shell : RecordedForm {
    MainWindow* window = nullptr;

    Shell() {
        window = new MainWindow(form, setups);
        window->show();
        QApplication::setActiveWindow(window);
        // Focus and key tests below fail on their own if the window never becomes active.
        [[maybe_unused]] const bool active = QTest::qWaitForWindowActive(window);
    }
    ~Shell() { delete window; }

    QWidget* widget(ControlId id) const { return window->controlWidget(id); }
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

QByteArray encoded(const QImage& image, const char* format) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return buffer.data();
}

QString focusName(const Shell& shell) {
    QWidget* focus = QApplication::focusWidget();
    for (const PanelControl& c : panelTable())
        if (shell.window->controlWidget(c.id) == focus)
            return QString::fromLatin1(c.name);
    return QStringLiteral("(none)");
}

} // namespace

class TestShell : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { installFontSubstitutions(); }

    // Whatever an event of the user's throws ends at the window's boundary, as a message that says
    // what was being done; the window goes on showing the form.
    void unexpectedFailureEndsAtTheWindow() {
        Shell s;
        s.window->runEvent(QStringLiteral("Command6"), [&] {
            s.form.setText(ControlId::BatteryField, QStringLiteral("7"));
            throw std::runtime_error("boom");
        });
        QCOMPARE(s.platform.messages.size(), 1);
        QCOMPARE(s.platform.messages[0].text, QStringLiteral("内部错误：Command6没有做完（boom）"));
        QCOMPARE(qobject_cast<QLineEdit*>(s.widget(ControlId::BatteryField))->text(),
                 QStringLiteral("7"));
    }

    // The export's pause keeps the window alive: what falls due meanwhile (a repaint, a timer)
    // runs during it.
    void pauseLetsTheWindowWork() {
        QtPlatform platform;
        bool ran = false;
        QTimer::singleShot(0, [&] { ran = true; });
        platform.pause(20);
        QVERIFY(ran);
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

    void tabOrderFollowsTabIndex() {
        Shell s;
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
        // A greyed model value shows greyed.
        s.form.setValue(ControlId::AutoSaveBox, 2);
        s.window->syncFromForm();
        QCOMPARE(box->checkState(), Qt::PartiallyChecked);
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

    void backArrowIsAHotspotOnThePicture() {
        Shell s;
        QTest::mouseClick(s.window, Qt::LeftButton, {}, QPoint(40, 70));
        QCOMPARE(s.form.width(), 7860.0f);
        QCOMPARE(s.window->width(), 524);
        QCOMPARE(s.platform.clipboardImageValue.size(), QSize(524, 854));
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
        // Return in a field runs nothing: the battery field's text stays unsubmitted.
        auto* battery = static_cast<QLineEdit*>(s.widget(ControlId::BatteryField));
        battery->setFocus();
        QTest::keyClick(battery, Qt::Key_Return);
        QCOMPARE(s.form.element(ElementId::BatteryText).caption, QStringLiteral("91%"));
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

    // A field keeps whatever is pasted into it, however long.
    void longPasteIsKept() {
        Shell s;
        auto* location = static_cast<QLineEdit*>(s.widget(ControlId::LocationField));
        const QString text = QString(100000, u'长');
        QApplication::clipboard()->setText(text);
        location->setFocus();
        location->selectAll();
        location->paste();
        QCOMPARE(location->text().size(), text.size());
        QCOMPARE(s.form.text(ControlId::LocationField), text);
        QTest::mouseClick(s.widget(ControlId::LocationSubmitButton), Qt::LeftButton);
        QCOMPARE(s.form.element(ElementId::Location).caption, text);
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
        QCOMPARE(readClipboardText(&text).text, u"广东 湛江"_qs);
        QCOMPARE(readClipboardText(&png).read, ClipboardRead::Empty);
        QCOMPARE(readClipboardText(nullptr).read, ClipboardRead::Empty);
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
        QVERIFY(s.platform.messages.isEmpty());
    }
};

QTEST_MAIN(TestShell)
#include "test_shell.moc"
