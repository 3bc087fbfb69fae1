// SPDX-License-Identifier: MIT
#include "fading_notice.h"

#include "accessible_widgets.h"
#include "desktop/shown_text.h"

#include <QAccessible>
#include <QGraphicsOpacityEffect>
#include <QPropertyAnimation>
#include <QTimer>

FadingNotice::FadingNotice(const QString& text, QWidget* window) : QLabel(window) {
    showPlainText(*this, text);
    setObjectName(QStringLiteral("fadingNotice"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAlignment(Qt::AlignCenter);
    setStyleSheet(QStringLiteral("background: rgba(40, 40, 40, 215); color: white;"
                                 "border-radius: 8px; padding: 10px 22px;"));
    QFont bigger = font();
    bigger.setPixelSize(16);
    setFont(bigger);
    adjustSize();
    auto* effect = new QGraphicsOpacityEffect(this);
    effect->setOpacity(1);
    setGraphicsEffect(effect);
    auto* fade = new QPropertyAnimation(effect, "opacity", this);
    fade->setDuration(FadeMs);
    fade->setEndValue(0.0);
    QObject::connect(fade, &QPropertyAnimation::finished, this, &QObject::deleteLater);
    QTimer::singleShot(ShownMs, fade, [fade] { fade->start(); });
}

QList<FadingNotice*> FadingNotice::shownOver(const QWidget& over) {
    QList<FadingNotice*> notices;
    for (QObject* child : over.window()->children())
        if (auto* notice = dynamic_cast<FadingNotice*>(child))
            notices.append(notice);
    return notices;
}

void FadingNotice::showOver(QWidget& over, const QString& text) {
    QWidget* window = over.window();
    // Hidden now: a message box's loop may run before the deletion does.
    for (FadingNotice* earlier : shownOver(*window)) {
        earlier->hide();
        earlier->deleteLater();
    }
    auto* notice = new FadingNotice(text, window);
    // Low in the middle of what the window shows, where a toast is looked for.
    const QRect shown = window->rect();
    notice->move(shown.center().x() - notice->width() / 2,
                 shown.bottom() - notice->height() - shown.height() / 6);
    notice->raise();
    renewAccessibleInterface(*notice);
    notice->show();
    // Said at once by a screen reader, as it is seen at once.
    QAccessibleEvent alert(notice, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}
