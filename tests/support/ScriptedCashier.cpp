#include "ScriptedCashier.h"

#include <QDialog>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include "SimulatedHost.h"

namespace vks::test {

ScriptedCashier::ScriptedCashier(std::chrono::milliseconds stepTimeout)
    : script_(stepTimeout) {
    script_.onFailure([](const std::string& why) { ADD_FAILURE() << why; });
}

ScriptedCashier& ScriptedCashier::type(const std::string& text) {
    script_.type(text);
    return *this;
}

ScriptedCashier& ScriptedCashier::press(const cashier::KeyStroke& key) {
    script_.press(key);
    return *this;
}

ScriptedCashier& ScriptedCashier::expectScreen(const std::string& name) {
    script_.expectScreen(name);
    return *this;
}

ScriptedCashier& ScriptedCashier::expectFocus(const std::string& control) {
    script_.expectFocus(control);
    return *this;
}

ScriptedCashier& ScriptedCashier::dismissMessage(MessageId id) {
    script_.expectMessageBoxText(SimulatedHost::messageText(id));
    script_.acceptMessageBox();
    return *this;
}

ScriptedCashier& ScriptedCashier::expectNoMessage(std::chrono::milliseconds quiet) {
    script_.pause(quiet);
    script_.then("no message box", [] {
        EXPECT_FALSE(cashier::messageBoxUp()) << "unexpected message box: " << cashier::messageBoxText();
    });
    return *this;
}

ScriptedCashier& ScriptedCashier::expectText(const std::string& control, const std::string& text) {
    script_.waitFor(control + " shows \"" + text + "\"",
                    [control, text] { return cashier::controlText(control) == text; });
    return *this;
}

ScriptedCashier& ScriptedCashier::expectEnabled(const std::string& control, bool enabled) {
    script_.waitFor(control + (enabled ? " enabled" : " disabled"),
                    [control, enabled] { return cashier::controlEnabled(control) == enabled; });
    return *this;
}

ScriptedCashier& ScriptedCashier::expectVisible(const std::string& control, bool visible) {
    script_.waitFor(control + (visible ? " visible" : " hidden"),
                    [control, visible] { return cashier::controlVisible(control) == visible; });
    return *this;
}

ScriptedCashier& ScriptedCashier::check(const std::string& what, std::function<void()> body) {
    script_.then(what, std::move(body));
    return *this;
}

ScriptedCashier& ScriptedCashier::focusOn(const std::string& control) {
    return check("focus on " + control, [control] {
        QWidget* w = cashier::control(control);
        ASSERT_NE(w, nullptr) << control;
        w->setFocus();
    });
}

ScriptedCashier& ScriptedCashier::expectOpenThenCancel(const QWidget& screen) {
    pause(std::chrono::milliseconds(60));
    check("still open", [&screen] { EXPECT_TRUE(screen.isVisible()); });
    expectEnabled("btRetorna", true);
    return escape();
}

ScriptedCashier& ScriptedCashier::pause(std::chrono::milliseconds duration) {
    script_.pause(duration);
    return *this;
}

int ScriptedCashier::run(QDialog& screen) {
    int result = -1;
    run([&] { result = screen.exec(); });
    return result;
}

void ScriptedCashier::run(const std::function<void()>& body) {
    script_.expectAllClosed();
    QTimer::singleShot(0, [this] { script_.start(); });
    body();
    // Windows closed before the script reached its end: what was left is
    // what the screen did not do.
    if (!script_.finished() && !script_.failed()) {
        cashier::waitUntil([this] { return script_.finished() || script_.failed(); }, 200ms);
    }
    script_.stop();
    if (!script_.finished() && !script_.failed()) ADD_FAILURE() << "the windows closed before the script ended";
}

} // namespace vks::test
