#pragma once

#include <QString>
#include <QStringList>

namespace vkshost {

// Runs every *.json of a folder, each in a fresh child process of this
// program so that neither module nor simulator state passes from one
// scenario to the next. Prints "PASS name" / "FAIL name: reason" per
// scenario and "N passed, N failed"; 0 when all passed, 1 otherwise, 2 when
// the folder holds no scenario. `childOptions` are passed to every child.
int runFolder(const QString& folder, const QStringList& childOptions, int timeoutMs);

} // namespace vkshost
