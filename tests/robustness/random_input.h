// SPDX-License-Identifier: MIT
#pragma once

#include <QDateTime>
#include <QImage>
#include <QString>
#include <cstdint>
#include <iterator>
#include <random>

// Random inputs for the robustness run. Everything comes from one seeded generator, so a run with
// the same seed repeats exactly the same inputs.
class RandomInput {
public:
    explicit RandomInput(std::uint64_t seed) : engine_(seed) {}

    // A whole number in [0, bound).
    std::size_t below(std::size_t bound) { return std::size_t(engine_() % bound); }
    template <typename List> auto pick(const List& items) {
        return items[qsizetype(below(std::size(items)))];
    }

    // A text a user might type or paste into any field, or one that nobody should: numbers at and
    // beyond every limit, times, percentages, Chinese and full-width characters, control
    // characters, lone UTF-16 halves, very long texts.
    QString fieldText();
    // A text for the number field that tries to name a file outside the program's folder.
    QString fileNameText();
    // A picture for the clipboard, or none: every size from one pixel to larger than the window, in
    // the pixel formats a clipboard can deliver.
    QImage picture();
    // A local date and time, often at the edges of a day, a month or the calendar.
    QDateTime moment();
    // A screen height in pixels, often around the lengthened window's 1015.
    int screenHeight();

private:
    QString number();
    QString characters(int length);

    std::mt19937_64 engine_;
};

// A text shortened and with its invisible characters spelled out, for a trace a person reads.
QString printable(const QString& text);
