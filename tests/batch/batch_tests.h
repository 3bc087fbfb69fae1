#pragma once

#include <QObject>

class TestScript : public QObject {
    Q_OBJECT

private slots:
    void acceptedLines_data();
    void acceptedLines();
    void skippedLines_data();
    void skippedLines();
    void refusedLines_data();
    void refusedLines();
    void formattedLinesReadBack_data();
    void formattedLinesReadBack();
    void lineEnds_data();
    void lineEnds();
    void lineLengthLimit();
    void readFailure();
};

class TestBatchRunner : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void sameCaptureAsTheWindow();
    void timerTickExportsAtTheEndOfItsLine();
    void errorsNameTheirLine_data();
    void errorsNameTheirLine();
    void lineEndingsAndBlanksOfFieldTexts();
    void everyLineEndEndsALine();
    void exitButtonEndsTheScript();
    void savesPngAndJpeg();
    void saveRefusesWhatIsNoFile_data();
    void saveRefusesWhatIsNoFile();
    void failedExportFailsItsLine_data();
    void failedExportFailsItsLine();
};

class TestBatchProgram : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void help();
    void usageErrors_data();
    void usageErrors();
    void standardInputWithoutDisplay();
    void scaledPictures_data();
    void scaledPictures();
    void failingLineExitsNonZero();
    void fullDisk_data();
    void fullDisk();
    void folderThatIsNotUtf8();
    void endlessLine();
    void examples_data();
    void examples();
};

class TestSetups : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void replayMakesTheSamePicture_data();
    void replayMakesTheSamePicture();
    void scriptIsReadable();
    void unsavedActions();
    void openedScriptRunsInTheWindow();
    void openedScriptCanBeStopped();
};

class TestSetupHistory : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void undoAndRedoRetraceEveryState_data();
    void undoAndRedoRetraceEveryState();
    void newActionForgetsTheUndone();
    void savedSetupIsKeptAcrossUndo();
};
