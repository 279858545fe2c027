#include "ScenarioIni.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include "batch/PrivateFolder.h"

namespace vkshost {

ScenarioIni::ScenarioIni(const std::optional<QByteArray>& content)
    : path_(QDir(QCoreApplication::applicationDirPath()).filePath("VKS.INI")) {
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
