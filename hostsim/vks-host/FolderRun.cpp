#include "FolderRun.h"

#include <cstdio>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>

#include "ScenarioRun.h"

namespace vkshost {

namespace {

// The child's own bounds end it well before this; a child that still runs
// then is killed.
constexpr int kChildGraceMs = 120000;

QString reasonOf(const QProcess& child, const QByteArray& errors) {
    if (child.exitStatus() == QProcess::CrashExit) return "the run crashed";
    QStringList reasons;
    for (const QByteArray& line : errors.split('\n')) {
        // Failures and module problems as they stand; a refused scenario says so.
        for (const char* prefix : {"failed: ", "vks-host: "})
            if (line.startsWith(prefix)) reasons << QString::fromUtf8(line.mid(qsizetype(qstrlen(prefix)))).trimmed();
        if (line.startsWith("invalid: ")) reasons << "invalid scenario: " + QString::fromUtf8(line.mid(9)).trimmed();
    }
    if (reasons.isEmpty()) reasons << QString("exit status %1").arg(child.exitCode());
    QString reason = reasons.join("; ");
    return reason.size() > 2000 ? reason.left(2000) + "..." : reason;
}

} // namespace

int runFolder(const QString& folder, const QStringList& childOptions, int timeoutMs) {
    const QDir dir(folder);
    const QStringList files = dir.entryList({"*.json"}, QDir::Files, QDir::Name);
    if (files.isEmpty()) {
        std::fprintf(stderr, "vks-host: no *.json scenario in %s\n", qPrintable(folder));
        return kInvalidScenario;
    }
    int passed = 0;
    int failed = 0;
    for (const QString& file : files) {
        QProcess child;
        child.setStandardOutputFile(QProcess::nullDevice());
        child.start(QCoreApplication::applicationFilePath(),
                    QStringList{"run", dir.filePath(file), "--quiet"} + childOptions);
        const bool ended = child.waitForFinished(timeoutMs + kChildGraceMs);
        if (!ended) {
            child.kill();
            child.waitForFinished(5000);
        }
        const QString name = QFileInfo(file).completeBaseName();
        if (ended && child.exitStatus() == QProcess::NormalExit && child.exitCode() == kPassed) {
            ++passed;
            std::printf("PASS %s\n", qPrintable(name));
        } else {
            ++failed;
            const QString reason = ended ? reasonOf(child, child.readAllStandardError()) : "did not end; killed";
            std::printf("FAIL %s: %s\n", qPrintable(name), qPrintable(reason));
        }
        std::fflush(stdout);
    }
    std::printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 ? kPassed : kExpectationFailed;
}

} // namespace vkshost
