#pragma once

// A simulated cashier for the module's screens: reads what the active modal
// screen or message box shows and acts on it as a keyboard would. Qt only:
// it knows the screens by their object names, never by their classes.
//
// Every function runs on the user-interface thread. Actions never block:
// keys are posted and delivered by whatever event loop is running, so an
// action that opens a modal window returns at once. Sequences that must
// wait for the screens (a modal loop inside another) are written as a
// Script, whose steps run inside the running event loop whenever it has
// settled, each with a deadline.

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <Qt>

class QWidget;

namespace vks::op {

using namespace std::chrono_literals;

// One key as the keyboard sends it: key code, modifiers and the text the key
// types (empty for keys that type nothing).
struct KeyStroke {
    int key = 0;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
    std::string text; // UTF-8

    static KeyStroke enter();
    static KeyStroke tab();
    static KeyStroke backtab();
    static KeyStroke backspace();
    static KeyStroke escape();
    static KeyStroke up();
    static KeyStroke down();
    // A key that types one character (UTF-8, one code point).
    static KeyStroke character(std::string_view utf8Char);
    // Alt together with a character key ("Alt+1").
    static KeyStroke alt(char c);
    // "Enter", "Tab", "Backtab", "Backspace", "Escape", "Up", "Down",
    // "Alt+<c>", or a single character; nullopt for anything else.
    static std::optional<KeyStroke> parse(std::string_view name);
    // The key as a script names it ("Enter", "Alt+1", "a"; "key N" for any
    // other key).
    std::string name() const;
};

// Object name of the module's message boxes.
inline constexpr const char* kMessageBoxName = "VksMessageBox";

// --- What the cashier sees -------------------------------------------------

// The window that takes the keyboard now: the innermost modal window.
QWidget* activeModal();
// The innermost open screen (a modal window that is not a message box).
QWidget* activeScreen();
// The module's message box when one is open.
QWidget* messageBox();

// Object name of activeScreen() (the screen's reference name), "" when none.
std::string screenName();
// Object name of the control holding the focus in the active modal window,
// "" when none or when that window is not the active window (it would not
// get the keys).
std::string focusedControl();
// A control of the active screen by object name, nullptr when absent.
QWidget* control(std::string_view name);
// Text shown by a control (edit field, label, button, list's current item).
std::optional<std::string> controlText(std::string_view name);
std::optional<bool> controlEnabled(std::string_view name);
// Visible on its screen (the screen itself may be hidden).
std::optional<bool> controlVisible(std::string_view name);

// The innermost modal window is the active window: typed keys reach it.
bool screenHoldsKeyboard();
// Why the last key that reached no control was lost ("" when every key
// arrived); reading it clears it. A Script fails on it.
std::string takeKeyboardFault();

bool messageBoxUp();
// Text of the open message box, "" when none.
std::string messageBoxText();

// --- What the cashier does ---------------------------------------------------

// One key event per character, each delivered to the control that has the
// focus in the active window when the key arrives. A key that arrives while
// the innermost modal window is not the active window is lost, as on a real
// terminal, and recorded (takeKeyboardFault).
void type(std::string_view utf8);
void press(const KeyStroke& key);
// Presses the OK button of the open message box; false when none is open.
bool acceptMessageBox();
// Ends every open modal window: message boxes, then screens with `screenResult`.
void closeAll(int screenResult = 2);

// Processes events until `condition` holds or `timeout` passes; true when it
// held. Must not be used where an action of the caller opens a modal loop
// underneath it; use a Script there.
bool waitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout);
// Processes events for `duration`.
void settle(std::chrono::milliseconds duration);

// --- Sequences ----------------------------------------------------------------

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

} // namespace vks::op
