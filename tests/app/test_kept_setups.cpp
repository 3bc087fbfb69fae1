// SPDX-License-Identifier: MIT
#include "app/recent_setups.h"
#include "app/session_keeper.h"
#include "app/setup_files.h"
#include "support/files.h"
#include "support/finished.h"
#include "support/recorded_form.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

namespace {

const QString Filter = QStringLiteral("Vokarelo 设置 (*.vks);;所有文件 (*)");
// The set-up of one click, as the fake clock dates it.
const QByteArray SavedClick = "# Vokarelo set-up, saved 2024-10-14 9:32:05\nCheck1\n";
const QString NoDataFolder =
    QStringLiteral("找不到用户的数据文件夹（HOME 或 XDG_DATA_HOME 没有设置为绝对路径）");

// The window's set-ups and session on the fake services alone: what is asked, answered,
// remembered and written. The widget only stands behind a run's progress, and is never shown.
struct Keeping : RecordedForm {
    QWidget window;
    SetupFiles files{window, model, platform.shell()};
    SessionKeeper keeper{model, platform.shell(), files};
    QStringList used;

    Keeping() {
        files.used = [this](const QString& path) { used.append(path); };
    }
};

} // namespace

class TestKeptSetups : public QObject {
    Q_OBJECT

    QTemporaryDir folder_;

private slots:
    void initTestCase() { QVERIFY(folder_.isValid()); }

    // A program that ends without the user keeps the session in the data folder; when it cannot,
    // it says nothing then and records why, and the next start tells it once. A record the
    // settings do not take is told nowhere at the next start.
    void endedWithoutTheUser_data() {
        QTest::addColumn<bool>("dataFolder");
        QTest::addColumn<bool>("refusesRecords");
        QTest::addColumn<QStringList>("toldNext");
        QTest::newRow("kept") << true << false << QStringList();
        QTest::newRow("no data folder")
            << false << false
            << QStringList{
                   QStringLiteral("2024-10-14 9:32:05退出时，这次的操作没有保存为上次退出时的"
                                  "设置：") +
                   NoDataFolder};
        QTest::newRow("record refused") << false << true << QStringList();
    }

    void endedWithoutTheUser() {
        QFETCH(bool, dataFolder);
        QFETCH(bool, refusesRecords);
        QFETCH(QStringList, toldNext);
        QTemporaryDir data;
        Keeping ended;
        if (dataFolder)
            ended.platform.locations.data = data.path();
        ended.platform.settings.refusesRecords = refusesRecords;
        ended.recorder().click(ControlId::Row2EnableBox);
        ended.keeper.keepWithoutAsking();
        // Asked again, as a logout after a signal would: the session is left as it was first.
        ended.platform.clock.moment = ended.platform.clock.moment.addSecs(60);
        ended.keeper.keepWithoutAsking();
        QVERIFY(ended.platform.messages.shown.isEmpty());
        const QString kept = data.filePath(QStringLiteral("last-session.vks"));
        QCOMPARE(readFile(kept), dataFolder ? SavedClick : QByteArray());
        QCOMPARE(ended.platform.settings.unkept.has_value(), !toldNext.isEmpty());

        Keeping next;
        next.platform.settings = ended.platform.settings;
        next.keeper.tellLastFailure();
        next.keeper.tellLastFailure();
        QCOMPARE(next.platform.messages.shown, toldNext);
        QVERIFY(!next.platform.settings.unkept);
    }

    // The user quits and the session cannot be kept: 取消 and Escape go back to the window,
    // 仍然退出 quits without it, 另存为… quits once the set-up is saved elsewhere, and asks again
    // when the save dialog is cancelled. Quitting once decided is not asked again.
    void quitWhenTheSessionCannotBeKept_data() {
        QTest::addColumn<QList<int>>("choices");
        QTest::addColumn<QStringList>("saveAnswers");
        QTest::addColumn<bool>("quits");
        QTest::addColumn<int>("questions");
        QTest::addColumn<int>("dialogs");
        QTest::newRow("取消") << QList<int>{2} << QStringList() << false << 1 << 0;
        QTest::newRow("Escape") << QList<int>() << QStringList() << false << 1 << 0;
        QTest::newRow("仍然退出") << QList<int>{1} << QStringList() << true << 1 << 0;
        QTest::newRow("另存为…") << QList<int>{0} << QStringList{QStringLiteral("elsewhere.vks")}
                                 << true << 1 << 1;
        QTest::newRow("另存为… cancelled, then 取消")
            << QList<int>{0, 2} << QStringList() << false << 2 << 1;
        QTest::newRow("另存为… cancelled, then 仍然退出")
            << QList<int>{0, 1} << QStringList() << true << 2 << 1;
    }

    void quitWhenTheSessionCannotBeKept() {
        QFETCH(QList<int>, choices);
        QFETCH(QStringList, saveAnswers);
        QFETCH(bool, quits);
        QFETCH(int, questions);
        QFETCH(int, dialogs);
        QTemporaryDir elsewhere;
        Keeping s;
        s.recorder().click(ControlId::Row2EnableBox);
        FakeMessages& messages = s.platform.messages;
        messages.choices = choices;
        for (const QString& name : saveAnswers)
            s.platform.fileDialogs.answers.append(elsewhere.filePath(name));

        QCOMPARE(finished(s.keeper.keepBeforeQuit()), quits);
        QCOMPARE(messages.chooseQuestions.size(), questions);
        for (const QString& question : std::as_const(messages.chooseQuestions))
            QVERIFY2(question.contains(NoDataFolder), qPrintable(question));
        QCOMPARE(messages.offered.first(),
                 (QStringList{QStringLiteral("另存为…"), QStringLiteral("仍然退出"),
                              QStringLiteral("取消")}));
        QCOMPARE(s.platform.fileDialogs.asked.size(), dialogs);
        const QStringList saved = QDir(elsewhere.path()).entryList(QDir::Files);
        QCOMPARE(saved, saveAnswers);
        if (!saved.isEmpty())
            QCOMPARE(readFile(elsewhere.filePath(saved.first())), SavedClick);

        // Quitting again: once decided, nothing more is asked; gone back, the user is asked anew.
        QCOMPARE(finished(s.keeper.keepBeforeQuit()), quits);
        QCOMPARE(messages.chooseQuestions.size(), questions + (quits ? 0 : 1));
    }

    // Ctrl+S suggests a set-up named after the number the window shows, when the number makes a
    // file name, in the folder last used; once saved, its folder is the one remembered and the
    // set-up is among the recent ones.
    void saveNamesTheSetupAfterTheNumber_data() {
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("suggested");
        QTest::newRow("a number") << QStringLiteral("13800138000")
                                  << QStringLiteral("13800138000.vks");
        QTest::newRow("a slash") << QStringLiteral("138/00") << QStringLiteral("set-up.vks");
        QTest::newRow("none") << QString() << QStringLiteral("set-up.vks");
    }

    void saveNamesTheSetupAfterTheNumber() {
        QFETCH(QString, number);
        QFETCH(QString, suggested);
        QTemporaryDir last;
        QTemporaryDir chosen;
        Keeping s;
        s.platform.settings.folder = last.path();
        s.form.setText(ControlId::NumberField, number);
        s.recorder().click(ControlId::Row2EnableBox);
        const QString path = chosen.filePath(QStringLiteral("mine.vks"));
        s.platform.fileDialogs.answers = {path};

        QVERIFY(finished(s.files.saveSteps()));
        QCOMPARE(s.platform.fileDialogs.asked.size(), 1);
        const FakeFileDialogs::Asked& asked = s.platform.fileDialogs.asked.first();
        QVERIFY(asked.saving);
        QCOMPARE(asked.title, QStringLiteral("保存设置"));
        QCOMPARE(asked.start, QDir(last.path()).filePath(suggested));
        QCOMPARE(asked.filter, Filter);
        QCOMPARE(readFile(path), SavedClick);
        QCOMPARE(s.platform.settings.folder, chosen.path());
        QCOMPARE(s.used, QStringList{path});
        QVERIFY(!s.model.hasUnsavedActions());
    }

    // A save that fails says where and why, keeps the set-up unsaved and is no set-up used; a
    // cancelled dialog saves nothing and remembers nothing.
    void saveThatDoesNotHappen_data() {
        QTest::addColumn<bool>("cancelled");
        QTest::newRow("cancelled") << true;
        QTest::newRow("the disk is full") << false;
    }

    void saveThatDoesNotHappen() {
        QFETCH(bool, cancelled);
        QTemporaryDir chosen;
        Keeping s;
        s.recorder().click(ControlId::Row2EnableBox);
        s.platform.files.fault = FailingFileStore::Fault::Create;
        const QString path = chosen.filePath(QStringLiteral("mine.vks"));
        if (!cancelled)
            s.platform.fileDialogs.answers = {path};

        QVERIFY(!finished(s.files.saveSteps()));
        QCOMPARE(s.platform.fileDialogs.asked.size(), 1);
        QVERIFY(!QFileInfo::exists(path));
        QVERIFY(s.used.isEmpty());
        QVERIFY(s.model.hasUnsavedActions());
        QCOMPARE(s.platform.messages.shown.size(), cancelled ? 0 : 1);
        if (!cancelled)
            QVERIFY2(s.platform.messages.shown.first().startsWith(
                         QStringLiteral("设置没有保存到%1：").arg(path)),
                     qPrintable(s.platform.messages.shown.first()));
        // The folder chosen is remembered once the user has chosen it, saved or not.
        QCOMPARE(s.platform.settings.folder, cancelled ? QString() : chosen.path());
    }

    // Ctrl+O opens its dialog in the folder last used while it is there, else at home.
    void openStartsInTheFolderLastUsed_data() {
        QTest::addColumn<QString>("remembered");
        QTest::addColumn<bool>("there");
        QTest::newRow("there") << QStringLiteral("last") << true;
        QTest::newRow("gone") << QStringLiteral("gone") << false;
        QTest::newRow("none") << QString() << false;
    }

    void openStartsInTheFolderLastUsed() {
        QFETCH(QString, remembered);
        QFETCH(bool, there);
        QTemporaryDir folders;
        QVERIFY(QDir(folders.path()).mkdir(QStringLiteral("last")));
        Keeping s;
        if (!remembered.isEmpty())
            s.platform.settings.folder = folders.filePath(remembered);
        s.files.open();
        QCOMPARE(s.platform.fileDialogs.asked.size(), 1);
        const FakeFileDialogs::Asked& asked = s.platform.fileDialogs.asked.first();
        QVERIFY(!asked.saving);
        QCOMPARE(asked.title, QStringLiteral("打开设置"));
        QCOMPARE(asked.start, there ? folders.filePath(remembered) : QDir::homePath());
        QCOMPARE(asked.filter, Filter);
        // Cancelled: nothing opened, nothing remembered anew.
        QCOMPARE(s.platform.settings.folder,
                 remembered.isEmpty() ? QString() : folders.filePath(remembered));
        QVERIFY(s.used.isEmpty() && s.platform.messages.shown.isEmpty());
    }

    // The recent set-ups: newest first, each once, at most eight, those still there; the last
    // session's set-up is never among them.
    void recentSetupsKeepTheirOrderAndCap() {
        FakeSettings settings;
        FakeLocations locations;
        locations.data = folder_.path();
        RecentSetups recent(settings, locations);
        QStringList paths;
        for (int i = 0; i < RecentSetups::Kept + 2; ++i) {
            paths.append(folder_.filePath(QStringLiteral("%1.vks").arg(i)));
            writeFile(paths.last(), "Check1\n");
            recent.add(paths.last());
        }
        const QStringList newestFirst{paths[9], paths[8], paths[7], paths[6],
                                      paths[5], paths[4], paths[3], paths[2]};
        QCOMPARE(recent.files(), newestFirst);
        QCOMPARE(settings.recent, newestFirst);

        recent.add(paths[5]);
        recent.add(paths[0]);
        writeFile(recent.lastSessionPath(), "Check1\n");
        recent.add(recent.lastSessionPath());
        QVERIFY(QFile::remove(paths[8]));
        QCOMPARE(recent.files(), (QStringList{paths[0], paths[5], paths[9], paths[7], paths[6],
                                              paths[4], paths[3]}));
        QCOMPARE(settings.recent.size(), RecentSetups::Kept);
    }
};

QTEST_MAIN(TestKeptSetups)
#include "test_kept_setups.moc"
