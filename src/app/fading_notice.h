// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>

// A short notice over a window that fades away by itself: the confirmation of a capture or an
// export that a borderless window cannot show in a caption. It is a widget over the window, never
// part of the pictures, which are drawn from the form.
class FadingNotice : public QLabel {
    // Known to qobject_cast: the notice a new one replaces is found among the window's children,
    // which are labels too.
    Q_OBJECT

public:
    static constexpr int ShownMs = 1400;
    static constexpr int FadeMs = 600;

    // Shows text over the window of over, in place of a notice still showing there.
    static void showOver(QWidget& over, const QString& text);
    // The notices over the window of over, oldest first. Found by their type: without a
    // meta-object of their own, findChildren takes every label for one.
    static QList<FadingNotice*> shownOver(const QWidget& over);

private:
    FadingNotice(const QString& text, QWidget* window);
};
