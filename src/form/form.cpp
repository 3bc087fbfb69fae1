// SPDX-License-Identifier: MIT
#include "form.h"

#include "basic/command_error.h"

#include <QScopedValueRollback>
#include <QString>
#include <cmath>
#include <exception>

namespace {

// The largest size or position, in twips, that an element or the window takes; beyond it the
// forms layer refuses the value instead of drawing something absurd.
constexpr double MaxTwips = 16384.0 * 15;

float checkedTwips(double twips, const QString& what = {}) {
    if (!std::isfinite(twips) || std::fabs(twips) > MaxTwips)
        throw CommandError(ErrorKind::InvalidPropertyValue, what);
    return static_cast<float>(twips);
}

} // namespace

void UserMessages::commandFailed(const CommandError& error) {
    messages_.warn(error.message());
}

void UserMessages::exportFinished(const ExportOutcome& outcome) {
    if (outcome.saved())
        messages_.show(outcome.message);
    else
        messages_.warn(outcome.message);
}

Form::Form(const Services& services, const WindowDefinition& definition, FormObserver& observer)
    : services_(services), observer_(&observer), definition_(definition) {
    Q_ASSERT(definition.elements.size() == ElementCount);
    Q_ASSERT(definition.controls.size() == ControlCount);
    setInitialState();
    for (const EventBinding& b : definition.events) {
        if (const auto* control = std::get_if<ControlId>(&b.target))
            (b.event == EventKind::DblClick ? controlDblClick_
                                            : controlClick_)[std::size_t(*control)] = &b;
        else if (const auto* element = std::get_if<ElementId>(&b.target))
            elementClick_[std::size_t(*element)] = &b;
        else if (b.event == EventKind::Load)
            load_ = &b;
        else if (b.event == EventKind::Resize)
            resize_ = &b;
        else if (b.event == EventKind::Timer)
            timer_ = &b;
    }
}

void Form::setInitialState() {
    elements_.assign(definition_.elements.begin(), definition_.elements.end());
    for (const PanelControl& c : definition_.controls) {
        ControlState& s = state(c.id);
        s.text = c.kind == ControlKind::TextField ? QString::fromUtf8(c.text) : QString();
        s.value = c.value;
        s.enabled = c.enabled;
        s.visible = c.visible;
    }
    width_ = 13335;
    height_ = 12810;
    caption_ = QStringLiteral("Vokarelo");
}

void Form::restart() {
    if (timerRunning_)
        stopTimer();
    setInitialState();
    start();
}

FormState Form::snapshot() const {
    return {elements_, controls_, width_, height_, caption_};
}

void Form::restore(const FormState& state) {
    if (timerRunning_)
        stopTimer();
    elements_ = state.elements;
    controls_ = state.controls;
    width_ = state.width;
    height_ = state.height;
    caption_ = state.caption;
}

void Form::start() {
    dispatch(
        [this] {
            if (load_)
                load_->handler(*this);
            runResize();
        },
        load_ ? QString::fromLatin1(load_->handlerName) : QStringLiteral("Form_Load"));
}

void Form::dispatch(const std::function<void()>& action, const QString& doing) {
    const QScopedValueRollback running(doing_, doing);
    try {
        action();
    } catch (const CommandError& error) {
        observer_->commandFailed(error);
    } catch (const std::exception& error) {
        observer_->commandFailed(
            CommandError::internal(doing, QString::fromLocal8Bit(error.what())));
    } catch (...) {
        observer_->commandFailed(CommandError::internal(doing, {}));
    }
}

void Form::goOnWith(Task<> task) {
    const QString doing = doing_;
    if (task.ended()) {
        dispatch([&] { task.takeNow(); }, doing);
        return;
    }
    pending_.push_back(std::move(task));
    const auto waiting = std::prev(pending_.end());
    waiting->whenEnded([this, waiting, doing] {
        Task<> ended = std::move(*waiting);
        pending_.erase(waiting);
        dispatch([&] { ended.takeNow(); }, doing);
        runIdleWaiters();
    });
}

void Form::whenIdle(std::function<void()> then) {
    if (idle() && idleWaiters_.empty())
        then();
    else
        idleWaiters_.push_back(std::move(then));
}

// A waiter that starts another task leaves the rest waiting for it.
void Form::runIdleWaiters() {
    while (idle() && !idleWaiters_.empty()) {
        const std::function<void()> next = std::move(idleWaiters_.front());
        idleWaiters_.pop_front();
        next();
    }
}

void Form::run(const EventBinding* binding) {
    if (binding)
        dispatch([&] { binding->handler(*this); }, QString::fromLatin1(binding->handlerName));
}

void Form::click(ControlId control) {
    const ControlState& s = state(control);
    if (!s.enabled || !s.visible)
        return;
    if (definition(control).kind == ControlKind::CheckBox) {
        const int next = s.value == 1 ? 0 : 1;
        const EventBinding* binding = controlClick_[std::size_t(control)];
        dispatch([&] { setValue(control, next); },
                 binding ? QString::fromLatin1(binding->handlerName)
                         : QString::fromLatin1(definition(control).name));
        return;
    }
    run(controlClick_[std::size_t(control)]);
}

void Form::click(ElementId element) {
    if (this->element(element).visible)
        run(elementClick_[std::size_t(element)]);
}

void Form::dblClick(ControlId control) {
    const ControlState& s = state(control);
    if (s.enabled && s.visible)
        run(controlDblClick_[std::size_t(control)]);
}

void Form::timerTick() {
    if (timerRunning_)
        run(timer_);
}

void Form::type(ControlId field, const QString& text) {
    dispatch([&] { setText(field, text); }, QString::fromLatin1(definition(field).name));
}

void Form::setText(ControlId field, const QString& text) {
    if (text.size() > MaxFieldText)
        throw tooLongFor(definition(field));
    state(field).text = text;
}

CommandError Form::tooLongFor(const PanelControl& field) {
    return CommandError(ErrorKind::TextTooLong, QString::fromLatin1(field.name),
                        QString::fromUtf8(field.label),
                        QStringLiteral("最多能填写 %1 个字符").arg(MaxFieldText));
}

Task<QString> Form::clipboardTextFor(ControlId field, qsizetype room) {
    const ClipboardText clipboard = co_await services_.clipboard.text(room);
    if (clipboard.read == ClipboardRead::NoAnswer)
        throw CommandError(ErrorKind::ClipboardNoAnswer);
    if (clipboard.read == ClipboardRead::TooLarge)
        throw tooLongFor(definition(field));
    co_return clipboard.text;
}

bool Form::answers(ControlId control, EventKind event) const {
    const auto& handlers = event == EventKind::DblClick ? controlDblClick_ : controlClick_;
    return handlers[std::size_t(control)] != nullptr;
}

namespace {

bool recordedBinding(const EventBinding* binding) {
    return !binding || binding->recording == Recording::Recorded;
}

} // namespace

bool Form::recorded(ControlId control) const {
    return recordedBinding(controlClick_[std::size_t(control)]);
}

bool Form::recorded(ElementId element) const {
    return recordedBinding(elementClick_[std::size_t(element)]);
}

void Form::setLeft(ElementId id, double twips) {
    element(id).rect.left = checkedTwips(twips);
}

void Form::setTop(ElementId id, double twips) {
    element(id).rect.top = checkedTwips(twips);
}

void Form::setWidth(ElementId id, double twips) {
    element(id).rect.width = checkedTwips(twips);
}

void Form::setValue(ControlId box, int value) {
    ControlState& s = state(box);
    if (s.value == value)
        return;
    s.value = value;
    if (const EventBinding* binding = controlClick_[std::size_t(box)])
        binding->handler(*this);
}

std::optional<ControlId> Form::controlNamed(QStringView name) const {
    for (const PanelControl& c : definition_.controls)
        if (name == QLatin1String(c.name))
            return c.id;
    return std::nullopt;
}

std::optional<ElementId> Form::elementNamed(QStringView name) const {
    for (const ScreenElement& e : elements_)
        if (name == e.name)
            return e.id;
    return std::nullopt;
}

void Form::setWidth(double twips) {
    setSide(width_, twips, QStringLiteral("Width"));
}

void Form::setHeight(double twips) {
    setSide(height_, twips, QStringLiteral("Height"));
}

void Form::setSide(float& side, double twips, const QString& name) {
    const float size = checkedTwips(twips, name);
    if (size == side)
        return;
    side = size;
    runResize();
}

void Form::runResize() {
    if (resize_)
        resize_->handler(*this);
}

void Form::startTimer() {
    timerRunning_ = true;
    services_.timer.start(TimerInterval);
}

void Form::stopTimer() {
    timerRunning_ = false;
    services_.timer.stop();
}
