// SPDX-License-Identifier: MIT
#pragma once

#include "form.h"

#include <optional>
#include <vector>

// What one event changed in the window: each element and control it changed, and the window's
// size and caption if it changed them, with their values before and after. Undo puts the values
// before back, redo the values after. What the event left alone is not held, so that a history of
// changes costs what changed, not the window's whole state a step.
class FormChange {
public:
    static FormChange between(const FormState& before, const FormState& after);

    bool isEmpty() const;
    // Takes in a change that followed this one: the result goes from this one's state before to
    // later's state after.
    void append(const FormChange& later);

    void undo(FormState& state) const;
    void redo(FormState& state) const;
    // Whether the state is this change's state after already, in everything the change changed.
    bool isDone(const FormState& state) const;

private:
    enum class Side { Before, After };
    void setTo(Side side, FormState& state) const;

    template <typename Value> struct Changed {
        Value before;
        Value after;
    };
    template <typename Value> struct ChangedAt : Changed<Value> { std::size_t index; };

    std::vector<ChangedAt<ScreenElement>> elements_;
    std::vector<ChangedAt<ControlState>> controls_;
    std::optional<Changed<float>> width_;
    std::optional<Changed<float>> height_;
    std::optional<Changed<QString>> caption_;
};
