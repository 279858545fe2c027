#include "Sweep.h"

#include <cstdio>
#include <deque>
#include <memory>

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

#include "FolderRun.h"
#include "Junit.h"
#include "OwnRun.h"
#include "Simulator.h"
#include "module/ModuleLibrary.h"
#include "run/ScenarioRun.h"

namespace vkshost {

namespace {

// A child's own watchdog ends it long before this.
constexpr int kChildLimitMs = 180000;
// What a JUnit report keeps of a run's standard error.
constexpr qsizetype kSystemErrBytes = 64 * 1024;

// One failure point: the scenario with the `call`th call of `function`
// failing; no function for the counting run.
struct Point {
    QString scenario; // file
    QString name;
    QString function;
    int call = 0;

    QString label() const { return function.isEmpty() ? name : QString("%1 %2#%3").arg(name, function).arg(call); }
};

struct Child {
    Point point;
    QString scenarioPath;
    QString resultPath;
    QString errorsPath;
    std::unique_ptr<OwnRun> run;
    QProcess* process = nullptr;
    QElapsedTimer clock;
};

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString firstLineWith(const QByteArray& text, const QStringList& marks) {
    for (const QByteArray& line : text.split('\n'))
        for (const QString& mark : marks)
            if (line.contains(mark.toUtf8())) return QString::fromUtf8(line).trimmed().left(300);
    return {};
}

// Why a run did not end cleanly; "" when it did.
QString judge(const Child& child, bool ended) {
    if (!ended) return "did not end; killed";
    const QByteArray errors = readFile(child.errorsPath);
    if (const QString report = firstLineWith(errors, {"AddressSanitizer", "LeakSanitizer", "runtime error:"});
        !report.isEmpty())
        return "sanitizer report: " + report;
    if (child.process->exitStatus() == QProcess::CrashExit) return "crashed";
    const QJsonObject result = QJsonDocument::fromJson(readFile(child.resultPath)).object();
    if (!result.isEmpty() && !result["returned"].toBool()) return "the call did not return after the cashier cancelled";
    const int status = child.process->exitCode();
    if (status != kPassed && status != kExpectationFailed) {
        const QString said = firstLineWith(errors, {"failed: ", "invalid: ", "vks-host: "});
        return QString("exit status %1%2").arg(status).arg(said.isEmpty() ? QString() : ": " + said);
    }
    if (result.isEmpty()) return "no result was written";
    if (!result["owner_restored"].toBool()) return "the owner window was not restored";
    const Point& point = child.point;
    const QJsonArray failed = result["failed_calls"].toArray();
    if (!point.function.isEmpty() && (failed.size() != 1 || failed[0]["function"].toString() != point.function ||
                                      failed[0]["call"].toInt() != point.call))
        return "the failing call was not reached";
    // An error report ends the transaction, so there is never a second one;
    // a screen that was shown is handed back, whether confirmed or cancelled.
    if (result["errors"].toArray().size() > 1) return "more than one error report";
    if (!result["screens"].toArray().isEmpty() && result["hand_backs"].toInt() == 0)
        return "a screen was shown but the field store was never handed back";
    return {};
}

class Sweeper {
public:
    Sweeper(const QStringList& childOptions, const SweepOptions& options)
        : childOptions_(childOptions),
          options_(options) {}

    int run(const QStringList& scenarios) {
        for (const QString& scenario : scenarios)
            pending_.push_back({scenario, QFileInfo(scenario).completeBaseName(), {}, 0});
        while (!pending_.empty() || !running_.empty()) {
            while (!pending_.empty() && int(running_.size()) < std::max(1, options_.jobs)) {
                start(pending_.front());
                pending_.pop_front();
            }
            if (!reap()) return kModuleUnusable;
        }
        std::printf("%d failure points in %d scenarios; %d runs not clean\n", points_, int(scenarios.size()), unclean_);
        return unclean_ == 0 ? kPassed : kExpectationFailed;
    }

private:
    void start(const Point& point) {
        auto child = std::make_unique<Child>();
        child->point = point;
        const QString stem = dir_.filePath(QString::number(++started_));
        child->scenarioPath = point.scenario;
        if (!point.function.isEmpty()) {
            // The scenario as written, with one host call made to fail.
            QJsonObject root = QJsonDocument::fromJson(readFile(point.scenario)).object();
            QJsonObject host = root["host"].toObject();
            host["fail_call"] = QJsonObject{{"function", point.function}, {"call", point.call}};
            root["host"] = host;
            child->scenarioPath = stem + "-" + point.name + ".json";
            QFile file(child->scenarioPath);
            if (file.open(QIODevice::WriteOnly)) file.write(QJsonDocument(root).toJson());
        }
        child->resultPath = stem + ".result.json";
        child->errorsPath = stem + ".stderr";
        child->clock.start();
        child->run = std::make_unique<OwnRun>(QStringList{"run", child->scenarioPath, "--quiet", "--cashier-cancel",
                                                          "--out", child->resultPath, "--step-timeout",
                                                          QString::number(options_.stepTimeoutMs), "--timeout",
                                                          QString::number(options_.timeoutMs / 1000.0)} +
                                                  childOptions_,
                                              modulePath_, child->errorsPath);
        child->process = &child->run->process();
        running_.push_back(std::move(child));
    }

    // Waits for one child to end and takes its outcome; false when the
    // module cannot be used at all.
    bool reap() {
        for (;;) {
            for (auto it = running_.begin(); it != running_.end(); ++it) {
                Child& child = **it;
                bool ended = child.process->waitForFinished(running_.size() == 1 ? kChildLimitMs : 20);
                if (!ended && child.clock.elapsed() < kChildLimitMs) continue;
                if (!ended) {
                    child.process->kill();
                    child.process->waitForFinished(5000);
                }
                if (ended && child.process->exitStatus() == QProcess::NormalExit &&
                    child.process->exitCode() == kModuleUnusable) {
                    std::fprintf(stderr, "vks-host: %s\n",
                                 qPrintable(firstLineWith(readFile(child.errorsPath), {"vks-host: "})));
                    return false;
                }
                take(child, ended);
                running_.erase(it);
                return true;
            }
        }
    }

    void take(const Child& child, bool ended) {
        const Point& point = child.point;
        const QString reason = judge(child, ended);
        if (point.function.isEmpty()) {
            // The counting run: one failure point per call of each failable function.
            const QJsonObject counts =
                QJsonDocument::fromJson(readFile(child.resultPath)).object()["failable_calls"].toObject();
            QStringList said;
            int index = 0;
            for (const char* function : vks::sim::kFailableFunctions) {
                const int count = counts[function].toInt();
                if (count > 0) said << QString("%1 %2").arg(function).arg(count);
                for (int call = 1; call <= count; ++call)
                    if (index++ % std::max(1, options_.every) == 0)
                        pending_.push_back({point.scenario, point.name, function, call});
            }
            std::printf("%s: %s\n", qPrintable(point.name),
                        said.isEmpty() ? "no call that can fail" : qPrintable(said.join(", ")));
        } else {
            ++points_;
        }
        if (!reason.isEmpty()) {
            ++unclean_;
            std::fprintf(stderr, "NOT CLEAN %s: %s\n", qPrintable(point.label()), qPrintable(reason));
        }
        TestOutcome test{point.label(), TestOutcome::Kind::Passed, reason, double(child.clock.elapsed()) / 1000.0, {}};
        if (!reason.isEmpty()) {
            test.kind = ended ? TestOutcome::Kind::Failed : TestOutcome::Kind::Error;
            test.systemErr = QString::fromUtf8(readFile(child.errorsPath).left(kSystemErrBytes));
        }
        tests_ << test;
        std::fflush(stdout);
        QFile::remove(child.resultPath);
        QFile::remove(child.errorsPath);
        if (child.scenarioPath != point.scenario) QFile::remove(child.scenarioPath);
    }

public:
    const QList<TestOutcome>& tests() const { return tests_; }

private:
    QStringList childOptions_;
    SweepOptions options_;
    QString modulePath_ = ModuleLibrary::defaultPath();
    PrivateFolder dir_;
    QList<TestOutcome> tests_;
    std::deque<Point> pending_;
    std::deque<std::unique_ptr<Child>> running_;
    int started_ = 0;
    int points_ = 0;
    int unclean_ = 0;
};

} // namespace

int runSweep(const QString& target, const QStringList& childOptions, const SweepOptions& options) {
    QStringList scenarios;
    if (QFileInfo(target).isDir()) {
        const QDir dir(target);
        for (const QString& file : dir.entryList({"*.json"}, QDir::Files, QDir::Name))
            if (scenarioSelected(QFileInfo(file).completeBaseName(), options.filter)) scenarios << dir.filePath(file);
    } else {
        scenarios << target;
    }
    if (scenarios.isEmpty()) {
        std::fprintf(stderr, "vks-host: no *.json scenario to sweep in %s\n", qPrintable(target));
        return kInvalidScenario;
    }
    const QDateTime started = QDateTime::currentDateTime();
    try {
        Sweeper sweeper(childOptions, options);
        const int status = sweeper.run(scenarios);
        if (status != kModuleUnusable && !options.junitPath.isEmpty() &&
            !writeWholeFile(options.junitPath, junitReport("vks-host sweep", sweeper.tests(), started))) {
            std::fprintf(stderr, "vks-host: cannot write %s\n", qPrintable(options.junitPath));
            return kInvalidScenario;
        }
        return status;
    } catch (const HostFolderError& error) {
        std::fprintf(stderr, "vks-host: %s\n", error.what());
        return kInvalidScenario;
    }
}

} // namespace vkshost
