#pragma once

#include <memory>

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

// What a client does when the module reports an error: the transaction
// ends. A screen the module leaves open after its report (disabled, waiting
// for the host) is cancelled once control is back in the event loop.
class ErrorEndsTransaction {
public:
    ErrorEndsTransaction();
    ~ErrorEndsTransaction();
    ErrorEndsTransaction(const ErrorEndsTransaction&) = delete;
    ErrorEndsTransaction& operator=(const ErrorEndsTransaction&) = delete;

    // A screen was cancelled this way.
    bool endedAScreen() const { return *ended_; }

private:
    std::shared_ptr<bool> ended_;
};

// Resets the simulated host and fills it from the scenario's fields and
// host behaviours.
void configureHost(const Scenario& scenario);

// Runs one validated scenario against the module; the QApplication exists.
// Prints the result and returns the exit status.
int runScenario(const Scenario& scenario, const RunOptions& options);

} // namespace vkshost
