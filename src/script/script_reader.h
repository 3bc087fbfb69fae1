// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QIODevice>

// Reads a script a line at a time, so that a run holds no more of it than its longest line,
// however long the file or pipe. CR, LF and CR LF each end a line.
class ScriptReader {
public:
    // The longest line taken; a longer one is an error, not a reason to fill the memory.
    static constexpr qsizetype MaxLineBytes = 1024 * 1024;

    enum class Result {
        Line,    // line holds the next line, without its end
        End,     // no more lines
        TooLong, // the next line is longer than MaxLineBytes
        Failed,  // the device could not be read: its errorString() says why
    };

    explicit ScriptReader(QIODevice& device) : device_(device) {}

    Result next(QByteArray& line);

private:
    QIODevice& device_;
    QByteArray buffer_;
    qsizetype position_ = 0;
    // A line ended in CR: a LF that follows belongs to that end.
    bool afterCarriageReturn_ = false;
};
