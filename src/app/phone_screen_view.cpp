// SPDX-License-Identifier: MIT
#include "phone_screen_view.h"

#include "accessible_widgets.h"

#include <QAccessible>

PhoneScreenView::PhoneScreenView(QWidget& window, std::function<QString()> describe,
                                 std::function<void()> pressBackArrow, QKeySequence backArrowKey)
    : QWidget(&window), describe_(std::move(describe)), pressBackArrow_(std::move(pressBackArrow)),
      backArrowKey_(std::move(backArrowKey)) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setAccessibleName(name());
    renewAccessibleInterface(*this);
}

QString PhoneScreenView::name() {
    return QStringLiteral("手机截屏画面");
}

void PhoneScreenView::shownChanged() {
    QString now = describe_();
    if (now == told_)
        return;
    told_ = std::move(now);
    QAccessibleEvent changed(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
}
