// SPDX-License-Identifier: MIT
#pragma once

#include "screen/fonts.h"

#include <QGuiApplication>
#include <QTest>

// The main of a test program: one test class, so that its functions and QtTest's options (-o,
// a function's name) are its own, on an application that draws with the window's fonts.
#define VOKARELO_TEST_MAIN(TestClass)                                                              \
    int main(int argc, char* argv[]) {                                                             \
        QGuiApplication app(argc, argv);                                                           \
        installFontSubstitutions();                                                                \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
