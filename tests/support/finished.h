// SPDX-License-Identifier: MIT
#pragma once

#include "basic/task.h"

#include <QTest>

// The result of a task once it has ended, its waits answered by the event loop meanwhile (a dialog
// or a box a test closes, another program's answer). A task that has not ended within a minute
// fails the test.
template <class T> T finished(Task<T> task) {
    if (!QTest::qWaitFor([&] { return task.ended(); }, 60000))
        QTest::qFail("the task never ended", __FILE__, __LINE__);
    return task.takeNow();
}
