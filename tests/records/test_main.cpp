#include "records_tests.h"
#include "support/run_tests.h"

int main(int argc, char* argv[]) {
    return runTests<TestRowCommands, TestRowMarking, TestDerivedTimes, TestRowPictures>(argc, argv);
}
