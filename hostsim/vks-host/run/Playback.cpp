#include "Playback.h"

#include <algorithm>

#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QTimer>
#include <QWidget>

#include "HostSetup.h"
#include "Result.h"
#include "ScenarioScript.h"
#include "ScreenWatcher.h"
#include "Simulator.h"
#include "module/ModuleLibrary.h"
#include "scenario/Expectations.h"

namespace vkshost {

namespace {

// Steps that assert something count as expectations for the summary.
bool assertsSomething(const Scenario& scenario) {
    return !scenario.expect.isEmpty() ||
           std::any_of(scenario.steps.begin(), scenario.steps.end(), [](const ScenarioStep& step) {
               return step.kind != StepKind::Type && step.kind != StepKind::Key && step.kind != StepKind::Ok &&
                      step.kind != StepKind::Wait && step.kind != StepKind::Shot;
           });
}

} // namespace

VksWindow ownerHandle(const QWidget& window) {
    if (QGuiApplication::platformName() == QLatin1String("offscreen")) return 0;
    return VksWindow(window.winId());
}

Playback::Playback(const Scenario& scenario, const RunOptions& options, bool scripted)
    : scenario_(scenario),
      options_(options) {
    configureHost(scenario);
    watcher_ = std::make_unique<ScreenWatcher>();
    ending_ = std::make_unique<ErrorEndsTransaction>();
    if (scripted)
        script_ = std::make_unique<ScenarioScript>(scenario.steps, options.shotsDir, options.timeoutMs,
                                                   options.stepTimeoutMs, options.cashierCancel);
}

Playback::~Playback() = default;

void Playback::call(const ModuleLibrary& module, VksWindow owner, const std::function<void()>& stuck) {
    // After a failure the script cancels every window; a call that still
    // does not return is stuck.
    QTimer abandon;
    abandon.setSingleShot(true);
    abandon.setInterval(kCancelGraceMs);
    QObject::connect(&abandon, &QTimer::timeout, [&] {
        if (stuck) stuck();
    });
    // Every call starts from a module as freshly loaded, as each run of
    // "vks-host run" does.
    module.initialize();
    if (script_) script_->start([&] { abandon.start(); });
    module.entry(scenario_.entry)(owner, 0);
    if (script_) script_->stop();
    abandon.stop();
    // Screens released with deleteLater are destroyed (and audited) now.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

Outcome Playback::outcome(const ModuleLibrary& module) const {
    QStringList failures;
    if (!script_) return finish(module, true, failures, false);
    if (script_->failed())
        failures << script_->failure();
    else if (const QString unfinished = script_->unfinishedStep(); !unfinished.isEmpty())
        failures << unfinished;
    // With --cashier-cancel a call that outlived the script was ended by the
    // cashier's Escape: it returned, late, which is a failed expectation.
    const bool abandoned = script_->timedOut() && !options_.cashierCancel;
    return finish(module, !abandoned, failures, abandoned);
}

Outcome Playback::abandonedOutcome(const ModuleLibrary& module) const {
    return finish(module, false, {script_ ? script_->failure() : QString()}, script_ && script_->timedOut());
}

Outcome Playback::finish(const ModuleLibrary& module, bool returned, QStringList failures, bool timedOut) const {
    Outcome outcome;
    outcome.result = buildResult(scenario_.name, returned, ending_->endedAScreen(), *watcher_);
    // The version the screens show in their title, as GetBuildInfo reads it.
    outcome.result["module_version"] =
        QString::fromStdString(vks::sim::simulator().buildInfo(QFile::encodeName(module.path()).toStdString()));
    failures += checkExpectations(scenario_.expect, outcome.result);
    outcome.failures = failures;
    outcome.timedOut = timedOut;
    outcome.hadExpectations = assertsSomething(scenario_);
    return outcome;
}

} // namespace vkshost
