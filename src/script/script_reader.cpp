// SPDX-License-Identifier: MIT
#include "script_reader.h"

#include <algorithm>

namespace {

constexpr qsizetype ChunkBytes = 64 * 1024;

bool isLineEnd(char c) {
    return c == '\n' || c == '\r';
}

} // namespace

ScriptReader::Result ScriptReader::next(QByteArray& line) {
    line.clear();
    bool started = false;
    for (;;) {
        if (position_ == buffer_.size()) {
            buffer_.resize(ChunkBytes);
            const qint64 read = device_.read(buffer_.data(), ChunkBytes);
            buffer_.resize(std::max<qint64>(read, 0));
            position_ = 0;
            if (read < 0)
                return Result::Failed;
            if (read == 0)
                return started ? Result::Line : Result::End;
        }
        if (afterCarriageReturn_) {
            afterCarriageReturn_ = false;
            if (buffer_[position_] == '\n') {
                ++position_;
                continue;
            }
        }
        started = true;
        const char* begin = buffer_.constData() + position_;
        const char* end = buffer_.constData() + buffer_.size();
        const char* lineEnd = std::find_if(begin, end, isLineEnd);
        if (line.size() + (lineEnd - begin) > MaxLineBytes)
            return Result::TooLong;
        line.append(begin, lineEnd - begin);
        position_ += lineEnd - begin;
        if (lineEnd != end) {
            afterCarriageReturn_ = *lineEnd == '\r';
            ++position_;
            return Result::Line;
        }
    }
}
