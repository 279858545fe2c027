#include "FolderRun.h"

#include <algorithm>
#include <cstdio>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamWriter>

#include "OwnRun.h"
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

struct Outcome {
    QString name;
    bool passed = false;
    QString reason;
    double seconds = 0;
    QJsonObject result;
};

QByteArray junitReport(const QList<Outcome>& outcomes) {
    QByteArray xml;
    QXmlStreamWriter out(&xml);
    out.setAutoFormatting(true);
    out.writeStartDocument();
    out.writeStartElement("testsuite");
    out.writeAttribute("name", "vks-host");
    out.writeAttribute("tests", QString::number(outcomes.size()));
    out.writeAttribute("failures", QString::number(std::count_if(outcomes.begin(), outcomes.end(),
                                                                 [](const Outcome& o) { return !o.passed; })));
    for (const Outcome& o : outcomes) {
        out.writeStartElement("testcase");
        out.writeAttribute("classname", "scenarios");
        out.writeAttribute("name", o.name);
        out.writeAttribute("time", QString::number(o.seconds, 'f', 3));
        if (!o.passed) {
            out.writeStartElement("failure");
            out.writeAttribute("message", o.reason);
            out.writeCharacters(o.reason);
            out.writeEndElement();
        }
        out.writeEndElement();
    }
    out.writeEndElement();
    out.writeEndDocument();
    return xml;
}

QByteArray aggregate(const QList<Outcome>& outcomes) {
    QJsonArray scenarios;
    for (const Outcome& o : outcomes) {
        scenarios.append(QJsonObject{{"scenario", o.name},
                                     {"passed", o.passed},
                                     {"reason", o.reason},
                                     {"seconds", o.seconds},
                                     {"result", o.result}});
    }
    return QJsonDocument(QJsonObject{{"scenarios", scenarios}}).toJson(QJsonDocument::Indented);
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
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
    QTemporaryDir results;
    QList<Outcome> outcomes;
    for (const QString& file : files) {
        Outcome outcome;
        outcome.name = QFileInfo(file).completeBaseName();
        const QString resultPath = results.filePath(outcome.name + ".json");
        QProcess child;
        child.setStandardOutputFile(QProcess::nullDevice());
        QElapsedTimer clock;
        clock.start();
        startOwnRun(child, QStringList{"run", dir.filePath(file), "--quiet", "--out", resultPath} + childOptions);
        const bool ended = child.waitForFinished(timeoutMs + kChildGraceMs);
        if (!ended) {
            child.kill();
            child.waitForFinished(5000);
        }
        outcome.seconds = double(clock.elapsed()) / 1000.0;
        const QByteArray errors = child.readAllStandardError();
        if (ended && child.exitStatus() == QProcess::NormalExit && child.exitCode() == kModuleUnusable) {
            // Every other scenario would fail the same way.
            std::fprintf(stderr, "vks-host: %s\n", qPrintable(reasonOf(child, errors)));
            return kModuleUnusable;
        }
        outcome.passed = ended && child.exitStatus() == QProcess::NormalExit && child.exitCode() == kPassed;
        if (!outcome.passed) outcome.reason = ended ? reasonOf(child, errors) : "did not end; killed";
        if (QFile result(resultPath); result.open(QIODevice::ReadOnly))
            outcome.result = QJsonDocument::fromJson(result.readAll()).object();
        if (outcome.passed) {
            std::printf("PASS %s\n", qPrintable(outcome.name));
        } else {
            std::printf("FAIL %s: %s\n", qPrintable(outcome.name), qPrintable(outcome.reason));
        }
        std::fflush(stdout);
        outcomes << outcome;
    }
    const auto failed = std::count_if(outcomes.begin(), outcomes.end(), [](const Outcome& o) { return !o.passed; });
    std::printf("%d passed, %d failed\n", int(outcomes.size() - failed), int(failed));
    if (!options.junitPath.isEmpty() && !writeFile(options.junitPath, junitReport(outcomes))) {
        std::fprintf(stderr, "vks-host: cannot write %s\n", qPrintable(options.junitPath));
        return kInvalidScenario;
    }
    if (!options.outPath.isEmpty() && !writeFile(options.outPath, aggregate(outcomes))) {
        std::fprintf(stderr, "vks-host: cannot write %s\n", qPrintable(options.outPath));
        return kInvalidScenario;
    }
    return failed == 0 ? kPassed : kExpectationFailed;
}

} // namespace vkshost
