#include "OwnRun.h"

#include <csignal>

#include <sys/prctl.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QProcess>

namespace vkshost {

void startOwnRun(QProcess& child, const QStringList& arguments) {
    const pid_t parent = ::getpid();
    child.setChildProcessModifier([parent] {
        ::prctl(PR_SET_PDEATHSIG, SIGTERM);
        // The parent may have ended before the request was made.
        if (::getppid() != parent) ::_exit(1);
    });
    child.start(QCoreApplication::applicationFilePath(), arguments);
}

} // namespace vkshost
