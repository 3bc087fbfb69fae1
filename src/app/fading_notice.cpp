// SPDX-License-Identifier: MIT
#include "fading_notice.h"

#include "platform/shown_text.h"

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

void FadingNotice::showOver(QWidget& over, const QString& text) {
    QWidget* window = over.window();
    // Hidden now: a message box's loop may run before the deletion does.
    for (auto* earlier : window->findChildren<FadingNotice*>(Qt::FindDirectChildrenOnly)) {
        earlier->hide();
        earlier->deleteLater();
    }
    auto* notice = new FadingNotice(text, window);
    // Low in the middle of what the window shows, where a toast is looked for.
    const QRect shown = window->rect();
    notice->move(shown.center().x() - notice->width() / 2,
                 shown.bottom() - notice->height() - shown.height() / 6);
    notice->raise();
    notice->show();
}
