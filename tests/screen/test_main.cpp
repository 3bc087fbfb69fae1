#include "screen_tests.h"

#include <QGuiApplication>
#include <QTest>

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    int status = 0;
    {
        TestStartState t;
        status |= QTest::qExec(&t, argc, argv);
    }
    {
        TestPainting t;
        status |= QTest::qExec(&t, argc, argv);
    }
    return status;
}
