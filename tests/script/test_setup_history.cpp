// SPDX-License-Identifier: MIT
#include "script/setup_history.h"
#include "support/recorded_form.h"
#include "support/run_tests.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <vector>

namespace {

using enum ControlId;

// One recorded action of a user, with the clock and clipboard the user found.
using Step = std::function<void(RecordedForm&)>;
using Steps = std::vector<Step>;

Step clicked(ControlId id) {
    return [id](RecordedForm& w) { w.recorder().click(id); };
}
// Typing made final, as when the field loses the focus.
Step typed(ControlId field, const char* text) {
    return [field, text](RecordedForm& w) {
        w.recorder().type(field, QString::fromUtf8(text));
        w.recorder().commitTyping();
    };
}
Step at(const QDateTime& moment, ControlId id) {
    return [moment, id](RecordedForm& w) {
        w.platform.clock = moment;
        w.recorder().click(id);
    };
}
Step pasted(const char* clipboard, ControlId id) {
    return [clipboard, id](RecordedForm& w) {
        w.platform.clipboardTextValue = QString::fromUtf8(clipboard);
        w.recorder().click(id);
    };
}

const QDateTime Morning(QDate(2024, 10, 14), QTime(9, 32, 5));
const QDateTime Evening(QDate(2024, 10, 16), QTime(21, 7, 44));

// The form's state at the start and after each step that changed it; a step that changed nothing
// (a command that failed before it wrote) leaves no line to undo.
std::vector<FormState> run(RecordedForm& w, const Steps& steps) {
    std::vector<FormState> states{w.form.snapshot()};
    for (const Step& step : steps) {
        step(w);
        if (!(w.form.snapshot() == states.back()))
            states.push_back(w.form.snapshot());
    }
    return states;
}

} // namespace

Q_DECLARE_METATYPE(Steps)

class TestSetupHistory : public QObject {
    Q_OBJECT

private slots:
    void undoAndRedoRetraceEveryState_data();
    void undoAndRedoRetraceEveryState();
    void newActionForgetsTheUndone();
    void savedSetupIsKeptAcrossUndo();
    void undoTouchesNothingOutsideTheWindow();
};

void TestSetupHistory::undoAndRedoRetraceEveryState_data() {
    QTest::addColumn<Steps>("steps");
    QTest::newRow("typed and submitted") << Steps{
        typed(BatteryField, "57"), clicked(BatterySubmitButton), clicked(BatteryDownButton),
        typed(ColourRedField, "200"), clicked(ColourSaveButton)};
    QTest::newRow("clock read at different moments")
        << Steps{at(Morning, ClockNowButton), at(Evening, Row1NowButton),
                 at(Morning, Row1TodayButton), clicked(ClockAdvanceButton)};
    QTest::newRow("pasted, the same clipboard twice") << Steps{
        pasted("13912345678", NumberPasteButton), pasted("广东广州 移动", LocationPasteButton),
        pasted("广东广州 移动", NumberPasteButton), typed(NumberField, "010 1234567"),
        clicked(NumberSubmitButton)};
    QTest::newRow("rows switched on and off")
        << Steps{clicked(Row2EnableBox), clicked(Row3EnableBox), clicked(Row2MissedBox),
                 clicked(Row2EnableBox)};
    QTest::newRow("errors on the way")
        << Steps{typed(Row1SecondsField, "x"), clicked(Row1PlusSevenButton),
                 typed(BatteryField, "abc"),   clicked(BatterySubmitButton),
                 typed(Row1SecondsField, "9"), clicked(Row1DurationSubmitButton)};
    QTest::newRow("window lengthened and restored")
        << Steps{clicked(LengthenLabel), clicked(LengthenLabel), clicked(RestoreHeightLabel),
                 clicked(AutoSaveBox)};
}

// Each undo brings back the state before the action it undoes, clock, clipboard and errors
// included; redo goes forward through the same states; the recording follows.
void TestSetupHistory::undoAndRedoRetraceEveryState() {
    QFETCH(Steps, steps);
    RecordedForm w;
    SetupHistory history(w.setups);
    const std::vector<FormState> states = run(w, steps);
    const QStringList recorded = w.recorder().lines();
    const qsizetype messagesShown = w.platform.messages.size();
    w.platform.clock = QDateTime(QDate(2025, 1, 1), QTime(12, 0));
    w.platform.clipboardTextValue = QStringLiteral("不同的剪贴板");

    for (auto state = states.rbegin() + 1; state != states.rend(); ++state) {
        QVERIFY(history.canUndo());
        QVERIFY(!history.undo());
        QVERIFY(*state == w.form.snapshot());
    }
    QVERIFY(!history.canUndo());
    QVERIFY(w.recorder().lines().isEmpty());
    QVERIFY(!history.undo());

    for (auto state = states.begin() + 1; state != states.end(); ++state) {
        QVERIFY(history.canRedo());
        QVERIFY(!history.redo());
        QVERIFY(*state == w.form.snapshot());
    }
    QVERIFY(!history.canRedo());
    QCOMPARE(w.recorder().lines(), recorded);
    // A replay's errors are the recording's own, tolerated as its "try" lines say.
    QCOMPARE(w.platform.messages.size(), messagesShown);
}

// A new action after an undo drops what was undone; typing counts as an action once it is final.
void TestSetupHistory::newActionForgetsTheUndone() {
    RecordedForm w;
    SetupHistory history(w.setups);
    SetupRecorder& r = w.recorder();
    r.click(Row2EnableBox);
    r.click(Row3EnableBox);
    QVERIFY(!history.undo());
    QVERIFY(history.canRedo());
    r.type(NumberField, QStringLiteral("1"));
    QVERIFY(!history.canRedo());
    QCOMPARE(r.lines(), QStringList({QStringLiteral("Check1"), QStringLiteral("Text3 = 1")}));
    QVERIFY(!history.redo());
    QCOMPARE(r.lines().size(), 2);
    QVERIFY(!history.undo());
    QCOMPARE(w.form.text(NumberField), QStringLiteral("13800138000"));
}

// Undoing past the saved set-up leaves actions unsaved; redoing back to it leaves none.
void TestSetupHistory::savedSetupIsKeptAcrossUndo() {
    RecordedForm w;
    SetupHistory history(w.setups);
    w.recorder().click(Row2EnableBox);
    QTemporaryDir folder;
    QString error;
    QVERIFY(w.setups.save(folder.filePath(QStringLiteral("a.vks")), Morning, &error));
    QVERIFY(!history.undo());
    QVERIFY(w.recorder().hasUnsavedActions());
    QVERIFY(!history.redo());
    QVERIFY(!w.recorder().hasUnsavedActions());
}

// Undoing an action after a capture brings the capture's state back without doing it again: the
// picture its export saved is not written anew, the clipboard keeps what the user put there since,
// and no pause is waited.
void TestSetupHistory::undoTouchesNothingOutsideTheWindow() {
    QTemporaryDir folder;
    RecordedForm w;
    w.platform.folder = folder.path();
    SetupHistory history(w.setups);
    w.recorder().click(ElementId::BackArrow);
    QVERIFY(w.form.timerRunning());
    w.form.timerTick();
    const QString exported = folder.filePath(QStringLiteral("13800138000.jpg"));
    QVERIFY(QFile::remove(exported));
    typed(BatteryField, "57")(w);
    clicked(BatterySubmitButton)(w);
    const FormState captured = [&] {
        RecordedForm again;
        again.platform.folder = folder.path();
        again.recorder().click(ElementId::BackArrow);
        again.form.timerTick();
        QFile::remove(exported);
        return again.form.snapshot();
    }();
    QImage theUsers(4, 4, QImage::Format_RGB32);
    theUsers.fill(Qt::green);
    w.platform.clipboardImageValue = theUsers;
    const qsizetype pauses = w.platform.pauses.size();

    QVERIFY(!history.undo());
    QVERIFY(!history.undo());
    QVERIFY(w.form.snapshot() == captured);
    QVERIFY(!QFile::exists(exported));
    QCOMPARE(w.platform.clipboardImageValue, theUsers);
    QCOMPARE(w.platform.pauses.size(), pauses);
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
}

VOKARELO_TEST_MAIN(TestSetupHistory)
#include "test_setup_history.moc"
