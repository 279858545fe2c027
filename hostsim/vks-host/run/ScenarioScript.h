#pragma once

#include <functional>
#include <vector>

#include <QElapsedTimer>
#include <QString>

#include "cashier/Cashier.h"
#include "scenario/ScenarioStep.h"

namespace vkshost {

// The scenario's cashier actions as a script that runs inside the module's
// modal event loops, followed by a bounded wait for the call to return.
// When a step fails or the call does not return in time, every open window
// is cancelled and `onFailure` runs once.
class ScenarioScript {
public:
    using FailureHandler = std::function<void()>;

    // `stepTimeoutMs`: how long an expect step waits. `cashierCancel`: after
    // a failure the windows are left the cashier's way (OK on each message
    // box, Escape on each screen), so that a screen that no longer answers
    // its keys is not closed from outside.
    ScenarioScript(const std::vector<ScenarioStep>& steps, const QString& shotsDir, int returnTimeoutMs,
                   int stepTimeoutMs = kExpectTimeoutMs, bool cashierCancel = false);

    void start(FailureHandler onFailure);
    void stop() { script_.stop(); }

    // After the call returned: the first step that did not get its turn,
    // "" when every step that needed to ran.
    QString unfinishedStep() const;
    bool failed() const { return !failure_.isEmpty(); }
    bool timedOut() const { return timedOut_; }
    const QString& failure() const { return failure_; }

    // Default bound for a step that waits for the screens, in milliseconds.
    static constexpr int kExpectTimeoutMs = 2000;

private:
    void add(const ScenarioStep& step, int index);
    void addAction(int index, std::function<void()> action);
    void addExpectation(int index, vks::cashier::Script::Condition condition);
    void fail(const std::string& why);
    QString place(int index) const;
    void takeShot(const QString& name) const;
    void cancelAsCashier();

    std::vector<ScenarioStep> steps_;
    QString shotsDir_;
    int returnTimeoutMs_;
    int stepTimeoutMs_;
    QElapsedTimer lastCancelKey_;
    vks::cashier::Script script_;
    FailureHandler onFailure_;
    int current_ = 0;   // the step under way
    int completed_ = 0; // steps done
    bool stepsDone_ = false;
    bool timedOut_ = false;
    QString failure_;
};

} // namespace vkshost
