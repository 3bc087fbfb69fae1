#include "batch_tests.h"
#include "support/run_tests.h"

int main(int argc, char* argv[]) {
    return runTests<TestScript, TestBatchRunner, TestBatchProgram, TestSetups, TestSetupHistory>(argc, argv);
}
