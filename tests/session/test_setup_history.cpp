// SPDX-License-Identifier: MIT
#include "support/messages.h"
#include "support/recorded_form.h"
#include "support/run_tests.h"

#include <QImage>
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
        w.model.commitTyping();
    };
}
Step at(const QDateTime& moment, ControlId id) {
    return [moment, id](RecordedForm& w) {
        w.platform.clock.moment = moment;
        w.recorder().click(id);
    };
}
Step pasted(const char* clipboard, ControlId id) {
    return [clipboard, id](RecordedForm& w) {
        w.platform.clipboard.textValue = QString::fromUtf8(clipboard);
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
    void refusedPasteLeavesNoStep();
    void timerTickBelongsToItsCapture();
    void typingIsUndoneFirst();
    void oldestStepsAreDropped();
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
    const std::vector<FormState> states = run(w, steps);
    const QStringList recorded = w.recorder().lines();
    const qsizetype messagesShown = w.platform.messages.shown.size();
    w.platform.clock.moment = QDateTime(QDate(2025, 1, 1), QTime(12, 0));
    w.platform.clipboard.textValue = QStringLiteral("不同的剪贴板");

    for (auto state = states.rbegin() + 1; state != states.rend(); ++state) {
        QVERIFY(w.model.canUndo());
        w.model.undo();
        QVERIFY(*state == w.form.snapshot());
    }
    QVERIFY(!w.model.canUndo());
    QVERIFY(w.recorder().lines().isEmpty());
    w.model.undo();
    QVERIFY(states.front() == w.form.snapshot());

    for (auto state = states.begin() + 1; state != states.end(); ++state) {
        QVERIFY(w.model.canRedo());
        w.model.redo();
        QVERIFY(*state == w.form.snapshot());
    }
    QVERIFY(!w.model.canRedo());
    QCOMPARE(w.recorder().lines(), recorded);
    // Nothing ran again: no command met its error a second time.
    QCOMPARE(w.platform.messages.shown.size(), messagesShown);
}

// A new action after an undo drops what was undone; typing counts as an action once it is final.
void TestSetupHistory::newActionForgetsTheUndone() {
    RecordedForm w;
    SetupRecorder& r = w.recorder();
    r.click(Row2EnableBox);
    r.click(Row3EnableBox);
    w.model.undo();
    QVERIFY(w.model.canRedo());
    r.type(NumberField, QStringLiteral("1"));
    QVERIFY(!w.model.canRedo());
    w.model.commitTyping();
    QCOMPARE(r.lines(), QStringList({QStringLiteral("Check1"), QStringLiteral("Text3 = 1")}));
    w.model.redo();
    QCOMPARE(r.lines().size(), 2);
    w.model.undo();
    QCOMPARE(w.form.text(NumberField), QStringLiteral("13800138000"));
}

// Undoing past the saved set-up leaves actions unsaved; redoing back to it leaves none.
void TestSetupHistory::savedSetupIsKeptAcrossUndo() {
    RecordedForm w;
    w.platform.writeToMemory();
    w.recorder().click(Row2EnableBox);
    QString error;
    QVERIFY(w.model.save(QStringLiteral("/work/a.vks"), Morning, &error));
    QVERIFY(w.platform.disk.file(QStringLiteral("/work/a.vks"))
                .value_or(QByteArray())
                .contains("Check1"));
    w.model.undo();
    QVERIFY(w.model.hasUnsavedActions());
    w.model.redo();
    QVERIFY(!w.model.hasUnsavedActions());
    // A new action after an undo is unsaved, although the recording is as long as the saved one.
    w.model.undo();
    w.recorder().click(Row3EnableBox);
    QCOMPARE(w.recorder().lines().size(), 1);
    QVERIFY(w.model.hasUnsavedActions());
}

// Undoing an action after a capture brings the capture's state back without doing it again: the
// picture its export saved is not written anew, the clipboard keeps what the user put there since,
// and no pause is waited.
void TestSetupHistory::undoTouchesNothingOutsideTheWindow() {
    RecordedForm w;
    w.platform.writeToMemory();
    w.recorder().click(ElementId::BackArrow);
    QVERIFY(w.form.timerRunning());
    w.form.timerTick();
    const QString exported = w.platform.files.folder + QStringLiteral("/13800138000.jpg");
    QVERIFY(w.platform.disk.remove(exported));
    typed(BatteryField, "57")(w);
    clicked(BatterySubmitButton)(w);
    const FormState captured = [&] {
        RecordedForm again;
        again.platform.writeToMemory();
        again.recorder().click(ElementId::BackArrow);
        again.form.timerTick();
        return again.form.snapshot();
    }();
    QImage theUsers(4, 4, QImage::Format_RGB32);
    theUsers.fill(Qt::green);
    w.platform.clipboard.pictureValue = theUsers;
    const qsizetype pauses = w.platform.timer.pauses.size();

    w.model.undo();
    w.model.undo();
    QVERIFY(w.form.snapshot() == captured);
    QCOMPARE(w.platform.clipboard.pictureValue, theUsers);
    QCOMPARE(w.platform.timer.pauses.size(), pauses);
    QCOMPARE(w.platform.disk.filesUnder(QStringLiteral("/")), QStringList());
}

// A paste the field cannot hold changes nothing and leaves no step: undo after three steps of the
// battery takes back the last of them, not the paste and everything after it.
void TestSetupHistory::refusedPasteLeavesNoStep() {
    RecordedForm w;
    w.platform.clipboard.textValue = QString(Form::MaxFieldText + 1, u'1');
    w.recorder().click(NumberPasteButton);
    QCOMPARE(w.platform.messages.shown.size(), 1);
    QVERIFY(namesErrorAndField(w.platform.messages.shown[0], ErrorKind::TextTooLong,
                               QStringLiteral("手机号码")));
    QVERIFY(w.platform.messages.shown[0].contains(QString::number(Form::MaxFieldText)));
    QCOMPARE(w.form.text(NumberField), QStringLiteral("13800138000"));
    QStringList battery;
    for (int i = 0; i < 3; ++i) {
        w.recorder().click(BatteryDownButton);
        battery.append(w.form.text(BatteryField));
    }
    QCOMPARE(battery.last(), QStringLiteral("89%"));
    w.model.undo();
    QCOMPARE(w.form.text(BatteryField), battery[1]);
    QCOMPARE(w.recorder().lines(), QStringList({"Command1", "Command1"}));
    QCOMPARE(w.platform.messages.shown.size(), 1);
}

// The export that the back arrow's timer runs is part of the capture's step: undo goes back to
// before the capture, redo to the window widened again with the export's caption, and the
// recording holds the one line that makes both.
void TestSetupHistory::timerTickBelongsToItsCapture() {
    RecordedForm w;
    w.platform.writeToMemory();
    const FormState before = w.form.snapshot();
    w.recorder().click(ElementId::BackArrow);
    w.recorder().timerTick();
    const FormState exported = w.form.snapshot();
    QVERIFY(exported.caption.endsWith(QStringLiteral("已保存")));
    const QStringList recorded{QStringLiteral("now 2024-10-14 9:32:05"), QStringLiteral("Image2")};
    QCOMPARE(w.recorder().lines(), recorded);

    w.model.undo();
    QVERIFY(w.form.snapshot() == before);
    QVERIFY(!w.model.canUndo());
    w.model.redo();
    QVERIFY(w.form.snapshot() == exported);
    QCOMPARE(w.recorder().lines(), recorded);
}

// Typing that is not final yet is the last step: undo takes it back first, and the field's
// recorded text with it.
void TestSetupHistory::typingIsUndoneFirst() {
    RecordedForm w;
    w.recorder().click(Row2EnableBox);
    w.recorder().type(BatteryField, QStringLiteral("5"));
    w.recorder().type(LocationField, QStringLiteral("北京"));
    QVERIFY(w.model.canUndo());
    QVERIFY(!w.model.canRedo());
    w.model.undo();
    QCOMPARE(w.form.text(LocationField), RecordedForm().form.text(LocationField));
    QCOMPARE(w.form.text(BatteryField), QStringLiteral("5"));
    w.model.undo();
    QCOMPARE(w.form.text(BatteryField), RecordedForm().form.text(BatteryField));
    QCOMPARE(w.recorder().lines(), QStringList{QStringLiteral("Check1")});
    w.model.redo();
    w.model.redo();
    QCOMPARE(w.recorder().lines(),
             QStringList({"Check1", "Text1 = 5", QStringLiteral("Text4 = 北京")}));
    QVERIFY(w.model.hasUnsavedActions());
}

// However long the session, undo goes back at most so many steps; the recording keeps every line.
void TestSetupHistory::oldestStepsAreDropped() {
    RecordedForm w;
    const int steps = SetupHistory::MostSteps + 5;
    for (int i = 0; i < steps; ++i)
        w.recorder().click(Row2EnableBox);
    int undone = 0;
    while (w.model.canUndo()) {
        w.model.undo();
        ++undone;
    }
    QCOMPARE(undone, SetupHistory::MostSteps);
    QCOMPARE(w.recorder().lines().size(), steps - SetupHistory::MostSteps);
    QCOMPARE(w.form.value(Row2EnableBox), 1); // an odd number of clicks is left
}

VOKARELO_TEST_MAIN(TestSetupHistory)
#include "test_setup_history.moc"
