#pragma once

// The cashier's sequences: steps that wait for the screens, run inside
// whatever modal loop the module is in.

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "Keyboard.h"

namespace vks::cashier {

using namespace std::chrono_literals;

// Steps run one after the other inside the running event loop, looked at
// whenever the application has settled after an event (and every couple of
// milliseconds while a step waits on time alone).
// A waiting step passes when its condition holds and fails when its deadline
// passes; then the failure handler runs, and every modal window is closed
// (screens with result 2, or as onCancel says) until the script is stopped.
class Script {
public:
    using Condition = std::function<bool()>;
    using Action = std::function<void()>;
    using FailureHandler = std::function<void(const std::string&)>;

    explicit Script(std::chrono::milliseconds stepTimeout = 5000ms);
    ~Script();
    Script(const Script&) = delete;
    Script& operator=(const Script&) = delete;

    Script& waitFor(std::string what, Condition condition);
    Script& waitFor(std::string what, Condition condition, std::chrono::milliseconds timeout);
    Script& then(std::string what, Action action);
    Script& pause(std::chrono::milliseconds duration);

    Script& type(std::string text);
    Script& press(KeyStroke key);
    Script& expectScreen(std::string name);
    Script& expectFocus(std::string control);
    Script& expectMessageBox();
    Script& expectMessageBoxText(std::string text);
    Script& acceptMessageBox();
    // Waits until no modal window is open any more.
    Script& expectAllClosed();

    void onFailure(FailureHandler handler) { onFailure_ = std::move(handler); }
    // How the windows are ended after a failure, at every look until the
    // script is stopped; closeAll() unless set.
    void onCancel(Action cancel) { cancel_ = std::move(cancel); }

    // Begins running in the event loop that runs next (or runs now).
    void start();
    void stop();
    bool finished() const { return next_ >= steps_.size() && !failed_; }
    bool failed() const { return failed_; }
    const std::string& failure() const { return failure_; }
    // The failure is a key that reached no control (the screen was not the
    // active window).
    bool keyLost() const { return keyLost_; }
    // A short picture of what the cashier sees, for failure messages.
    static std::string describeScene();

private:
    struct Step {
        std::string what;
        Condition ready; // empty: ready at once
        Action action;   // may be empty
        std::chrono::milliseconds timeout;
    };
    class Pacer;
    void tick();
    void fail(const std::string& why);
    void cancel();

    std::vector<Step> steps_;
    std::size_t next_ = 0;
    std::chrono::steady_clock::time_point stepStarted_;
    std::chrono::milliseconds stepTimeout_;
    bool failed_ = false;
    bool keyLost_ = false;
    std::string failure_;
    FailureHandler onFailure_;
    Action cancel_;
    std::unique_ptr<Pacer> pacer_;
};

} // namespace vks::cashier
