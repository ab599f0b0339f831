// velmor-scenario FILE...: runs scenario files headlessly and ends with the
// line "N passed, M failed". Exits 0 when all passed, 1 when any failed, and
// 2 when a file could not be read or holds a line it does not understand.
#include <iostream>

#include "scenario/scenario_runner.h"

int main(int argc, char** argv) {
    using velmor::scenario::Verdict;
    int passed = 0;
    int failed = 0;
    bool unreadable = false;
    for (int i = 1; i < argc; ++i) {
        const Verdict verdict = velmor::scenario::runScenarioFile(argv[i], std::cout);
        if (verdict == Verdict::Passed) {
            ++passed;
        } else {
            ++failed;
            unreadable = unreadable || verdict == Verdict::Unreadable;
        }
    }
    std::cout << passed << " passed, " << failed << " failed\n";
    return unreadable ? 2 : failed > 0 ? 1 : 0;
}
