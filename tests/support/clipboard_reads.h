// SPDX-License-Identifier: MIT
#pragma once

#include "basic/services.h"

#include <QTest>
#include <memory>
#include <optional>

// A read of the clipboard, its answer waited for on the event loop as the window waits for it:
// another program's answer comes from a thread of the reader's own. A read that never answers
// within a minute fails the test that waits for it.
template <class T, class Read> T answerOf(Read read) {
    auto answer = std::make_shared<std::optional<T>>();
    read([answer](T found) { *answer = std::move(found); });
    if (!QTest::qWaitFor([&] { return answer->has_value(); }, 60000))
        QTest::qFail("the clipboard's read never answered", __FILE__, __LINE__);
    return answer->value_or(T{});
}

inline ClipboardText textNow(Clipboard&& clipboard, qsizetype mostCharacters) {
    return answerOf<ClipboardText>(
        [&](auto then) { clipboard.readText(mostCharacters, std::move(then)); });
}

inline ClipboardPicture pictureNow(Clipboard&& clipboard) {
    return answerOf<ClipboardPicture>([&](auto then) { clipboard.readPicture(std::move(then)); });
}

inline ClipboardText textNow(Clipboard& clipboard, qsizetype mostCharacters) {
    return textNow(std::move(clipboard), mostCharacters);
}

inline ClipboardPicture pictureNow(Clipboard& clipboard) {
    return pictureNow(std::move(clipboard));
}
