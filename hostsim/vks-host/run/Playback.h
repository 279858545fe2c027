#pragma once

#include <functional>
#include <memory>

#include <QJsonObject>
#include <QStringList>

class QWidget;

#include "ErrorEndsTransaction.h"
#include "ScenarioRun.h"
#include "scenario/Scenario.h"
#include "vks/vks.h"

namespace vkshost {

class ModuleLibrary;
class ScenarioScript;
class ScreenWatcher;

// Time the cancelled screens get to close before the call is abandoned.
inline constexpr int kCancelGraceMs = 2000;

// The handle the module is given for `window` as its owner: none on the
// offscreen platform, whose windows no screen can belong to (as
// "vks-host run" passes there).
VksWindow ownerHandle(const QWidget& window);

// What one call of the module produced.
struct Outcome {
    QJsonObject result;
    QStringList failures;  // failed steps, then failed expectations
    bool timedOut = false; // the call had to be cancelled and was abandoned
    bool hadExpectations = false;
};

// One scenario played against a loaded module: the simulated host set up
// from it, the entry point called with `owner` while the steps are played
// (or, without steps to play, while a person acts), then the result built
// and checked. `vks-host run` and the client window both play through it,
// so the same file gives the same result from both.
class Playback {
public:
    // scripted: the scenario's steps play the cashier (with the timeouts of
    // `options`); otherwise a person does and no time limit applies.
    Playback(const Scenario& scenario, const RunOptions& options, bool scripted = true);
    ~Playback();
    Playback(const Playback&) = delete;
    Playback& operator=(const Playback&) = delete;

    // Calls the entry point and returns once the call has. `stuck` runs
    // inside the call when a failed script cancelled every window and the
    // call still did not return within the grace time; it may end the
    // process with abandonedOutcome().
    void call(const ModuleLibrary& module, VksWindow owner, const std::function<void()>& stuck);
    // The outcome once the call returned.
    Outcome outcome(const ModuleLibrary& module) const;
    // The outcome as it stands while the call is stuck.
    Outcome abandonedOutcome(const ModuleLibrary& module) const;

private:
    Outcome finish(const ModuleLibrary& module, bool returned, QStringList failures, bool timedOut) const;

    const Scenario& scenario_;
    const RunOptions& options_;
    std::unique_ptr<ScreenWatcher> watcher_;
    std::unique_ptr<ErrorEndsTransaction> ending_;
    std::unique_ptr<ScenarioScript> script_;
};

} // namespace vkshost
