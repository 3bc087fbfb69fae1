#pragma once

#include <QObject>

class TestStartState : public QObject {
    Q_OBJECT

private slots:
    void window();
    void statusBarAndBattery();
    void elementsAtStart_data();
    void elementsAtStart();
    void unansweredIconsLieOnCallIcons();
    void panelDefaults();
    void checkBoxRules();
    void startUpErrorIsReportedNotFatal();
};

class TestPainting : public QObject {
    Q_OBJECT

private slots:
    void windowImageSize();
    void statusLabelsBlendWithBand();
    void batteryFillShowsNineteenColumns();
    void batteryFillWidths_data();
    void batteryFillWidths();
    void stackingOrder_data();
    void stackingOrder();
    void pictureBoxAboveWindowlessElements();
    void hiddenElementsDoNotPaint();
    void labelWrapsAndClips();
    void bottomBandCoversBackground();
    void finerScreenDrawsFinerPictures_data();
    void finerScreenDrawsFinerPictures();
    void phoneWidthIsSharp_data();
    void phoneWidthIsSharp();
};

class TestCaptions : public QObject {
    Q_OBJECT

private slots:
    void defaultCaptionInsideItsLabel_data();
    void defaultCaptionInsideItsLabel();
    void wordWiderThanItsLabelBreaks_data();
    void wordWiderThanItsLabelBreaks();
    void blankIsAsWideAsTheNamedFaces_data();
    void blankIsAsWideAsTheNamedFaces();
};
