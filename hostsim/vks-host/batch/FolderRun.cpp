#include "FolderRun.h"

#include <algorithm>
#include <cstdio>

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>

#include "Junit.h"
#include "OwnRun.h"
#include "module/ModuleLibrary.h"
#include "run/ScenarioRun.h"

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

struct ScenarioReport {
    TestOutcome test;
    QJsonObject result;
};

QByteArray aggregate(const QList<ScenarioReport>& reports) {
    QJsonArray scenarios;
    for (const ScenarioReport& o : reports) {
        scenarios.append(QJsonObject{{"scenario", o.test.name},
                                     {"passed", o.test.kind == TestOutcome::Kind::Passed},
                                     {"reason", o.test.reason},
                                     {"seconds", o.test.seconds},
                                     {"result", o.result}});
    }
    return QJsonDocument(QJsonObject{{"scenarios", scenarios}}).toJson(QJsonDocument::Indented);
}

} // namespace

bool scenarioSelected(const QString& name, const QString& filter) {
    if (filter.isEmpty()) return true;
    if (!filter.contains('*') && !filter.contains('?')) return name.contains(filter);
    return QRegularExpression(QRegularExpression::wildcardToRegularExpression(filter)).match(name).hasMatch();
}

int runFolder(const QString& folder, const QStringList& childOptions, int timeoutMs, const FolderOptions& options) {
    const QDir dir(folder);
    QStringList files;
    for (const QString& file : dir.entryList({"*.json"}, QDir::Files, QDir::Name))
        if (scenarioSelected(QFileInfo(file).completeBaseName(), options.filter)) files << file;
    if (files.isEmpty()) {
        std::fprintf(stderr, "vks-host: no *.json scenario%s in %s\n",
                     options.filter.isEmpty() ? "" : qPrintable(" matching " + options.filter), qPrintable(folder));
        return kInvalidScenario;
    }
    const QString modulePath = ModuleLibrary::defaultPath();
    // With a JUnit report each run's summary goes into it.
    const QStringList quiet = options.junitPath.isEmpty() ? QStringList{"--quiet"} : QStringList{};
    const QDateTime started = QDateTime::currentDateTime();
    QList<ScenarioReport> reports;
    try {
        const PrivateFolder results;
        for (const QString& file : files) {
            ScenarioReport report;
            TestOutcome& test = report.test;
            test.name = QFileInfo(file).completeBaseName();
            const QString resultPath = results.filePath(test.name + ".json");
            QElapsedTimer clock;
            clock.start();
            OwnRun run(QStringList{"run", dir.filePath(file), "--out", resultPath} + quiet + childOptions, modulePath);
            QProcess& child = run.process();
            const bool ended = child.waitForFinished(timeoutMs + kChildGraceMs);
            if (!ended) {
                child.kill();
                child.waitForFinished(5000);
            }
            test.seconds = double(clock.elapsed()) / 1000.0;
            const QByteArray errors = child.readAllStandardError();
            const bool normal = ended && child.exitStatus() == QProcess::NormalExit;
            if (normal && child.exitCode() == kModuleUnusable) {
                // Every other scenario would fail the same way.
                std::fprintf(stderr, "vks-host: %s\n", qPrintable(reasonOf(child, errors)));
                return kModuleUnusable;
            }
            if (!normal || child.exitCode() != kPassed) {
                test.kind = normal && child.exitCode() == kExpectationFailed ? TestOutcome::Kind::Failed
                                                                             : TestOutcome::Kind::Error;
                test.reason = ended ? reasonOf(child, errors) : "did not end; killed";
            }
            if (quiet.isEmpty()) test.systemErr = QString::fromUtf8(errors);
            if (QFile result(resultPath); result.open(QIODevice::ReadOnly))
                report.result = QJsonDocument::fromJson(result.readAll()).object();
            if (test.kind == TestOutcome::Kind::Passed)
                std::printf("PASS %s\n", qPrintable(test.name));
            else
                std::printf("FAIL %s: %s\n", qPrintable(test.name), qPrintable(test.reason));
            std::fflush(stdout);
            reports << report;
        }
    } catch (const HostFolderError& error) {
        std::fprintf(stderr, "vks-host: %s\n", error.what());
        return kInvalidScenario;
    }
    const auto failed = std::count_if(reports.begin(), reports.end(),
                                      [](const ScenarioReport& o) { return o.test.kind != TestOutcome::Kind::Passed; });
    std::printf("%d passed, %d failed\n", int(reports.size() - failed), int(failed));
    QList<TestOutcome> tests;
    for (const ScenarioReport& o : reports) tests << o.test;
    if (!options.junitPath.isEmpty() && !writeWholeFile(options.junitPath, junitReport("vks-host", tests, started))) {
        std::fprintf(stderr, "vks-host: cannot write %s\n", qPrintable(options.junitPath));
        return kInvalidScenario;
    }
    if (!options.outPath.isEmpty() && !writeWholeFile(options.outPath, aggregate(reports))) {
        std::fprintf(stderr, "vks-host: cannot write %s\n", qPrintable(options.outPath));
        return kInvalidScenario;
    }
    return failed == 0 ? kPassed : kExpectationFailed;
}

} // namespace vkshost
