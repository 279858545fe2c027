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

class ScriptedCashier {
public:
    // A step waits this long for what it expects: long enough for a loaded
    // machine running the suites side by side, reached only by a failure.
    explicit ScriptedCashier(std::chrono::milliseconds stepTimeout = 10000ms);

    ScriptedCashier& type(const std::string& text);
    ScriptedCashier& press(const cashier::KeyStroke& key);
    ScriptedCashier& enter() { return press(cashier::KeyStroke::enter()); }
    ScriptedCashier& tab() { return press(cashier::KeyStroke::tab()); }
    ScriptedCashier& backspace() { return press(cashier::KeyStroke::backspace()); }
    ScriptedCashier& escape() { return press(cashier::KeyStroke::escape()); }
    ScriptedCashier& alt(char c) { return press(cashier::KeyStroke::alt(c)); }

    ScriptedCashier& expectScreen(const std::string& name);
    ScriptedCashier& expectFocus(const std::string& control);
    // A message box showing catalogue message `id`, acknowledged with OK.
    ScriptedCashier& dismissMessage(MessageId id);
    // No message box appears for `quiet`.
    ScriptedCashier& expectNoMessage(std::chrono::milliseconds quiet = 100ms);
    ScriptedCashier& expectText(const std::string& control, const std::string& text);
    ScriptedCashier& expectEnabled(const std::string& control, bool enabled);
    ScriptedCashier& expectVisible(const std::string& control, bool visible);
    // Test code run at this point of the script (expectations, changes).
    ScriptedCashier& check(const std::string& what, std::function<void()> body);
    // The focus put on `control` of the active screen, as a click would.
    ScriptedCashier& focusOn(const std::string& control);
    // After a refused confirmation: `screen` stays open and can still be
    // cancelled, which the script then does.
    ScriptedCashier& expectOpenThenCancel(const QWidget& screen);
    ScriptedCashier& pause(std::chrono::milliseconds duration);

    // Shows `screen` modally while the script runs; its modal result. The
    // script ends by waiting for every window to close.
    int run(QDialog& screen);
    // Runs `body`, which opens the module's windows, while the script runs.
    void run(const std::function<void()>& body);

private:
    cashier::Script script_;
};

} // namespace vks::test
