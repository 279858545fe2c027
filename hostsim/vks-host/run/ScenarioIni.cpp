#include "ScenarioIni.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "batch/PrivateFolder.h"

namespace vkshost {
namespace {

// Where the module looks for VKS.INI: beside the running program. Known
// before the application object exists.
QString iniBesideProgram() {
    const QFileInfo program(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath());
    return program.dir().filePath(QStringLiteral("VKS.INI"));
}

} // namespace

bool ScenarioIni::needsPrivateFolder(const std::optional<QByteArray>& content) {
    if (PrivateHost::runningHere()) return false;
    return content.has_value() || QFileInfo::exists(iniBesideProgram());
}

ScenarioIni::ScenarioIni(const std::optional<QByteArray>& content)
    : path_(iniBesideProgram()) {
    QFile file(path_);
    // Outside a private host folder a VKS.INI there is a person's: never
    // read by a run, never replaced, never removed.
    if (file.exists() && !PrivateHost::runningHere()) {
        problem_ = QString("%1: belongs to someone else; this run would read it or replace it").arg(path_);
        return;
    }
    if (content) {
        written_ = true;
        if (!file.open(QIODevice::WriteOnly) || file.write(*content) != content->size() || !file.flush())
            problem_ = QString("%1: cannot be written: %2").arg(path_, file.errorString());
    } else if (file.exists() && !file.remove()) {
        problem_ = QString("%1: cannot be removed: %2").arg(path_, file.errorString());
    }
}

ScenarioIni::~ScenarioIni() {
    if (written_) QFile::remove(path_);
}

} // namespace vkshost
