#include "OwnRun.h"

#include <cerrno>
#include <csignal>
#include <vector>

#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QByteArrayList>
#include <QFile>

namespace vkshost {

OwnRun::OwnRun(const QStringList& arguments, const QString& modulePath, const QString& errorsFile) {
    const pid_t parent = ::getpid();
    process_.setChildProcessModifier([parent] {
        ::prctl(PR_SET_PDEATHSIG, SIGTERM);
        // The parent may have ended before the request was made.
        if (::getppid() != parent) ::_exit(1);
    });
    process_.setProcessEnvironment(host_.environment(modulePath));
    process_.setStandardOutputFile(QProcess::nullDevice());
    if (!errorsFile.isEmpty()) process_.setStandardErrorFile(errorsFile);
    process_.start(host_.program(), arguments);
    pid_ = process_.processId();
    if (pid_ > 0) leftovers::addChild(pid_t(pid_));
}

OwnRun::~OwnRun() {
    if (process_.state() != QProcess::NotRunning) {
        process_.kill();
        process_.waitForFinished(5000);
    }
    if (pid_ > 0) leftovers::dropChild(pid_t(pid_));
}

int runAsPrivateCopy(char** argv, const QString& modulePath) {
    int status = 0;
    {
        const PrivateHost host;
        QByteArrayList variables;
        for (const QString& variable : host.environment(modulePath).toStringList())
            variables << QFile::encodeName(variable);
        std::vector<char*> environment;
        for (QByteArray& variable : variables) environment.push_back(variable.data());
        environment.push_back(nullptr);
        const QByteArray program = QFile::encodeName(host.program());
        const pid_t parent = ::getpid();
        const pid_t child = ::fork();
        if (child < 0) throw HostFolderError(host.program().toStdString() + ": cannot be started");
        if (child == 0) {
            ::prctl(PR_SET_PDEATHSIG, SIGTERM);
            if (::getppid() != parent) ::_exit(1);
            ::execve(program.constData(), argv, environment.data());
            ::_exit(127);
        }
        leftovers::addChild(child);
        while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {}
        leftovers::dropChild(child);
    }
    if (WIFSIGNALED(status)) {
        ::signal(WTERMSIG(status), SIG_DFL);
        ::raise(WTERMSIG(status));
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : 1;
}

} // namespace vkshost
