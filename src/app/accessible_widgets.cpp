// SPDX-License-Identifier: MIT
#include "accessible_widgets.h"

#include "fading_notice.h"
#include "panel_widgets.h"
#include "phone_screen_view.h"
#include "window_frame.h"

#include <QAccessibleWidget>

namespace {

// A caption of the panel: a button while it answers clicks, plain text otherwise.
class AccessibleClickLabel : public QAccessibleWidget {
public:
    explicit AccessibleClickLabel(ClickLabel* label) : QAccessibleWidget(label) {}

    QAccessible::Role role() const override {
        return label()->clicked ? QAccessible::Button : QAccessible::StaticText;
    }
    QString text(QAccessible::Text t) const override {
        const QString text = QAccessibleWidget::text(t);
        return t == QAccessible::Name && text.isEmpty() ? label()->text() : text;
    }
    QStringList actionNames() const override {
        return pressable() ? QStringList{pressAction()} : QStringList{};
    }
    void doAction(const QString& action) override {
        if (action == pressAction() && pressable())
            label()->clicked();
    }

private:
    ClickLabel* label() const { return static_cast<ClickLabel*>(widget()); }
    bool pressable() const {
        return label()->clicked && label()->isEnabled() && !label()->isHidden();
    }
};

class AccessiblePhoneScreen : public QAccessibleWidget {
public:
    explicit AccessiblePhoneScreen(PhoneScreenView* view)
        : QAccessibleWidget(view, QAccessible::Graphic) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Description)
            return view()->description();
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override { return {pressAction()}; }
    QString localizedActionDescription(const QString& action) const override {
        return action == pressAction() ? QStringLiteral("点 ←：截屏，或回到设置")
                                       : QAccessibleWidget::localizedActionDescription(action);
    }
    QStringList keyBindingsForAction(const QString& action) const override {
        if (action != pressAction())
            return {};
        return {view()->backArrowKey().toString(QKeySequence::NativeText)};
    }
    void doAction(const QString& action) override {
        if (action == pressAction())
            view()->pressBackArrow();
    }

private:
    PhoneScreenView* view() const { return static_cast<PhoneScreenView*>(widget()); }
};

class AccessibleNotice : public QAccessibleWidget {
public:
    explicit AccessibleNotice(FadingNotice* notice)
        : QAccessibleWidget(notice, QAccessible::AlertMessage) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name)
            return static_cast<QLabel*>(widget())->text();
        return QAccessibleWidget::text(t);
    }
};

// The top-level window a screen reader finds the program by. As a scroll area it would show
// assistive technology its viewport and scroll bars only, and not the notices laid over it.
class AccessibleFrame : public QAccessibleWidget {
public:
    explicit AccessibleFrame(WindowFrame* frame) : QAccessibleWidget(frame, QAccessible::Window) {}
};

// Asked for each class of an object's ancestry in turn; the window's widgets are known by their
// C++ type, as they declare no class name of their own.
QAccessibleInterface* windowWidgetInterface(const QString&, QObject* object) {
    if (auto* label = dynamic_cast<ClickLabel*>(object))
        return new AccessibleClickLabel(label);
    if (auto* view = dynamic_cast<PhoneScreenView*>(object))
        return new AccessiblePhoneScreen(view);
    if (auto* notice = dynamic_cast<FadingNotice*>(object))
        return new AccessibleNotice(notice);
    if (auto* frame = dynamic_cast<WindowFrame*>(object))
        return new AccessibleFrame(frame);
    return nullptr;
}

} // namespace

void installAccessibleWidgets() {
    QAccessible::installFactory(windowWidgetInterface);
}

void renewAccessibleInterface(QWidget& widget) {
    if (QAccessibleInterface* made = QAccessible::queryAccessibleInterface(&widget))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}
