// SPDX-License-Identifier: MIT
#pragma once

#include <QKeySequence>
#include <QString>
#include <QWidget>
#include <functional>

// The phone screen as assistive technology meets it: an image over the painted phone screen that
// takes no input (the window under it takes the clicks and drags), named for what it is and
// described by what it shows, which changes with every command; pressing it presses the back
// arrow, as its key does.
class PhoneScreenView : public QWidget {
public:
    PhoneScreenView(QWidget& window, std::function<QString()> describe,
                    std::function<void()> pressBackArrow, QKeySequence backArrowKey);

    static QString name();
    QString description() const { return describe_(); }
    void pressBackArrow() const { pressBackArrow_(); }
    const QKeySequence& backArrowKey() const { return backArrowKey_; }
    // Tells assistive technology what the phone screen shows now, when that changed.
    void shownChanged();

private:
    std::function<QString()> describe_;
    std::function<void()> pressBackArrow_;
    QKeySequence backArrowKey_;
    QString told_;
};
