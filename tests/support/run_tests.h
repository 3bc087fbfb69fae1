#pragma once

#include "screen/fonts.h"

#include <QGuiApplication>
#include <QTest>

template <typename Test> int runTest(int argc, char* argv[]) {
    Test test;
    return QTest::qExec(&test, argc, argv);
}

// Runs several test classes in one program, as one QtTest run each; fails when any of them fails.
template <typename... Tests> int runTests(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    installFontSubstitutions();
    int status = 0;
    ((status |= runTest<Tests>(argc, argv)), ...);
    return status;
}
