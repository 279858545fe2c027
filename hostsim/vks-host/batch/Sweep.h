#pragma once

#include <QString>
#include <QStringList>

namespace vkshost {

struct SweepOptions {
    QString filter;          // as for folder runs
    int every = 1;           // only every Nth failure point of each scenario (1: all)
    int jobs = 1;            // runs at once
    int stepTimeoutMs = 300; // the children's expect steps
    int timeoutMs = 300;     // the children's wait for the call after the last step
    QString junitPath;       // a JUnit XML report, one test case per run
};

// Runs each scenario of `target` (a file or a folder) once to count the
// calls of every host function that can fail, then once more per counted
// call with that call failing, each in a child process that cancels the way
// a cashier would. Every run must end cleanly: no crash, no sanitizer
// report, the call returned, the injected failure reached, at most one
// error report, and a shown screen handed back. Prints one line per run
// that did not and a count of failure points; returns 0 when all were
// clean, 1 otherwise (2 when there is no scenario, 4 when the module cannot
// be used).
int runSweep(const QString& target, const QStringList& childOptions, const SweepOptions& options);

} // namespace vkshost
