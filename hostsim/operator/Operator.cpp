#include "Operator.h"

#include <memory>
#include <utility>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

namespace vks::op {
namespace {

QString qs(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }
std::string utf8(const QString& text) { return text.toUtf8().toStdString(); }

bool isMessageBox(const QWidget* w) { return w != nullptr && w->objectName() == QLatin1String(kMessageBoxName); }

bool isOpenModal(const QWidget* w) {
    return w != nullptr && w->isWindow() && w->isVisible() && w->windowModality() != Qt::NonModal;
}

// Visible modal windows, the most recently shown last as far as the
// application's modal stack tells; the active modal widget is put last.
std::vector<QWidget*> openModals() {
    std::vector<QWidget*> modals;
    QWidget* top = QApplication::activeModalWidget();
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (isOpenModal(w) && w != top) modals.push_back(w);
    }
    if (isOpenModal(top)) modals.push_back(top);
    return modals;
}

// What went wrong with the last key that reached no control, "" when none.
std::string& keyboardFaultSlot() {
    static std::string fault;
    return fault;
}

// Carries one key, the way a platform does: to the control that has the focus
// in the active window when the key arrives, so that a typed sequence follows
// focus moves made by earlier keys. A modal window that is open but not
// active would not get the key on a real terminal either: the key is lost
// and the fault recorded.
class KeyCourier final : public QObject {
public:
    static KeyCourier& instance() {
        static auto* courier = new KeyCourier(); // lives as long as the application
        return *courier;
    }

    void post(const KeyStroke& key) { QCoreApplication::postEvent(this, new Delivery(key)); }

protected:
    bool event(QEvent* event) override {
        if (event->type() != kDeliveryType) return QObject::event(event);
        const KeyStroke& key = static_cast<Delivery*>(event)->key;
        QWidget* active = QApplication::activeWindow();
        if (QWidget* modal = activeModal(); modal != nullptr && active != modal) {
            keyboardFaultSlot() = "key " + key.name() + " was lost: \"" + utf8(modal->objectName()) +
                                  "\" is open but not the active window (active: " +
                                  (active == nullptr ? std::string("none") : "\"" + utf8(active->objectName()) + "\"") +
                                  ")";
            return true;
        }
        QWidget* target = QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : active;
        if (target == nullptr) return true;
        QPointer<QWidget> guard(target);
        QKeyEvent press(QEvent::KeyPress, key.key, key.modifiers, qs(key.text));
        QCoreApplication::sendEvent(target, &press);
        if (guard) {
            QKeyEvent release(QEvent::KeyRelease, key.key, key.modifiers, qs(key.text));
            QCoreApplication::sendEvent(guard, &release);
        }
        return true;
    }

private:
    static inline const QEvent::Type kDeliveryType = static_cast<QEvent::Type>(QEvent::registerEventType());
    struct Delivery final : QEvent {
        explicit Delivery(KeyStroke k)
            : QEvent(kDeliveryType),
              key(std::move(k)) {}
        KeyStroke key;
    };
    KeyCourier() {
        if (QCoreApplication::instance() != nullptr) moveToThread(QCoreApplication::instance()->thread());
    }
};

int keyCodeOf(const QString& character) {
    if (character.isEmpty()) return 0;
    const QChar c = character.front().toUpper();
    // Qt's key codes for Latin-1 characters are their upper-case code points.
    return c.unicode() < 0x100 ? static_cast<int>(c.unicode()) : static_cast<int>(Qt::Key_unknown);
}

} // namespace

// --- KeyStroke -----------------------------------------------------------------

KeyStroke KeyStroke::enter() { return {Qt::Key_Return, Qt::NoModifier, "\r"}; }
KeyStroke KeyStroke::tab() { return {Qt::Key_Tab, Qt::NoModifier, "\t"}; }
KeyStroke KeyStroke::backtab() { return {Qt::Key_Backtab, Qt::ShiftModifier, ""}; }
KeyStroke KeyStroke::backspace() { return {Qt::Key_Backspace, Qt::NoModifier, "\b"}; }
KeyStroke KeyStroke::escape() { return {Qt::Key_Escape, Qt::NoModifier, "\x1b"}; }
KeyStroke KeyStroke::up() { return {Qt::Key_Up, Qt::NoModifier, ""}; }
KeyStroke KeyStroke::down() { return {Qt::Key_Down, Qt::NoModifier, ""}; }

KeyStroke KeyStroke::character(std::string_view utf8Char) {
    const QString text = qs(utf8Char);
    return {keyCodeOf(text), Qt::NoModifier, std::string(utf8Char)};
}

KeyStroke KeyStroke::alt(char c) {
    const QString text(QChar::fromLatin1(c));
    return {keyCodeOf(text), Qt::AltModifier, std::string(1, c)};
}

namespace {

// The keys that type no character of their own, by the names scripts use.
struct NamedKey {
    std::string_view name;
    KeyStroke (*make)();
};
constexpr NamedKey kNamedKeys[] = {{"Enter", KeyStroke::enter},     {"Tab", KeyStroke::tab},
                                   {"Backtab", KeyStroke::backtab}, {"Backspace", KeyStroke::backspace},
                                   {"Escape", KeyStroke::escape},   {"Up", KeyStroke::up},
                                   {"Down", KeyStroke::down}};

} // namespace

std::optional<KeyStroke> KeyStroke::parse(std::string_view name) {
    for (const NamedKey& n : kNamedKeys) {
        if (n.name == name) return n.make();
    }
    if (name.size() == 5 && name.substr(0, 4) == "Alt+") return alt(name[4]);
    if (qs(name).toUcs4().size() == 1) return character(name);
    return std::nullopt;
}

std::string KeyStroke::name() const {
    if (!text.empty() && static_cast<unsigned char>(text[0]) >= ' ') {
        return (modifiers & Qt::AltModifier ? "Alt+" : "") + text;
    }
    for (const NamedKey& n : kNamedKeys) {
        if (n.make().key == key) return std::string(n.name);
    }
    return "key " + std::to_string(key);
}

// --- Looking ---------------------------------------------------------------------

QWidget* activeModal() {
    const std::vector<QWidget*> modals = openModals();
    return modals.empty() ? nullptr : modals.back();
}

QWidget* activeScreen() {
    const std::vector<QWidget*> modals = openModals();
    for (auto it = modals.rbegin(); it != modals.rend(); ++it) {
        if (!isMessageBox(*it)) return *it;
    }
    return nullptr;
}

QWidget* messageBox() {
    const std::vector<QWidget*> modals = openModals();
    for (auto it = modals.rbegin(); it != modals.rend(); ++it) {
        if (isMessageBox(*it)) return *it;
    }
    return nullptr;
}

std::string screenName() {
    QWidget* screen = activeScreen();
    return screen == nullptr ? std::string() : utf8(screen->objectName());
}

std::string focusedControl() {
    QWidget* modal = activeModal();
    if (modal == nullptr || QApplication::activeWindow() != modal) return {};
    QWidget* focus = modal->focusWidget();
    return focus == nullptr ? std::string() : utf8(focus->objectName());
}

QWidget* control(std::string_view name) {
    QWidget* screen = activeScreen();
    if (screen == nullptr) return nullptr;
    return screen->findChild<QWidget*>(qs(name));
}

std::optional<std::string> controlText(std::string_view name) {
    QWidget* w = control(name);
    if (w == nullptr) return std::nullopt;
    if (auto* edit = qobject_cast<QLineEdit*>(w)) return utf8(edit->text());
    if (auto* label = qobject_cast<QLabel*>(w)) return utf8(label->text());
    if (auto* button = qobject_cast<QAbstractButton*>(w)) return utf8(button->text());
    if (auto* combo = qobject_cast<QComboBox*>(w)) return utf8(combo->currentText());
    return utf8(w->windowTitle());
}

std::optional<bool> controlEnabled(std::string_view name) {
    QWidget* w = control(name);
    if (w == nullptr) return std::nullopt;
    return w->isEnabled();
}

std::optional<bool> controlVisible(std::string_view name) {
    QWidget* w = control(name);
    if (w == nullptr) return std::nullopt;
    return w->isVisibleTo(w->window());
}

bool screenHoldsKeyboard() {
    QWidget* modal = activeModal();
    return modal != nullptr && QApplication::activeWindow() == modal;
}

std::string takeKeyboardFault() { return std::exchange(keyboardFaultSlot(), std::string()); }

bool messageBoxUp() { return messageBox() != nullptr; }

std::string messageBoxText() {
    QWidget* box = messageBox();
    if (box == nullptr) return {};
    if (auto* standard = qobject_cast<QMessageBox*>(box)) return utf8(standard->text());
    // Another kind of box: its first label carries the text.
    auto* label = box->findChild<QLabel*>();
    return label == nullptr ? std::string() : utf8(label->text());
}

// --- Acting ------------------------------------------------------------------------

void type(std::string_view text) {
    for (uint c : qs(text).toUcs4()) {
        const char32_t codePoint = c;
        const QString one = QString::fromUcs4(&codePoint, 1);
        if (one == QLatin1String("\r") || one == QLatin1String("\n")) {
            press(KeyStroke::enter());
        } else if (one == QLatin1String("\b")) {
            press(KeyStroke::backspace());
        } else {
            press(KeyStroke::character(utf8(one)));
        }
    }
}

void press(const KeyStroke& key) { KeyCourier::instance().post(key); }

bool acceptMessageBox() {
    QWidget* box = messageBox();
    if (box == nullptr) return false;
    QAbstractButton* ok = nullptr;
    if (auto* standard = qobject_cast<QMessageBox*>(box)) ok = standard->button(QMessageBox::Ok);
    if (ok == nullptr) ok = box->findChild<QAbstractButton*>();
    if (ok != nullptr) {
        QMetaObject::invokeMethod(ok, &QAbstractButton::click, Qt::QueuedConnection);
    } else if (auto* dialog = qobject_cast<QDialog*>(box)) {
        QMetaObject::invokeMethod(dialog, &QDialog::accept, Qt::QueuedConnection);
    }
    return true;
}

void closeAll(int screenResult) {
    std::vector<QWidget*> modals = openModals();
    for (auto it = modals.rbegin(); it != modals.rend(); ++it) {
        auto* dialog = qobject_cast<QDialog*>(*it);
        if (dialog == nullptr) {
            (*it)->close();
        } else {
            dialog->done(isMessageBox(dialog) ? QMessageBox::Ok : screenResult);
        }
    }
}

bool waitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() >= timeout.count()) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    return true;
}

void settle(std::chrono::milliseconds duration) {
    waitUntil([] { return false; }, duration);
}

// --- Script ------------------------------------------------------------------------

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
    return then("type \"" + text + "\"", [text] { op::type(text); });
}

Script& Script::press(KeyStroke key) {
    return then("press " + key.name(), [key] { op::press(key); });
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
        op::acceptMessageBox();
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

} // namespace vks::op
