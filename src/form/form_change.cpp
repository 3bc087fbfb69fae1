// SPDX-License-Identifier: MIT
#include "form_change.h"

#include <algorithm>

namespace {

template <typename Entries, typename Values>
void changedEntries(Entries& changes, const Values& before, const Values& after) {
    for (std::size_t i = 0; i < before.size(); ++i)
        if (!(before[i] == after[i]))
            changes.push_back({{before[i], after[i]}, i});
}

template <typename Value, typename Changed>
void changedValue(std::optional<Changed>& change, const Value& before, const Value& after) {
    if (!(before == after))
        change = Changed{before, after};
}

// A later change of the same entry keeps the earlier value before; a new entry comes in whole.
template <typename Entries> void appendEntries(Entries& entries, const Entries& later) {
    for (const auto& change : later) {
        const auto same = std::find_if(entries.begin(), entries.end(),
                                       [&](const auto& e) { return e.index == change.index; });
        if (same == entries.end())
            entries.push_back(change);
        else
            same->after = change.after;
    }
}

template <typename Changed>
void appendValue(std::optional<Changed>& value, const std::optional<Changed>& later) {
    if (!later)
        return;
    if (value)
        value->after = later->after;
    else
        value = later;
}

} // namespace

FormChange FormChange::between(const FormState& before, const FormState& after) {
    FormChange change;
    changedEntries(change.elements_, before.elements, after.elements);
    changedEntries(change.controls_, before.controls, after.controls);
    changedValue(change.width_, before.width, after.width);
    changedValue(change.height_, before.height, after.height);
    changedValue(change.caption_, before.caption, after.caption);
    return change;
}

bool FormChange::isEmpty() const {
    return elements_.empty() && controls_.empty() && !width_ && !height_ && !caption_;
}

void FormChange::append(const FormChange& later) {
    appendEntries(elements_, later.elements_);
    appendEntries(controls_, later.controls_);
    appendValue(width_, later.width_);
    appendValue(height_, later.height_);
    appendValue(caption_, later.caption_);
}

void FormChange::undo(FormState& state) const {
    setTo(Side::Before, state);
}

void FormChange::redo(FormState& state) const {
    setTo(Side::After, state);
}

bool FormChange::isDone(const FormState& state) const {
    const auto done = [](const auto& change, const auto& value) { return change.after == value; };
    for (const auto& e : elements_)
        if (!done(e, state.elements[e.index]))
            return false;
    for (const auto& c : controls_)
        if (!done(c, state.controls[c.index]))
            return false;
    return (!width_ || done(*width_, state.width)) && (!height_ || done(*height_, state.height)) &&
           (!caption_ || done(*caption_, state.caption));
}

void FormChange::setTo(Side side, FormState& state) const {
    const auto value = [side](const auto& change) -> const auto& {
        return side == Side::Before ? change.before : change.after;
    };
    for (const auto& e : elements_)
        state.elements[e.index] = value(e);
    for (const auto& c : controls_)
        state.controls[c.index] = value(c);
    if (width_)
        state.width = value(*width_);
    if (height_)
        state.height = value(*height_);
    if (caption_)
        state.caption = value(*caption_);
}
