#include "screen_tests.h"
#include "support/run_tests.h"

int main(int argc, char* argv[]) {
    return runTests<TestStartState, TestPainting, TestCaptions>(argc, argv);
}
