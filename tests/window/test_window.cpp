// SPDX-License-Identifier: MIT
#include "screen/fonts.h"
#include "screen/screen_painter.h"
#include "support/failing_file_store.h"
#include "support/jpeg.h"
#include "support/memory_file_store.h"
#include "support/started_form.h"
#include "window/capture.h"
#include "window/screen_description.h"

#include <QBuffer>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImageReader>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <variant>

Q_DECLARE_METATYPE(ControlId)

namespace {

// What the capture's table clicks: the back arrow on the phone screen or the panel's title.
using ClickTarget = std::variant<ControlId, ElementId>;

const QString Confirmation = QStringLiteral("已截屏！去聊天窗口粘贴试试.. - ");

// A started window on a fake platform.
struct Window : StartedForm {
    using StartedForm::StartedForm;

    // L lengthen, R restore, T width toggle.
    void run(const QString& actions) {
        for (const QChar a : actions) {
            if (a == u'L')
                form.click(ControlId::LengthenLabel);
            else if (a == u'R')
                form.click(ControlId::RestoreHeightLabel);
            else
                form.click(ElementId::BackArrow);
        }
    }
    bool bandShown() const { return form.element(ElementId::BottomBand).visible; }
};

// Every file under a folder, relative to it.
QStringList filesUnder(const QString& folder) {
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(QDir(folder).relativeFilePath(it.next()));
    return files;
}

// The program's folder, in memory, holding an earlier picture under the start number's name, for
// exports that must leave it as it was.
struct FolderWithEarlierPicture {
    MemoryFileStore& disk;
    const QString folder;
    const QString path = folder + QStringLiteral("/13800138000.jpg");

    explicit FolderWithEarlierPicture(FakeServices& platform)
        : disk(platform.disk), folder(platform.files.folder) {
        platform.writeToMemory();
        disk.addFile(path, "earlier picture");
    }
    bool untouched() const {
        return disk.filesUnder(folder) == QStringList{QStringLiteral("13800138000.jpg")} &&
               disk.file(path) == "earlier picture";
    }
};

} // namespace

class TestWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { installFontSubstitutions(); }

    // The tables are in the order of their typed names, and every handler of the binding table is
    // filed under its own control's event, as the window definition names them.
    void windowDefinitionHoldsTogether() {
        const WindowDefinition& definition = windowDefinition();
        QCOMPARE(definition.elements.size(), std::size_t(ElementCount));
        for (int i = 0; i < ElementCount; ++i)
            QCOMPARE(definition.elements[i].id, ElementId(i));
        QCOMPARE(definition.controls.size(), std::size_t(ControlCount));
        for (int i = 0; i < ControlCount; ++i)
            QCOMPARE(definition.controls[i].id, ControlId(i));

        QSet<QString> keys;
        for (const EventBinding& b : definition.events) {
            QVERIFY(b.handler);
            QVERIFY2(!keys.contains(b.handlerName), b.handlerName);
            keys.insert(b.handlerName);
            QString expected;
            if (const auto* control = std::get_if<ControlId>(&b.target))
                expected = QString::fromLatin1(definition.controls[int(*control)].name);
            else if (const auto* element = std::get_if<ElementId>(&b.target))
                expected = definition.elements[int(*element)].name;
            if (b.event == EventKind::Click)
                expected += QStringLiteral("_Click");
            else if (b.event == EventKind::DblClick)
                expected += QStringLiteral("_DblClick");
            else
                expected = b.event == EventKind::Load     ? QStringLiteral("Form_Load")
                           : b.event == EventKind::Resize ? QStringLiteral("Form_Resize")
                                                          : QStringLiteral("Timer1_Timer");
            QCOMPARE(QString::fromLatin1(b.handlerName), expected);
        }
        // Every button answers its click.
        const StartedForm s;
        for (const PanelControl& c : definition.controls)
            if (c.kind == ControlKind::Button)
                QVERIFY2(s.form.answers(c.id, EventKind::Click), c.name);
    }

    void widthToggle_data() {
        QTest::addColumn<double>("from");
        QTest::addColumn<double>("to");
        QTest::addColumn<bool>("captured");
        QTest::newRow("wide narrows") << 13335.0 << 7860.0 << true;
        QTest::newRow("just above narrow") << 7860.5 << 7860.0 << true;
        QTest::newRow("exactly narrow widens") << 7860.0 << 13335.0 << false;
        QTest::newRow("below narrow widens") << 5000.0 << 13335.0 << false;
    }
    void widthToggle() {
        QFETCH(double, from);
        QFETCH(double, to);
        QFETCH(bool, captured);
        Window w;
        w.form.setWidth(from);
        w.form.click(ElementId::BackArrow);
        QCOMPARE(w.form.width(), float(to));
        QCOMPARE(w.form.height(), 12810.0f);
        QCOMPARE(!w.platform.clipboard.pictureValue.isNull(), captured);
        QCOMPARE(w.form.caption().startsWith(Confirmation), captured);
        QCOMPARE(w.form.visible(ControlId::SavePictureLabel), captured);
        QCOMPARE(w.form.timerRunning(), captured);
    }

    // Every state of the height and the bottom band, on a screen tall enough for the lengthened
    // window and on a lower one, under each of the three commands.
    void heightStates_data() {
        QTest::addColumn<int>("screenPixels");
        QTest::addColumn<QString>("reach");
        QTest::addColumn<float>("height");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<QString>("action");
        QTest::addColumn<float>("expectedHeight");
        QTest::addColumn<bool>("expectedShown");
        struct Row {
            const char* state;
            QString reach;
            float height;
            bool shown;
            float afterL;
            bool shownAfterL;
            float afterR;
            bool shownAfterR;
            float afterT;
            bool shownAfterT;
        };
        const bool S = true, H = false;
        const Row tall[] = {
            {"start", "", 12810, H, 12825, S, 12825, H, 12810, H},
            {"12825 hidden", "R", 12825, H, 12825, S, 12825, H, 12825, H},
            {"12825 shown", "L", 12825, S, 15225, S, 12825, H, 15225, S},
            {"15225 shown", "LL", 15225, S, 15225, S, 15225, H, 15225, S},
            {"15225 hidden", "LLR", 15225, H, 15225, S, 12825, H, 12825, H},
        };
        const Row low[] = {
            {"start", "", 12810, H, 12825, S, 12825, H, 12810, H},
            {"12825 hidden", "R", 12825, H, 12825, S, 12825, H, 12825, H},
            {"12825 shown", "L", 12825, S, 15225, S, 12825, H, 12825, S},
            {"15225 shown", "LL", 15225, S, 15225, S, 12825, H, 15225, S},
        };
        const auto add = [](int pixels, const Row& r) {
            const auto row = [&](const char* action, float h, bool s) {
                QTest::addRow("%d px, %s, %s", pixels, r.state, action)
                    << pixels << r.reach << r.height << r.shown << QString::fromLatin1(action) << h
                    << s;
            };
            row("L", r.afterL, r.shownAfterL);
            row("R", r.afterR, r.shownAfterR);
            row("T", r.afterT, r.shownAfterT);
        };
        for (const Row& r : tall)
            add(1080, r);
        for (const Row& r : low)
            add(900, r);
    }
    void heightStates() {
        QFETCH(int, screenPixels);
        QFETCH(QString, reach);
        QFETCH(float, height);
        QFETCH(bool, shown);
        QFETCH(QString, action);
        QFETCH(float, expectedHeight);
        QFETCH(bool, expectedShown);
        Window w(screenPixels);
        w.run(reach);
        QCOMPARE(w.form.height(), height);
        QCOMPARE(w.bandShown(), shown);
        w.run(action);
        QCOMPARE(w.form.height(), expectedHeight);
        QCOMPARE(w.bandShown(), expectedShown);
    }

    // A width toggle back to wide takes the lengthened height with it.
    void lengthenedThenToggledBothWays() {
        Window w;
        w.run(QStringLiteral("LT"));
        QCOMPARE(w.form.width(), 7860.0f);
        QCOMPARE(w.form.height(), 15225.0f);
        w.run(QStringLiteral("T"));
        QCOMPARE(w.form.width(), 13335.0f);
        QCOMPARE(w.form.height(), 15225.0f);
        QVERIFY(w.bandShown());
    }

    void exitQuits() {
        Window w;
        w.form.click(ControlId::QuitButton);
        QVERIFY(w.messages.quitWasAsked());
        QVERIFY(w.platform.messages.shown.isEmpty());
    }

    void capture_data() {
        QTest::addColumn<ClickTarget>("control");
        QTest::addColumn<int>("autoSave");
        QTest::addColumn<bool>("timerStarted");
        QTest::newRow("back arrow, not ticked") << ClickTarget(ElementId::BackArrow) << 0 << false;
        QTest::newRow("back arrow, ticked") << ClickTarget(ElementId::BackArrow) << 1 << true;
        QTest::newRow("back arrow, greyed") << ClickTarget(ElementId::BackArrow) << 2 << false;
        QTest::newRow("panel title, not ticked")
            << ClickTarget(ControlId::PanelTitle) << 0 << false;
        QTest::newRow("panel title, ticked") << ClickTarget(ControlId::PanelTitle) << 1 << false;
        QTest::newRow("panel title, greyed") << ClickTarget(ControlId::PanelTitle) << 2 << false;
    }
    void capture() {
        QFETCH(ClickTarget, control);
        QFETCH(int, autoSave);
        QFETCH(bool, timerStarted);
        Window w;
        w.form.setValue(ControlId::AutoSaveBox, autoSave);
        std::visit([&](auto target) { w.form.click(target); }, control);
        QCOMPARE(w.form.width(), 7860.0f);
        QCOMPARE(w.form.caption(), Confirmation + QStringLiteral("2024/10/14 9:32:05"));
        QVERIFY(w.form.visible(ControlId::SavePictureLabel));
        QCOMPARE(w.form.timerRunning(), timerStarted);
        QCOMPARE(w.platform.timer.starts, timerStarted ? QList<int>{500} : QList<int>{});
        QVERIFY(w.platform.messages.shown.isEmpty());
    }

    void captureTimeText_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QTime>("time");
        QTest::addColumn<QString>("expected");
        const QLocale zh(QLocale::Chinese, QLocale::China);
        const QLocale us(QLocale::English, QLocale::UnitedStates);
        const QLocale de(QLocale::German, QLocale::Germany);
        const QLocale fi(QLocale::Finnish, QLocale::Finland);
        const QLocale ca(QLocale::French, QLocale::Canada);
        const QLocale ir(QLocale::Persian, QLocale::Iran);
        QTest::newRow("zh_CN morning") << zh << QTime(9, 32, 5) << "2024/10/14 9:32:05";
        QTest::newRow("zh_CN evening") << zh << QTime(21, 7, 0) << "2024/10/14 21:07:00";
        QTest::newRow("zh_CN midnight") << zh << QTime(0, 0, 0) << "2024/10/14";
        QTest::newRow("zh_CN midnight, milliseconds") << zh << QTime(0, 0, 0, 300) << "2024/10/14";
        QTest::newRow("zh_CN one second past") << zh << QTime(0, 0, 1) << "2024/10/14 0:00:01";
        QTest::newRow("en_US morning") << us << QTime(9, 32, 5) << "10/14/24 9:32:05 AM";
        QTest::newRow("en_US evening") << us << QTime(21, 7, 9) << "10/14/24 9:07:09 PM";
        QTest::newRow("en_US midnight") << us << QTime(0, 0, 0) << "10/14/24";
        QTest::newRow("de_DE") << de << QTime(9, 32, 5) << "14.10.24 9:32:05";
        QTest::newRow("fi_FI dots") << fi << QTime(9, 32, 5) << "14.10.2024 9.32.05";
        QTest::newRow("fr_CA quoted units")
            << ca << QTime(9, 32, 5) << "2024-10-14 9 h 32 min 05 s";
        QTest::newRow("fa_IR bracketed zone") << ir << QTime(9, 32, 5) << "۲۰۲۴/۱۰/۱۴ ۹:۳۲:۰۵";
    }
    void captureTimeText() {
        QFETCH(QLocale, locale);
        QFETCH(QTime, time);
        QFETCH(QString, expected);
        QCOMPARE(::captureTimeText(QDateTime(QDate(2024, 10, 14), time), locale), expected);
    }

    // The clipboard gets the narrow window at whatever height it has once the width has changed,
    // in the screen's device pixels, as a screenshot of the window would be.
    void clipboardPicture_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<qreal>("pixelRatio");
        QTest::addColumn<QSize>("size");
        QTest::newRow("start height") << "" << 1.0 << QSize(524, 854);
        QTest::newRow("restored") << "R" << 1.0 << QSize(524, 855);
        QTest::newRow("lengthened") << "LL" << 1.0 << QSize(524, 1015);
        QTest::newRow("half lengthened, the toggle completes it") << "L" << 1.0 << QSize(524, 1015);
        QTest::newRow("high-density screen") << "" << 2.0 << QSize(1048, 1708);
        QTest::newRow("lengthened, phone density") << "LL" << 3.0 << QSize(1572, 3045);
    }
    void clipboardPicture() {
        QFETCH(QString, before);
        QFETCH(qreal, pixelRatio);
        QFETCH(QSize, size);
        Window w;
        w.platform.screen.ratio = pixelRatio;
        w.run(before);
        w.form.click(ElementId::BackArrow);
        const QImage& picture = w.platform.clipboard.pictureValue;
        QCOMPARE(picture.size(), size);
        QCOMPARE(picture, renderWindow(w.form, pixelRatio));
    }

    void timerTickExports() {
        Window w;
        w.platform.writeToMemory();
        w.form.click(ElementId::BackArrow);
        const QImage captured = w.platform.clipboard.pictureValue;
        w.form.timerTick();

        QVERIFY(!w.form.timerRunning());
        QCOMPARE(w.platform.timer.stops, 1);
        QCOMPARE(w.platform.timer.pauses, QList<int>{500});
        const QString path = w.platform.files.folder + QStringLiteral("/13800138000.jpg");
        const QString caption = QStringLiteral("图片") + path + QStringLiteral("已保存");
        QCOMPARE(w.form.caption(), caption);
        QCOMPARE(w.platform.messages.shown.size(), 1);
        QCOMPARE(w.platform.messages.shown[0], caption);
        QCOMPARE(w.form.width(), 13335.0f);

        const std::optional<QByteArray> written = w.platform.disk.file(path);
        QVERIFY(written);
        QBuffer bytes;
        bytes.setData(*written);
        QImageReader reader(&bytes);
        QCOMPARE(reader.format(), QByteArray("jpeg"));
        QCOMPARE(reader.size(), QSize(524, 854));
        QCOMPARE(*written, jpegAt75(captured));
        QCOMPARE(w.platform.disk.filesUnder(w.platform.files.folder),
                 QStringList{QStringLiteral("13800138000.jpg")});

        // The timer ticked once and stopped for good.
        w.form.timerTick();
        QCOMPARE(w.platform.messages.shown.size(), 1);
    }

    // A capture the clipboard refused (a Wayland compositor's answer to a window without input)
    // says so in the caption, and its export saves the picture the capture took, unless the user
    // has put a picture on the clipboard since; a later capture that reaches the clipboard is the
    // one saved again.
    void captureTheClipboardRefused_data() {
        QTest::addColumn<QString>("since");
        QTest::addColumn<QString>("saved");
        QTest::addColumn<QString>("reason");
        QTest::newRow("nothing since") << ""
                                       << "capture"
                                       << "";
        QTest::newRow("a text copied since") << "text"
                                             << "capture"
                                             << "";
        QTest::newRow("a picture copied since") << "picture"
                                                << "foreign"
                                                << "";
        QTest::newRow("an owner that does not answer since") << "silent owner"
                                                             << ""
                                                             << "剪贴板没有响应";
        QTest::newRow("a capture that reached the clipboard since") << "capture again"
                                                                    << "second capture"
                                                                    << "";
    }
    void captureTheClipboardRefused() {
        QFETCH(QString, since);
        QFETCH(QString, saved);
        QFETCH(QString, reason);
        Window w;
        w.platform.writeToMemory();
        QImage foreign(30, 20, QImage::Format_RGB32);
        foreign.fill(Qt::darkCyan);
        w.platform.clipboard.textValue = QStringLiteral("copied before");
        w.platform.clipboard.refusesPictures = true;
        w.form.click(ElementId::BackArrow);

        QCOMPARE(w.form.caption(), QStringLiteral("截屏未能放到剪贴板（请先点一下窗口再截屏） - "
                                                  "2024/10/14 9:32:05"));
        QVERIFY(w.form.timerRunning());
        const QImage captured = capturedPicture(w.form, 1);
        QCOMPARE(w.form.captureOffClipboard(), captured);
        QCOMPARE(w.platform.clipboard.textValue, QStringLiteral("copied before"));
        QVERIFY(w.platform.clipboard.pictureValue.isNull());

        QImage expected = captured;
        if (since == u"text") {
            w.platform.clipboard.textValue = QStringLiteral("copied since");
        } else if (since == u"picture") {
            w.platform.clipboard.pictureValue = foreign;
            expected = foreign;
        } else if (since == u"silent owner") {
            w.platform.clipboard.answers = false;
        } else if (since == u"capture again") {
            w.form.timerTick();
            w.platform.clipboard.refusesPictures = false;
            w.run(QStringLiteral("LT"));
            QCOMPARE(w.form.caption(), Confirmation + QStringLiteral("2024/10/14 9:32:05"));
            QVERIFY(w.form.captureOffClipboard().isNull());
            expected = w.platform.clipboard.pictureValue;
            QCOMPARE(expected.size(), QSize(524, 1015));
            QVERIFY(w.platform.disk.remove(w.platform.files.folder +
                                           QStringLiteral("/13800138000.jpg")));
            w.platform.messages.shown.clear();
        }
        w.form.timerTick();

        const QString path = w.platform.files.folder + QStringLiteral("/13800138000.jpg");
        const QString caption =
            QStringLiteral("图片") + path +
            (reason.isEmpty() ? QStringLiteral("已保存") : QStringLiteral("未保存：") + reason);
        QCOMPARE(w.form.caption(), caption);
        QCOMPARE(w.platform.messages.shown, QStringList{caption});
        const std::optional<QByteArray> written = w.platform.disk.file(path);
        if (saved.isEmpty()) {
            QVERIFY(!written);
            return;
        }
        QVERIFY(written);
        QCOMPARE(*written, jpegAt75(expected));
    }

    // Each export, saved or not, names the path and its outcome in the caption and a message,
    // writes only inside the program's folder, and leaves the window wide.
    void exportOutcome_data() {
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("folder"); // relative to a temporary folder
        QTest::addColumn<bool>("picture");
        QTest::addColumn<QString>("written"); // empty: nothing
        QTest::addColumn<QString>("reason");  // empty: saved
        const QString app = QStringLiteral("app");
        QTest::newRow("number") << "13800138000" << app << true << "app/13800138000.jpg"
                                << "";
        QTest::newRow("blanks") << "138 0013 8000" << app << true << "app/138 0013 8000.jpg"
                                << "";
        QTest::newRow("empty number") << "" << app << true << "app/.jpg"
                                      << "";
        QTest::newRow("no picture") << "13800138000" << app << false << ""
                                    << "剪贴板中没有图片";
        QTest::newRow("parent folder") << "../x" << app << true << ""
                                       << "手机号码中有“/”，不能作文件名";
        QTest::newRow("subfolder") << "a/b" << app << true << ""
                                   << "手机号码中有“/”，不能作文件名";
        QTest::newRow("dot") << "." << app << true << ""
                             << "手机号码“.”不能作文件名";
        QTest::newRow("dot dot") << ".." << app << true << ""
                                 << "手机号码“..”不能作文件名";
        QTest::newRow("NUL") << QStringLiteral("138") + QChar(u'\0') << app << true << ""
                             << "手机号码中有空字符，不能作文件名";
        QTest::newRow("line break") << "138\n0013" << app << true << ""
                                    << "手机号码中有换行符（U+000A），不能作文件名";
        QTest::newRow("carriage return") << "1380013\r" << app << true << ""
                                         << "手机号码中有回车符（U+000D），不能作文件名";
        QTest::newRow("tab") << "\t138" << app << true << ""
                             << "手机号码中有制表符（U+0009），不能作文件名";
        QTest::newRow("escape") << "138\x1b[2J" << app << true << ""
                                << "手机号码中有控制字符（U+001B），不能作文件名";
        QTest::newRow("delete") << "138\x7f" << app << true << ""
                                << "手机号码中有控制字符（U+007F），不能作文件名";
        QTest::newRow("next line (C1)") << QStringLiteral("138\u0085") << app << true << ""
                                        << "手机号码中有控制字符（U+0085），不能作文件名";
        QTest::newRow("lone surrogate")
            << QStringLiteral("138") + QChar(0xd800) << app << true << ""
            << "手机号码中有不能作文件名的字符";
        QTest::newRow("300 characters") << QString(300, u'1') << app << true << ""
                                        << "文件名太长";
        QTest::newRow("folder at the name") << "dir" << app << true << ""
                                            << "同名的是一个文件夹";
        QTest::newRow("folder missing") << "13800138000"
                                        << "missing" << true << ""
                                        << "程序所在的文件夹不能写入，也找不到用户的图片文件夹";
        QTest::newRow("folder under a file")
            << "13800138000"
            << "file/app" << true << ""
            << "程序所在的文件夹不能写入，也找不到用户的图片文件夹";
    }
    void exportOutcome() {
        QFETCH(QString, number);
        QFETCH(QString, folder);
        QFETCH(bool, picture);
        QFETCH(QString, written);
        QFETCH(QString, reason);
        Window w;
        w.platform.writeToMemory();
        MemoryFileStore& disk = w.platform.disk;
        const QString top = QStringLiteral("/tmp/export");
        disk.addFolder(top + QStringLiteral("/app/dir.jpg"));
        disk.addFile(top + QStringLiteral("/file"), {});
        w.platform.files.folder = top + u'/' + folder;
        w.form.click(ControlId::PanelTitle);
        if (!picture)
            w.platform.clipboard.pictureValue = QImage();
        w.form.setText(ControlId::NumberField, number);
        w.form.click(ControlId::SavePictureLabel);

        const QString prefix = QStringLiteral("图片") + w.platform.files.folder + u'/' + number +
                               QStringLiteral(".jpg");
        const QString caption = w.form.caption();
        if (reason.isEmpty())
            QCOMPARE(caption, prefix + QStringLiteral("已保存"));
        else
            QCOMPARE(caption, prefix + QStringLiteral("未保存：") + reason);
        QCOMPARE(w.platform.messages.shown.size(), 1);
        QCOMPARE(w.platform.messages.shown[0], caption);
        // A file not written is told as a warning, which a saved one is not.
        QCOMPARE(w.platform.messages.warned,
                 reason.isEmpty() ? QStringList{} : QStringList{caption});

        QStringList expectedFiles{QStringLiteral("file")};
        if (!written.isEmpty())
            expectedFiles.append(written);
        expectedFiles.sort();
        QCOMPARE(disk.filesUnder(top), expectedFiles);
        if (!written.isEmpty()) {
            QBuffer bytes;
            bytes.setData(disk.file(top + u'/' + written).value_or(QByteArray()));
            QCOMPARE(QImageReader(&bytes).size(), QSize(524, 854));
            // An export on its own is on the disk before it says so: the file, then its folder.
            QCOMPARE(w.platform.files.syncs, 2);
        }
        QCOMPARE(w.form.width(), 13335.0f);
    }

    // The picture goes beside the program when this user may write there, as from a copy run in
    // its own folder; otherwise, as for an installed program, into the user's pictures folder, in
    // a folder of its own made when needed. The message names the path either way.
    void exportFolderChoice_data() {
        QTest::addColumn<bool>("programFolderWritable");
        QTest::addColumn<QString>("pictures"); // relative to a temporary folder; "-": none
        QTest::addColumn<QString>("made");     // a file put there first, relative to the same
        QTest::addColumn<QString>("path");     // where the picture goes, relative to the same
        QTest::addColumn<QString>("reason");   // empty: saved there
        QTest::newRow("writable program folder") << true << "Pictures"
                                                 << ""
                                                 << "app/13800138000.jpg"
                                                 << "";
        QTest::newRow("installed") << false << "Pictures"
                                   << ""
                                   << "Pictures/Vokarelo/13800138000.jpg"
                                   << "";
        QTest::newRow("installed, pictures folder not there yet")
            << false << "home/Pictures"
            << ""
            << "home/Pictures/Vokarelo/13800138000.jpg"
            << "";
        QTest::newRow("installed, own folder there already") << false << "Pictures"
                                                             << "Pictures/Vokarelo/other.jpg"
                                                             << "Pictures/Vokarelo/13800138000.jpg"
                                                             << "";
        QTest::newRow("installed, a file where its folder goes")
            << false << "Pictures"
            << "Pictures/Vokarelo"
            << "Pictures/Vokarelo/13800138000.jpg"
            << "无法建立文件夹%1/Pictures/Vokarelo：同名的不是文件夹";
        QTest::newRow("installed, no pictures folder")
            << false << "-"
            << ""
            << "app/13800138000.jpg"
            << "程序所在的文件夹不能写入，也找不到用户的图片文件夹";
    }
    void exportFolderChoice() {
        QFETCH(bool, programFolderWritable);
        QFETCH(QString, pictures);
        QFETCH(QString, made);
        QFETCH(QString, path);
        QFETCH(QString, reason);
        Window w;
        w.platform.writeToMemory();
        MemoryFileStore& disk = w.platform.disk;
        const QString top = QStringLiteral("/home/user");
        disk.addFolder(top + QStringLiteral("/app"));
        disk.addFolder(top + QStringLiteral("/Pictures"));
        if (!made.isEmpty())
            disk.addFile(top + u'/' + made, {});
        w.platform.files.folder = top + QStringLiteral("/app");
        if (!programFolderWritable)
            w.platform.files.readOnlyFolder = w.platform.files.folder;
        if (pictures != u"-")
            w.platform.files.pictures = top + u'/' + pictures;
        w.form.click(ControlId::PanelTitle);
        w.form.click(ControlId::SavePictureLabel);

        const QString shown = QStringLiteral("图片") + top + u'/' + path;
        QCOMPARE(w.form.caption(), reason.isEmpty()
                                       ? shown + QStringLiteral("已保存")
                                       : shown + QStringLiteral("未保存：") +
                                             QString(reason).replace(QStringLiteral("%1"), top));
        QStringList expected;
        if (!made.isEmpty())
            expected.append(made);
        if (reason.isEmpty())
            expected.append(path);
        expected.sort();
        QCOMPARE(disk.filesUnder(top), expected);
        if (reason.isEmpty()) {
            QBuffer bytes;
            bytes.setData(disk.file(top + u'/' + path).value_or(QByteArray()));
            QCOMPARE(QImageReader(&bytes).format(), QByteArray("jpeg"));
        }
    }

    // A clipboard that gave no picture says why: a picture too large to read and an owner that did
    // not answer are not "no picture". Nothing is written and an earlier file stays.
    void exportSaysWhyTheClipboardGaveNoPicture_data() {
        QTest::addColumn<bool>("answers");
        QTest::addColumn<bool>("tooLarge");
        QTest::addColumn<QString>("reason");
        QTest::newRow("no picture") << true << false << "剪贴板中没有图片";
        QTest::newRow("too large") << true << true << "剪贴板中的图片太大，无法读取";
        QTest::newRow("no answer") << false << false << "剪贴板没有响应";
    }
    void exportSaysWhyTheClipboardGaveNoPicture() {
        QFETCH(bool, answers);
        QFETCH(bool, tooLarge);
        QFETCH(QString, reason);
        Window w;
        const FolderWithEarlierPicture folder(w.platform);
        const QString& path = folder.path;
        w.form.click(ControlId::PanelTitle);
        // Only the first row empties the clipboard: in the others the picture is there, and the
        // export must not take it when the read says it could not be had.
        if (answers && !tooLarge)
            w.platform.clipboard.pictureValue = QImage();
        w.platform.clipboard.answers = answers;
        w.platform.clipboard.tooLarge = tooLarge;
        w.form.click(ControlId::SavePictureLabel);
        QCOMPARE(w.form.caption(),
                 QStringLiteral("图片") + path + QStringLiteral("未保存：") + reason);
        QCOMPARE(w.platform.messages.shown.size(), 1);
        QVERIFY(folder.untouched());
        QCOMPARE(w.form.width(), 13335.0f);
    }

    // A picture wider than JPEG holds is refused with that reason, once "Unknown error"; the
    // earlier file stays.
    void exportOfAPictureTooWideForJpeg() {
        Window w;
        const FolderWithEarlierPicture folder(w.platform);
        const QString& path = folder.path;
        w.form.click(ControlId::PanelTitle);
        w.platform.clipboard.pictureValue = QImage(65501, 2, QImage::Format_RGB32);
        w.platform.clipboard.pictureValue.fill(Qt::white);
        w.form.click(ControlId::SavePictureLabel);
        QCOMPARE(w.form.caption(),
                 QStringLiteral("图片") + path +
                     QStringLiteral("未保存：图片太大，JPEG 每边最多 65500 像素"));
        QVERIFY(folder.untouched());
    }

    // Failures only a fake file system can cause here (this user may be root) are told in the
    // window's words; the system's own text stays in the fallback.
    void exportSaysWhyTheFileWasNotWritten_data() {
        QTest::addColumn<FailingFileStore::Fault>("fault");
        QTest::addColumn<int>("error");
        QTest::addColumn<QString>("reason");
        using Fault = FailingFileStore::Fault;
        QTest::newRow("disk full") << Fault::DiskFull << 0 << "磁盘空间不足";
        QTest::newRow("disk full, error lost")
            << Fault::LostWrite << 0 << "文件没有完整写入磁盘，磁盘空间可能不足";
        QTest::newRow("folder not writable") << Fault::Create << EACCES << "没有写入此文件夹的权限";
        QTest::newRow("read-only disk") << Fault::Create << EROFS << "文件夹所在的磁盘是只读的";
        QTest::newRow("read-only file") << Fault::ReadOnly << 0 << "文件是只读的";
        QTest::newRow("anything else")
            << Fault::Create << EMLINK
            << QStringLiteral("无法写入文件（%1）").arg(QString::fromLocal8Bit(strerror(EMLINK)));
    }
    void exportSaysWhyTheFileWasNotWritten() {
        QFETCH(FailingFileStore::Fault, fault);
        QFETCH(int, error);
        QFETCH(QString, reason);
        Window w;
        const FolderWithEarlierPicture folder(w.platform);
        const QString& path = folder.path;
        w.platform.files.fault = fault;
        w.platform.files.fullAt = 100;
        if (error != 0)
            w.platform.files.createError = error;
        w.form.click(ControlId::PanelTitle);
        w.form.click(ControlId::SavePictureLabel);
        QCOMPARE(w.form.caption(),
                 QStringLiteral("图片") + path + QStringLiteral("未保存：") + reason);
        QVERIFY(folder.untouched());
    }

    // At the root the folder text already ends with a separator; the path keeps both.
    void exportPathAtRoot() {
        Window w;
        w.platform.files.folder = QStringLiteral("/");
        w.form.click(ControlId::PanelTitle);
        w.platform.clipboard.pictureValue = QImage();
        w.form.click(ControlId::SavePictureLabel);
        QCOMPARE(w.form.caption(), QStringLiteral("图片//13800138000.jpg未保存：剪贴板中没有图片"));
    }

    // Without a folder it can name, the export writes nothing: a folder the system cannot tell
    // once made it write into the root, and one whose name is not UTF-8 would name another folder.
    void exportNeedsItsFolder_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<bool>("decodable");
        QTest::addColumn<QString>("caption");
        QTest::newRow("unknown") << "" << true
                                 << "图片13800138000.jpg未保存：无法确定程序所在的文件夹";
        QTest::newRow("not UTF-8")
            << "/tmp/app\ufffd" << false
            << "图片/tmp/app\ufffd/13800138000.jpg未保存：程序所在文件夹的名称无法解码";
    }
    void exportNeedsItsFolder() {
        QFETCH(QString, folder);
        QFETCH(bool, decodable);
        QFETCH(QString, caption);
        QTemporaryDir current;
        const QString previous = QDir::currentPath();
        QDir::setCurrent(current.path());
        Window w;
        w.platform.files.folder = folder;
        w.platform.files.folderDecodable = decodable;
        w.form.click(ControlId::PanelTitle);
        w.form.click(ControlId::SavePictureLabel);
        QDir::setCurrent(previous);
        QCOMPARE(w.form.caption(), caption);
        QCOMPARE(w.platform.messages.shown.size(), 1);
        QCOMPARE(filesUnder(current.path()), QStringList());
        QVERIFY(!QFile::exists(QStringLiteral("/13800138000.jpg")));
        QCOMPARE(w.form.width(), 13335.0f);
    }

    // A link at the number's name is not followed, to a file elsewhere or to none; the message
    // says why nothing was saved, and nothing is written in either folder.
    void exportRefusesALink_data() {
        QTest::addColumn<bool>("dangling");
        QTest::newRow("to a file elsewhere") << false;
        QTest::newRow("dangling") << true;
    }
    void exportRefusesALink() {
        QFETCH(bool, dangling);
        Window w;
        w.platform.writeToMemory();
        MemoryFileStore& disk = w.platform.disk;
        const QString app = w.platform.files.folder;
        const QString elsewhere = QStringLiteral("/elsewhere");
        const QString other = elsewhere + QStringLiteral("/other.jpg");
        disk.addFile(other, "another file");
        const QString path = app + QStringLiteral("/13800138000.jpg");
        disk.addLink(path, dangling ? elsewhere + QStringLiteral("/new.jpg") : other);

        w.form.click(ControlId::PanelTitle);
        w.form.click(ControlId::SavePictureLabel);
        QCOMPARE(w.form.caption(),
                 QStringLiteral("图片") + path +
                     QStringLiteral("未保存：同名的是一个链接，不会写到它指向的地方"));
        QCOMPARE(disk.filesUnder(elsewhere), QStringList{QStringLiteral("other.jpg")});
        QCOMPARE(disk.filesUnder(app), QStringList{QStringLiteral("13800138000.jpg")});
        QCOMPARE(disk.entryKind(path), EntryKind::SymbolicLink);
        QCOMPARE(disk.file(other), QByteArray("another file"));
    }

    // A failed export leaves an earlier file as it was; a saved one replaces it whole.
    void existingFileReplaced() {
        Window w;
        w.platform.writeToMemory();
        MemoryFileStore& disk = w.platform.disk;
        const QString path = w.platform.files.folder + QStringLiteral("/13800138000.jpg");
        disk.addFile(path, "earlier picture");

        w.form.click(ControlId::PanelTitle);
        const QImage captured = w.platform.clipboard.pictureValue;
        w.platform.clipboard.pictureValue = QImage();
        w.form.click(ControlId::SavePictureLabel);
        QCOMPARE(disk.file(path), QByteArray("earlier picture"));

        w.platform.clipboard.pictureValue = captured;
        w.form.click(ControlId::SavePictureLabel);
        QCOMPARE(disk.file(path), jpegAt75(captured));
        QCOMPARE(disk.filesUnder(w.platform.files.folder),
                 QStringList{QStringLiteral("13800138000.jpg")});
    }

    // The phone screen read out: only what it shows, the records in their order, a missed call as
    // such; a caption's line breaks and direction controls are not read.
    void phoneScreenDescription_data() {
        QTest::addColumn<QList<ControlId>>("clicks");
        QTest::addColumn<QString>("location");
        QTest::addColumn<QString>("records");
        const QString record1 =
            QStringLiteral("通话记录1：10月14日 9:32，138 0013 8000，已接通，1分11秒。");
        const QString record2 =
            QStringLiteral("通话记录2：10月10日 10:12，138 0013 8000，已接通，34秒。");
        QTest::newRow("start") << QList<ControlId>{} << QString() << record1;
        QTest::newRow("record 2 on")
            << QList<ControlId>{ControlId::Row2EnableBox} << QString() << record1 + record2;
        QTest::newRow("record 3 missed")
            << QList<ControlId>{ControlId::Row3EnableBox, ControlId::Row3MissedBox} << QString()
            << record1 + record2 +
                   QStringLiteral("通话记录3：10月8日 15:47，138 0013 8000，未接通，响铃19秒。");
        QTest::newRow("record 1 missed, 2 on and off")
            << QList<ControlId>{ControlId::Row1MissedBox, ControlId::Row2EnableBox,
                                ControlId::Row2EnableBox}
            << QString()
            << QStringLiteral("通话记录1：10月14日 9:32，138 0013 8000，未接通，响铃1分11秒。");
        QTest::newRow("location with breaks and overrides")
            << QList<ControlId>{ControlId::LocationSubmitButton}
            << QStringLiteral("广东\u2028湛江\n\u202E移动\u2066") << record1;
    }
    void phoneScreenDescription() {
        QFETCH(QList<ControlId>, clicks);
        QFETCH(QString, location);
        QFETCH(QString, records);
        Window w;
        if (!location.isEmpty())
            w.form.type(ControlId::LocationField, location);
        for (const ControlId id : clicks)
            w.form.click(id);
        const QString shownLocation =
            location.isEmpty() ? QStringLiteral("广东湛江 移动") : QStringLiteral("广东 湛江 移动");
        QCOMPARE(::phoneScreenDescription(w.form),
                 QStringLiteral("时间 15:17，电量 91%。号码 138 0013 8000。138 0013 8000，") +
                     shownLocation + u'。' + records);
    }

    // However long a caption, the description reads as much as a line shows.
    void phoneScreenDescriptionOfAHugeText() {
        Window w;
        w.form.type(ControlId::LocationField, QString(30000, u'移'));
        w.form.click(ControlId::LocationSubmitButton);
        const QString described = ::phoneScreenDescription(w.form);
        QVERIFY(described.size() < 400);
        QVERIFY(described.contains(QString(100, u'移') + u'…'));
    }
};

QTEST_MAIN(TestWindow)
#include "test_window.moc"
