#pragma once

#include <QString>

#include "scenario/Scenario.h"

namespace vkshost {

// Exit statuses of "vks-host run".
enum ExitStatus : int {
    kPassed = 0, // the call returned and every expectation held
    kExpectationFailed = 1,
    kInvalidScenario = 2,
    kTimedOut = 3,       // the screen was cancelled, the call abandoned
    kModuleUnusable = 4, // libvks.so cannot be loaded or lacks an export
};

struct RunOptions {
    QString modulePath; // empty: ModuleLibrary::defaultPath()
    QString outPath;    // empty: standard output
    QString shotsDir;   // empty: "shot" steps take no picture
    QString junitPath;  // empty: no JUnit report
    int timeoutMs = 5000;
    int stepTimeoutMs = 2000;     // how long an expect step waits
    bool cashierCancel = false;   // after a failure: OK and Escape rather than closing the windows
    bool summaryToStdout = false; // --summary: the summary replaces the JSON on stdout
    bool quiet = false;           // no summary on stderr
};

// Runs one validated scenario against the module; the QApplication exists.
// Prints the result and returns the exit status.
int runScenario(const Scenario& scenario, const RunOptions& options);

} // namespace vkshost
