#include "form.h"

#include "basic/command_error.h"
#include "element_table.h"
#include "settings/panel_table.h"

#include <cmath>

namespace {

// The largest size or position, in twips, that an element or the window takes; beyond it the
// forms layer refuses the value instead of drawing something absurd.
constexpr double MaxTwips = 16384.0 * 15;

float checkedTwips(double twips, const QString& what) {
    if (!std::isfinite(twips) || std::fabs(twips) > MaxTwips)
        throw CommandError(ErrorKind::InvalidPropertyValue, what);
    return static_cast<float>(twips);
}

} // namespace

Form::Form(Platform& platform)
    : platform_(platform), elements_(elementTable()), width_(13335), height_(12810),
      caption_(QStringLiteral("Vokarelo")) {
    for (qsizetype i = 0; i < qsizetype(elements_.size()); ++i)
        elementIndex_.insert(elements_[i].name, i);
    for (const PanelControl& c : panelTable()) {
        ControlState s;
        if (c.kind == ControlKind::TextField)
            s.text = QString::fromUtf8(c.text);
        s.value = c.value;
        s.enabled = c.enabled;
        s.visible = c.visible;
        controls_.insert(QString::fromLatin1(c.name), s);
    }
    bindScreenEvents(events_);
    bindSettingsEvents(events_);
    bindRecordsEvents(events_);
    bindWindowEvents(events_);
}

void Form::start() {
    dispatch([this] {
        if (events_.load)
            events_.load(*this);
        runResize();
    });
}

void Form::dispatch(const std::function<void()>& action) {
    ++dispatchDepth_;
    try {
        action();
    } catch (const CommandError& error) {
        if (reportError)
            reportError(error);
        else
            platform_.showMessage(error.message(), QStringLiteral("Vokarelo"));
    }
    --dispatchDepth_;
    if (dispatchDepth_ == 0 && changed)
        changed();
}

void Form::click(const QString& name) {
    if (const PanelControl* c = findPanelControl(name)) {
        const ControlState& s = control(name);
        if (!s.enabled || !s.visible)
            return;
        if (c->kind == ControlKind::CheckBox) {
            const int next = s.value == 1 ? 0 : 1;
            dispatch([&] { setValue(name, next); });
            return;
        }
    } else if (elementIndex_.contains(name) && !element(name).visible) {
        return;
    }
    if (const Handler h = events_.click.value(name))
        dispatch([&] { h(*this); });
}

void Form::dblClick(const QString& name) {
    if (findPanelControl(name)) {
        const ControlState& s = control(name);
        if (!s.enabled || !s.visible)
            return;
    }
    if (const Handler h = events_.dblClick.value(name))
        dispatch([&] { h(*this); });
}

void Form::timerTick() {
    if (!timer1Running_ || !events_.timer)
        return;
    dispatch([this] { events_.timer(*this); });
}

void Form::type(const QString& field, const QString& text) {
    setText(field, text);
    if (dispatchDepth_ == 0 && changed)
        changed();
}

ScreenElement& Form::element(const QString& name) {
    const auto it = elementIndex_.constFind(name);
    Q_ASSERT_X(it != elementIndex_.cend(), "Form::element", qPrintable(name));
    return elements_[*it];
}

const ScreenElement& Form::element(const QString& name) const {
    return const_cast<Form*>(this)->element(name);
}

void Form::setLeft(const QString& name, double twips) {
    element(name).rect.left = checkedTwips(twips, name);
}

void Form::setTop(const QString& name, double twips) {
    element(name).rect.top = checkedTwips(twips, name);
}

void Form::setWidth(const QString& name, double twips) {
    element(name).rect.width = checkedTwips(twips, name);
}

ControlState& Form::control(const QString& name) {
    const auto it = controls_.find(name);
    Q_ASSERT_X(it != controls_.end(), "Form::control", qPrintable(name));
    return *it;
}

const ControlState& Form::control(const QString& name) const {
    return const_cast<Form*>(this)->control(name);
}

const QString& Form::text(const QString& field) const {
    return control(field).text;
}

void Form::setText(const QString& field, const QString& text) {
    control(field).text = text;
}

int Form::value(const QString& box) const {
    return control(box).value;
}

void Form::setValue(const QString& box, int value) {
    ControlState& s = control(box);
    if (s.value == value)
        return;
    s.value = value;
    if (const Handler h = events_.click.value(box))
        h(*this);
}

bool Form::enabled(const QString& name) const {
    return control(name).enabled;
}

void Form::setEnabled(const QString& name, bool enabled) {
    control(name).enabled = enabled;
}

bool Form::visible(const QString& name) const {
    return control(name).visible;
}

void Form::setVisible(const QString& name, bool visible) {
    control(name).visible = visible;
}

void Form::setWidth(double twips) {
    const float w = checkedTwips(twips, QStringLiteral("Width"));
    if (w == width_)
        return;
    width_ = w;
    runResize();
}

void Form::setHeight(double twips) {
    const float h = checkedTwips(twips, QStringLiteral("Height"));
    if (h == height_)
        return;
    height_ = h;
    runResize();
}

void Form::runResize() {
    if (events_.resize)
        events_.resize(*this);
}

void Form::startTimer1() {
    timer1Running_ = true;
    platform_.startTimer(Timer1Interval);
}

void Form::stopTimer1() {
    timer1Running_ = false;
    platform_.stopTimer();
}
