#pragma once

// GoogleTest driver of the module's modal screens: a script of cashier steps
// that runs inside the screen's event loop. A step that is not met in time
// fails the test and closes every open window, so nothing hangs.

#include <chrono>
#include <functional>
#include <string>

#include "cashier/Cashier.h"
#include "host/HostServices.h"

class QDialog;
class QWidget;

namespace vks::test {

using namespace std::chrono_literals;

class Operator {
public:
    // A step waits this long for what it expects: long enough for a loaded
    // machine running the suites side by side, reached only by a failure.
    explicit Operator(std::chrono::milliseconds stepTimeout = 10000ms);

    Operator& type(const std::string& text);
    Operator& press(const cashier::KeyStroke& key);
    Operator& enter() { return press(cashier::KeyStroke::enter()); }
    Operator& tab() { return press(cashier::KeyStroke::tab()); }
    Operator& backspace() { return press(cashier::KeyStroke::backspace()); }
    Operator& escape() { return press(cashier::KeyStroke::escape()); }
    Operator& alt(char c) { return press(cashier::KeyStroke::alt(c)); }

    Operator& expectScreen(const std::string& name);
    Operator& expectFocus(const std::string& control);
    // A message box showing catalogue message `id`, acknowledged with OK.
    Operator& dismissMessage(MessageId id);
    // No message box appears for `quiet`.
    Operator& expectNoMessage(std::chrono::milliseconds quiet = 100ms);
    Operator& expectText(const std::string& control, const std::string& text);
    Operator& expectEnabled(const std::string& control, bool enabled);
    Operator& expectVisible(const std::string& control, bool visible);
    // Test code run at this point of the script (expectations, changes).
    Operator& check(const std::string& what, std::function<void()> body);
    // The focus put on `control` of the active screen, as a click would.
    Operator& focusOn(const std::string& control);
    // After a refused confirmation: `screen` stays open and can still be
    // cancelled, which the script then does.
    Operator& expectOpenThenCancel(const QWidget& screen);
    Operator& pause(std::chrono::milliseconds duration);

    // Shows `screen` modally while the script runs; its modal result. The
    // script ends by waiting for every window to close.
    int run(QDialog& screen);
    // Runs `body`, which opens the module's windows, while the script runs.
    void run(const std::function<void()>& body);

private:
    cashier::Script script_;
};

} // namespace vks::test
