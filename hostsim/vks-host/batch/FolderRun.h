#pragma once

#include <QString>
#include <QStringList>

namespace vkshost {

// What a folder run writes besides its PASS/FAIL lines.
struct FolderOptions {
    QString junitPath; // a JUnit XML report, one test case per scenario
    QString outPath;   // one JSON with every scenario's result
    QString filter;    // only scenarios whose name holds it ("*" and "?" as wildcards)
};

// Whether a scenario name holds the filter ("*" and "?" as wildcards); an
// empty filter selects every name.
bool scenarioSelected(const QString& name, const QString& filter);

// Runs every *.json of a folder, each in a fresh child process of this
// program so that neither module nor simulator state passes from one
// scenario to the next. Prints "PASS name" / "FAIL name: reason" per
// scenario and "N passed, N failed"; 0 when all passed, 1 otherwise, 2 when
// the folder holds no scenario the filter selects, 4 (at once) when the
// module cannot be used. `childOptions` are passed to every child.
int runFolder(const QString& folder, const QStringList& childOptions, int timeoutMs, const FolderOptions& options);

} // namespace vkshost
