#include "Script.h"

#include <memory>
#include <utility>

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include "Actions.h"
#include "Keyboard.h"
#include "Scene.h"

namespace vks::cashier {

namespace {

// How often a step that waits on time alone (a pause, a deadline) is looked at
// again when nothing else happens.
constexpr std::chrono::milliseconds kIdlePoll = 2ms;
// A looking that the application keeps busy this many rounds in a row looks
// anyway, so that a control that repaints on every round cannot stall a script.
constexpr int kMaxBusyRounds = 32;

} // namespace

// Runs the script's looking when the application has settled: every event
// the looking might depend on (a key, the commit an item view posts after
// it, a paint, an activation) has been delivered. It counts the events
// delivered to everyone else; a requested look is posted to the back of the
// event queue and put back there until one whole round of the event loop
// delivered nothing. Any event delivered while the script waits asks for a
// look, so a step follows what it waits for at once, without a timer's tick.
class Script::Pacer final : public QObject {
public:
    explicit Pacer(std::function<void()> look)
        : look_(std::move(look)) {
        poll_.setSingleShot(true);
        poll_.setParent(this);
        QObject::connect(&poll_, &QTimer::timeout, this, &Pacer::request);
    }
    ~Pacer() override { watch(false); }

    void watch(bool on) {
        if (on == watching_ || QCoreApplication::instance() == nullptr) return;
        watching_ = on;
        if (on)
            QCoreApplication::instance()->installEventFilter(this);
        else
            QCoreApplication::instance()->removeEventFilter(this);
        if (!on) poll_.stop();
    }
    void request() {
        if (pending_ || !watching_) return;
        pending_ = true;
        QCoreApplication::postEvent(this, new QEvent(kLookType));
    }
    // Looks again after `delay` even when nothing happens.
    void pollIn(std::chrono::milliseconds delay) {
        if (watching_) poll_.start(std::max(delay, std::chrono::milliseconds(0)));
    }

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override {
        if (receiver != this && receiver != &poll_) {
            ++delivered_;
            request();
        }
        return QObject::eventFilter(receiver, event);
    }
    bool event(QEvent* event) override {
        if (event->type() != kLookType) return QObject::event(event);
        pending_ = false;
        if (delivered_ != deliveredAtLastLook_ && busyRounds_ < kMaxBusyRounds) {
            deliveredAtLastLook_ = delivered_;
            ++busyRounds_;
            request();
            return true;
        }
        deliveredAtLastLook_ = delivered_;
        busyRounds_ = 0;
        look_();
        return true;
    }

private:
    static inline const QEvent::Type kLookType = static_cast<QEvent::Type>(QEvent::registerEventType());
    std::function<void()> look_;
    QTimer poll_;
    quint64 delivered_ = 0;
    quint64 deliveredAtLastLook_ = 0;
    int busyRounds_ = 0;
    bool pending_ = false;
    bool watching_ = false;
};

Script::Script(std::chrono::milliseconds stepTimeout)
    : stepTimeout_(stepTimeout),
      pacer_(std::make_unique<Pacer>([this] { tick(); })) {}

Script::~Script() = default;

Script& Script::waitFor(std::string what, Condition condition) {
    return waitFor(std::move(what), std::move(condition), stepTimeout_);
}

Script& Script::waitFor(std::string what, Condition condition, std::chrono::milliseconds timeout) {
    steps_.push_back({std::move(what), std::move(condition), nullptr, timeout});
    return *this;
}

Script& Script::then(std::string what, Action action) {
    steps_.push_back({std::move(what), nullptr, std::move(action), stepTimeout_});
    return *this;
}

Script& Script::pause(std::chrono::milliseconds duration) {
    auto clock = std::make_shared<std::optional<QElapsedTimer>>();
    return waitFor(
        "pause " + std::to_string(duration.count()) + " ms",
        [clock, duration] {
            if (!clock->has_value()) clock->emplace().start();
            return (*clock)->elapsed() >= duration.count();
        },
        duration + stepTimeout_);
}
Script& Script::type(std::string text) {
    return then("type \"" + text + "\"", [text] { cashier::type(text); });
}

Script& Script::press(KeyStroke key) {
    return then("press " + key.name(), [key] { cashier::press(key); });
}

Script& Script::expectScreen(std::string name) {
    return waitFor("screen " + name, [name] { return screenName() == name && !messageBoxUp(); });
}

Script& Script::expectFocus(std::string name) {
    return waitFor("focus on " + name, [name] { return !messageBoxUp() && focusedControl() == name; });
}

Script& Script::expectMessageBox() {
    return waitFor("a message box", [] { return messageBoxUp(); });
}

Script& Script::expectMessageBoxText(std::string text) {
    return waitFor("message box \"" + text + "\"", [text] { return messageBoxUp() && messageBoxText() == text; });
}

Script& Script::acceptMessageBox() {
    waitFor("a message box to accept", [] { return messageBoxUp(); });
    // The box closes when its button's queued click arrives; the next step
    // must not see it any more.
    auto box = std::make_shared<QPointer<QWidget>>();
    then("press OK", [box] {
        *box = messageBox();
        cashier::acceptMessageBox();
    });
    return waitFor("the message box to close", [box] { return box->isNull() || !(*box)->isVisible(); });
}

Script& Script::expectAllClosed() {
    return waitFor("every window closed", [] { return activeModal() == nullptr; });
}

void Script::start() {
    next_ = 0;
    failed_ = false;
    keyLost_ = false;
    failure_.clear();
    takeKeyboardFault(); // a key lost before the script began is not its own
    stepStarted_ = std::chrono::steady_clock::now();
    pacer_->watch(true);
    pacer_->request();
}

void Script::stop() { pacer_->watch(false); }

std::string Script::describeScene() {
    std::string scene = "screen \"" + screenName() + "\", focus \"" + focusedControl() + "\"";
    if (activeModal() != nullptr && !screenHoldsKeyboard()) scene += " (not the active window)";
    if (messageBoxUp()) scene += ", message box \"" + messageBoxText() + "\"";
    return scene;
}

void Script::tick() {
    if (failed_) {
        cancel();
        pacer_->pollIn(kIdlePoll);
        return;
    }
    if (std::string fault = takeKeyboardFault(); !fault.empty()) {
        keyLost_ = true;
        fail(fault);
        pacer_->pollIn(kIdlePoll);
        return;
    }
    // Conditions that already hold pass in the same look; an action ends it,
    // so that the events it caused are delivered before the next step looks.
    while (next_ < steps_.size()) {
        const Step& step = steps_[next_];
        if (step.ready && !step.ready()) {
            const auto waited = std::chrono::steady_clock::now() - stepStarted_;
            if (waited > step.timeout) {
                fail("step " + std::to_string(next_ + 1) + " (" + step.what + ") not met within " +
                     std::to_string(step.timeout.count()) + " ms; " + describeScene());
            }
            pacer_->pollIn(kIdlePoll);
            return;
        }
        const Action action = step.action; // an action may add steps
        ++next_;
        stepStarted_ = std::chrono::steady_clock::now();
        if (action) {
            action();
            pacer_->request(); // behind whatever the action posted
            return;
        }
    }
    pacer_->watch(false);
}

void Script::fail(const std::string& why) {
    failed_ = true;
    failure_ = why;
    if (onFailure_) onFailure_(why);
    cancel();
}

void Script::cancel() {
    if (cancel_)
        cancel_();
    else
        closeAll();
}

} // namespace vks::cashier
