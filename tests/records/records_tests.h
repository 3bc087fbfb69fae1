#pragma once

#include "support/row_invariants.h"
#include "support/started_form.h"

#include <QObject>
#include <QRect>
#include <QString>

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
