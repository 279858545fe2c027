#include "ScenarioRun.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QJsonDocument>
#include <QWidget>

#include "Playback.h"
#include "ScenarioIni.h"
#include "Simulator.h"
#include "Summary.h"
#include "batch/Junit.h"
#include "batch/PrivateFolder.h"
#include "module/ModuleLibrary.h"

namespace vkshost {

namespace {

void writeOut(FILE* stream, const QByteArray& bytes) {
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}

// Ends the process when a call into the module does not come back within
// its bound, so that no run can hang whatever the module does. Armed only
// while the module has control: the host's own work in between (building
// a result from a huge field store, say) is never taken for its silence.
class Watchdog {
public:
    using Clock = std::chrono::steady_clock;

    Watchdog()
        : thread_([this] { watch(); }) {}
    ~Watchdog() {
        {
            std::scoped_lock lock(mutex_);
            done_ = true;
        }
        wake_.notify_all();
        thread_.join();
    }
    Watchdog(const Watchdog&) = delete;
    Watchdog& operator=(const Watchdog&) = delete;

    void arm(std::chrono::milliseconds limit) { setDeadline(Clock::now() + limit); }
    void disarm() { setDeadline(std::nullopt); }

private:
    void setDeadline(std::optional<Clock::time_point> deadline) {
        {
            std::scoped_lock lock(mutex_);
            deadline_ = deadline;
        }
        wake_.notify_all();
    }

    void watch() {
        std::unique_lock lock(mutex_);
        while (!done_) {
            if (!deadline_) {
                wake_.wait(lock);
                continue;
            }
            const Clock::time_point deadline = *deadline_;
            wake_.wait_until(lock, deadline);
            if (done_ || !deadline_ || *deadline_ != deadline || Clock::now() < deadline) continue;
            static const char message[] = "failed: the module stopped answering; the call was abandoned\n";
            [[maybe_unused]] const auto written = ::write(2, message, sizeof message - 1);
            ::_exit(kTimedOut);
        }
    }

    std::mutex mutex_;
    std::condition_variable wake_;
    bool done_ = false;
    std::optional<Clock::time_point> deadline_;
    std::thread thread_;
};

std::chrono::milliseconds runLimit(const Scenario& scenario, const RunOptions& options) {
    qint64 limit = options.timeoutMs + kCancelGraceMs + 10000;
    for (const ScenarioStep& step : scenario.steps)
        limit += options.stepTimeoutMs + (step.kind == StepKind::Wait ? step.number : 0);
    return std::chrono::milliseconds(limit);
}

// Prints one run's outcome as the options ask and gives its exit status.
int report(const Outcome& outcome, const Scenario& scenario, const RunOptions& options, const QElapsedTimer& clock) {
    const QByteArray json = QJsonDocument(outcome.result).toJson(QJsonDocument::Indented);
    bool written = true;
    if (!options.outPath.isEmpty())
        written = writeWholeFile(options.outPath, json);
    else if (!options.summaryToStdout)
        writeOut(stdout, json);
    // The summary only when someone reads it: it costs time on a big store.
    const bool junit = !options.junitPath.isEmpty();
    QByteArray summary;
    if (options.summaryToStdout || !options.quiet || junit)
        summary = summarize(outcome.result, scenario.description, outcome.failures, outcome.hadExpectations).toUtf8();
    if (options.summaryToStdout)
        writeOut(stdout, summary);
    else if (!options.quiet)
        writeOut(stderr, summary);
    for (const QString& failure : outcome.failures) writeOut(stderr, ("failed: " + failure + "\n").toUtf8());
    if (junit) {
        const auto kind = outcome.timedOut             ? TestOutcome::Kind::Error
                          : outcome.failures.isEmpty() ? TestOutcome::Kind::Passed
                                                       : TestOutcome::Kind::Failed;
        written = writeRunJunit(options.junitPath, {scenario.name, kind, outcome.failures.join("; "),
                                                    double(clock.elapsed()) / 1000.0, QString::fromUtf8(summary)}) &&
                  written;
    }
    if (!written) {
        writeOut(stderr, ("vks-host: cannot write " + (junit ? options.junitPath : options.outPath) + "\n").toUtf8());
        return kInvalidScenario;
    }
    if (outcome.timedOut) return kTimedOut;
    return outcome.failures.isEmpty() ? kPassed : kExpectationFailed;
}

VksWindow hostWindow(std::unique_ptr<QWidget>& window) {
    if (QGuiApplication::platformName() == QLatin1String("offscreen")) return 0;
    window = std::make_unique<QWidget>();
    window->setWindowTitle("vks-host");
    return VksWindow(window->winId());
}

} // namespace

int runScenario(const Scenario& scenario, const RunOptions& options) {
    const QString modulePath = options.modulePath.isEmpty() ? ModuleLibrary::defaultPath() : options.modulePath;
    std::unique_ptr<ModuleLibrary> module;
    try {
        module = std::make_unique<ModuleLibrary>(modulePath);
    } catch (const ModuleError& error) {
        writeOut(stderr, QByteArray("vks-host: ") + error.what() + "\n");
        if (!options.junitPath.isEmpty())
            writeRunJunit(options.junitPath, {scenario.name, TestOutcome::Kind::Error, error.what(), 0, {}});
        return kModuleUnusable;
    }

    const ScenarioIni ini(scenario.ini);
    if (!ini.problem().isEmpty()) {
        writeOut(stderr, ("vks-host: " + ini.problem() + "\n").toUtf8());
        if (!options.junitPath.isEmpty())
            writeRunJunit(options.junitPath, {scenario.name, TestOutcome::Kind::Error, ini.problem(), 0, {}});
        return kInvalidScenario;
    }
    // Stands until the run reports: a run the watchdog ends or that crashes
    // leaves this.
    if (!options.junitPath.isEmpty())
        writeRunJunit(options.junitPath, {scenario.name,
                                          TestOutcome::Kind::Error,
                                          "the run ended before it reported: it crashed, or the module stopped "
                                          "answering and the call was abandoned",
                                          0,
                                          {}});
    QElapsedTimer clock;
    clock.start();
    Playback playback(scenario, options);
    Watchdog watchdog;
    watchdog.arm(runLimit(scenario, options));
    std::unique_ptr<QWidget> window;
    const VksWindow handle = hostWindow(window);

    // A call that does not return after its windows were cancelled is
    // abandoned: the result is reported from inside it.
    playback.call(*module, handle, [&] {
        watchdog.disarm();
        const int status = report(playback.abandonedOutcome(*module), scenario, options, clock);
        ::_exit(status);
    });
    watchdog.disarm();
    const int status = report(playback.outcome(*module), scenario, options, clock);
    watchdog.arm(std::chrono::milliseconds(kCancelGraceMs + 10000));
    module->finalize();
    return status;
}

} // namespace vkshost
