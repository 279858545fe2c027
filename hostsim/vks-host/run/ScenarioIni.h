#pragma once

#include <optional>

#include <QByteArray>
#include <QString>

namespace vkshost {

// "VKS.INI" in the folder of the running program for the length of one
// run, or no such file when the scenario gives none. That folder is the
// run's private host folder (PrivateHost): nothing there is anyone else's.
class ScenarioIni {
public:
    explicit ScenarioIni(const std::optional<QByteArray>& content);
    ~ScenarioIni();
    ScenarioIni(const ScenarioIni&) = delete;
    ScenarioIni& operator=(const ScenarioIni&) = delete;

    // A run needs a private host folder (PrivateHost) only for a VKS.INI:
    // the scenario's own, or one a person left beside this program, which
    // the run must not read. Without either the module finds no such file
    // here as it would there.
    static bool needsPrivateFolder(const std::optional<QByteArray>& content);

    const QString& path() const { return path_; }
    // Why the file could not be written or removed ("" when it was): the
    // module would read something else than the scenario says.
    const QString& problem() const { return problem_; }

private:
    QString path_;
    QString problem_;
    bool written_ = false;
};

} // namespace vkshost
