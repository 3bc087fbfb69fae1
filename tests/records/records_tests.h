#pragma once

#include "screen/form.h"
#include "support/fake_platform.h"
#include "support/row_invariants.h"

#include <QObject>
#include <QRect>
#include <QString>

// A window after its start-up, on the fake platform.
struct Started {
    FakePlatform platform;
    Form form{platform};
    Started() { form.start(); }
};

class TestRowCommands : public QObject {
    Q_OBJECT

private slots:
    void submitWithDefaults_data();
    void submitWithDefaults();
    void submitUsesOwnRowFields_data();
    void submitUsesOwnRowFields();
    void durationCaption_data();
    void durationCaption();
    void plusSevenSequence();
    void plusSeven_data();
    void plusSeven();
    void plusSevenAlwaysAnswered();
    void todayAndNow_data();
    void todayAndNow();
    void durationSubmitRinging_data();
    void durationSubmitRinging();
};

class TestRowMarking : public QObject {
    Q_OBJECT

private slots:
    void unansweredRowOne();
    void prefixNeverDoubles();
    void enablingTransitions_data();
    void enablingTransitions();
    void unansweredBoxOfHiddenRowWaits();
};

class TestDerivedTimes : public QObject {
    Q_OBJECT

private slots:
    void clockAdvance_data();
    void clockAdvance();
    void derivedTime_data();
    void derivedTime();
    void derivedTimesChainAndHiddenRow();
    void minutesClear_data();
    void minutesClear();
};

class TestRowPictures : public QObject {
    Q_OBJECT

private slots:
    void unansweredDateIsRed();
    void missedCallIconReplacesCallIcon();
    void rowsAppearAndDisappear_data();
    void rowsAppearAndDisappear();
};
