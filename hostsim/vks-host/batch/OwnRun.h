#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

#include "PrivateFolder.h"

namespace vkshost {

// This program started again with `arguments`, as a copy in a private host
// folder (see PrivateHost), as a child that ends with its parent. Standard
// output is dropped; standard error goes to `errorsFile`, or is kept for
// readAllStandardError() when that is empty. Whether the child ends by
// itself, is killed or the parent is stopped by a signal, its folder goes.
class OwnRun {
public:
    // Throws HostFolderError when the private folder cannot be made.
    OwnRun(const QStringList& arguments, const QString& modulePath, const QString& errorsFile = {});
    ~OwnRun();
    OwnRun(const OwnRun&) = delete;
    OwnRun& operator=(const OwnRun&) = delete;

    QProcess& process() { return process_; }
    const QProcess& process() const { return process_; }

private:
    PrivateHost host_;
    QProcess process_;
    qint64 pid_ = 0;
};

// Runs this program's command line again as a copy in a private host folder
// and waits for it; returns its exit status, or ends by the signal that
// ended it once the folder is gone. The QCoreApplication exists.
int runAsPrivateCopy(char** argv, const QString& modulePath);

} // namespace vkshost
