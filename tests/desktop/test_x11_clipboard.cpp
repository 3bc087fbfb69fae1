// SPDX-License-Identifier: MIT
// The clipboard of other programs on a real X display, read as the export and the paste buttons
// read it: the window goes on while an owner takes its time, and what an owner offers arrives
// whole, however large, unless it is beyond what the program reads.
#include "desktop/qt_clipboard.h"
#include "support/clipboard_reads.h"
#include "support/files.h"
#include "x11_clipboard_owner.h"

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QMimeData>
#include <QRandomGenerator>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <cstring>
#include <memory>

Q_DECLARE_METATYPE(ClipboardRead)
Q_DECLARE_METATYPE(X11ClipboardOwner::Manner)

namespace {

using Manner = X11ClipboardOwner::Manner;

// Counts the times it is painted, and the clicks it gets.
class PaintedWidget : public QWidget {
public:
    int paints = 0;
    int clicks = 0;

protected:
    void paintEvent(QPaintEvent*) override { ++paints; }
    void mousePressEvent(QMouseEvent*) override { ++clicks; }
};

// A click of the left button on a window, as the X server delivers the user's.
void click(X11Connection& display, xcb_window_t window) {
    for (const uint8_t type : {XCB_BUTTON_PRESS, XCB_BUTTON_RELEASE}) {
        xcb_button_press_event_t button{};
        button.response_type = type;
        button.detail = 1;
        button.event = window;
        button.event_x = button.event_y = 5;
        button.same_screen = 1;
        char event[32] = {};
        std::memcpy(event, &button, sizeof button);
        xcb_send_event(display.get(), 0, window, XCB_EVENT_MASK_NO_EVENT, event);
    }
    xcb_flush(display.get());
}

// A picture of noise, which PNG cannot make much smaller: several megabytes, sent in parts.
QImage noise(int width, int height) {
    QImage picture(width, height, QImage::Format_RGB32);
    QRandomGenerator random(7);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<quint32*>(picture.scanLine(y));
        random.fillRange(line, width);
        for (int x = 0; x < width; ++x)
            line[x] |= 0xff000000;
    }
    return picture;
}

// Leaves the clipboard to nobody: an owner that has gone.
void emptyClipboard() {
    X11ClipboardOwner gone(Manner::Answers, "UTF8_STRING", "x");
}

// An owner that answers does so within milliseconds; the tests wait far less for one that does not
// than a user's clipboard would.
constexpr ClipboardWaits Waits{1000, 5000};
// Texts as long as a field holds, and as long as the tests' largest.
constexpr qsizetype FieldCharacters = 32767;
constexpr qsizetype Plenty = qsizetype(16) << 20;

} // namespace

class TestX11Clipboard : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb")); }

    // An owner that never answers costs one wait, during which the window paints, timers run and
    // a click reaches the window, which holds it while one of its events waits.
    void silentOwner_data() {
        QTest::addColumn<bool>("picture");
        QTest::newRow("picture") << true;
        QTest::newRow("text") << false;
    }
    void silentOwner() {
        QFETCH(bool, picture);
        X11ClipboardOwner owner(Manner::Silent, "image/png", {});
        QVERIFY(owner.ownsClipboard());
        PaintedWidget window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const int paintsBefore = window.paints;
        X11Connection user(0);
        // A timer that is due at every turn of the event loop: it ticks as often as the loop turns,
        // however long the wait lasts.
        int ticks = 0;
        QTimer timer;
        timer.setInterval(0);
        QObject::connect(&timer, &QTimer::timeout, [&] {
            if (++ticks == 1)
                click(user, xcb_window_t(window.winId()));
            window.update();
        });
        timer.start();

        QtClipboard clipboard(Waits);
        const ClipboardRead read =
            picture ? pictureNow(clipboard).read : textNow(clipboard, FieldCharacters).read;
        QCOMPARE(read, ClipboardRead::NoAnswer);
        QVERIFY2(ticks >= 3, qPrintable(QString::number(ticks)));
        QVERIFY2(window.paints - paintsBefore >= 3, qPrintable(QString::number(window.paints)));
        QCOMPARE(window.clicks, 1);
    }

    // A copy in another program while the owner does not answer: what it copied is read.
    void replacedOwner() {
        X11ClipboardOwner silent(Manner::Silent, "UTF8_STRING", {});
        std::unique_ptr<X11ClipboardOwner> next;
        QTimer::singleShot(200, [&] {
            next = std::make_unique<X11ClipboardOwner>(Manner::Answers, "UTF8_STRING",
                                                       u"广东"_qs.toUtf8());
        });
        const ClipboardText read = textNow(QtClipboard(Waits), FieldCharacters);
        QVERIFY(next && next->ownsClipboard());
        QCOMPARE(read.read, ClipboardRead::Found);
        QCOMPARE(read.text, u"广东"_qs);
    }

    // A picture of megabytes comes in parts, whole, from this program's own clipboard (which
    // answers while the read waits) and from another program.
    void largePicture_data() {
        QTest::addColumn<bool>("ownClipboard");
        QTest::newRow("this program's clipboard") << true;
        QTest::newRow("another program") << false;
    }
    void largePicture() {
        QFETCH(bool, ownClipboard);
        const QImage picture = noise(1200, 800);
        const QByteArray bytes = encoded(picture, "png");
        QVERIFY(bytes.size() > 2 * X11ClipboardOwner::PartBytes);
        std::unique_ptr<X11ClipboardOwner> owner;
        if (ownClipboard) {
            auto* data = new QMimeData;
            data->setData(QStringLiteral("image/png"), bytes);
            QGuiApplication::clipboard()->setMimeData(data);
        } else {
            owner = std::make_unique<X11ClipboardOwner>(Manner::Answers, "image/png", bytes);
            QVERIFY(owner->ownsClipboard());
        }
        QtClipboard clipboard(Waits);
        const ClipboardPicture read = pictureNow(clipboard);
        QCOMPARE(read.read, ClipboardRead::Found);
        QCOMPARE(read.picture.convertToFormat(QImage::Format_RGB32), picture);
    }

    // Text in UTF-8, however the owner names it, or in Latin-1 when that is all it offers.
    void text_data() {
        QTest::addColumn<QByteArray>("type");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        const QString chinese = u"广东 湛江 ☎ 𠀀"_qs;
        QTest::newRow("UTF-8 type")
            << QByteArray("text/plain;charset=utf-8") << chinese.toUtf8() << chinese;
        QTest::newRow("X11 UTF-8 type") << QByteArray("UTF8_STRING") << chinese.toUtf8() << chinese;
        QTest::newRow("X11 Latin-1 type")
            << QByteArray("STRING") << QByteArray("Caf\xe9") << u"Café"_qs;
        const QString tenMegabytes = chinese.repeated(10'000'000 / chinese.toUtf8().size());
        QTest::newRow("10 MB in parts")
            << QByteArray("text/plain") << tenMegabytes.toUtf8() << tenMegabytes;
    }
    void text() {
        QFETCH(QByteArray, type);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        X11ClipboardOwner owner(Manner::Answers, type, bytes);
        QVERIFY(owner.ownsClipboard());
        const ClipboardText read = textNow(QtClipboard(Waits), Plenty);
        QCOMPARE(read.read, ClipboardRead::Found);
        QVERIFY(read.text == text);
    }

    // This program's own text, copied from one of its fields, is read the same way.
    void ownText() {
        const QString text = u"广东 湛江"_qs;
        QGuiApplication::clipboard()->setText(text);
        const ClipboardText read = textNow(QtClipboard(Waits), FieldCharacters);
        QCOMPARE(read.read, ClipboardRead::Found);
        QCOMPARE(read.text, text);
    }

    // Nothing to read: nobody holds the clipboard, the owner offers another kind or refuses.
    void empty() {
        emptyClipboard();
        QCOMPARE(textNow(QtClipboard(Waits), FieldCharacters).read, ClipboardRead::Empty);
        QCOMPARE(pictureNow(QtClipboard(Waits)).read, ClipboardRead::Empty);
        {
            X11ClipboardOwner picture(Manner::Answers, "image/png", encoded(noise(3, 2), "png"));
            QCOMPARE(textNow(QtClipboard(Waits), FieldCharacters).read, ClipboardRead::Empty);
        }
        X11ClipboardOwner refusing(Manner::Refuses, "UTF8_STRING", "text");
        QCOMPARE(textNow(QtClipboard(Waits), FieldCharacters).read, ClipboardRead::Empty);
    }

    // A text is read as long as the reader asks for: in UTF-8, three bytes a character at the most.
    void textAsLongAsAsked_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<ClipboardRead>("read");
        QTest::newRow("as long") << QString(FieldCharacters, u'长') << ClipboardRead::Found;
        QTest::newRow("one longer")
            << QString(FieldCharacters + 1, u'a') << ClipboardRead::TooLarge;
        QTest::newRow("one longer, in three bytes")
            << QString(FieldCharacters + 1, u'长') << ClipboardRead::TooLarge;
    }
    void textAsLongAsAsked() {
        QFETCH(QString, text);
        QFETCH(ClipboardRead, read);
        X11ClipboardOwner owner(Manner::Answers, "UTF8_STRING", text.toUtf8());
        QVERIFY(owner.ownsClipboard());
        const ClipboardText found = textNow(QtClipboard(Waits), FieldCharacters);
        QCOMPARE(found.read, read);
        QCOMPARE(found.text.size(), read == ClipboardRead::Found ? text.size() : 0);
    }

    // Owners that would have the program read without end, or die half-way: the read ends, having
    // held no more than its limit. An owner that dies leaves the clipboard empty, and the read
    // says so rather than waiting out the time for an answer.
    void unboundedOwners_data() {
        QTest::addColumn<Manner>("manner");
        QTest::addColumn<bool>("picture");
        QTest::addColumn<int>("megabytes");
        QTest::addColumn<ClipboardRead>("read");
        QTest::newRow("endless picture")
            << Manner::EndlessParts << true << 3 << ClipboardRead::TooLarge;
        QTest::newRow("endless text")
            << Manner::EndlessParts << false << 3 << ClipboardRead::TooLarge;
        QTest::newRow("text beyond a field")
            << Manner::Answers << false << 17 << ClipboardRead::TooLarge;
        QTest::newRow("picture whose owner dies")
            << Manner::DiesMidParts << true << 3 << ClipboardRead::Empty;
    }
    void unboundedOwners() {
        QFETCH(Manner, manner);
        QFETCH(bool, picture);
        QFETCH(int, megabytes);
        QFETCH(ClipboardRead, read);
        const QByteArray bytes(megabytes << 20, 'a');
        X11ClipboardOwner owner(manner, picture ? "image/png" : "UTF8_STRING", bytes);
        QVERIFY(owner.ownsClipboard());
        QtClipboard clipboard(Waits);
        QCOMPARE(picture ? pictureNow(clipboard).read : textNow(clipboard, FieldCharacters).read,
                 read);
    }
};

QTEST_MAIN(TestX11Clipboard)
#include "test_x11_clipboard.moc"
