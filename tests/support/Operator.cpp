#include "Operator.h"

#include <QDialog>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include "SimulatedHost.h"

namespace vks::test {

Operator::Operator(std::chrono::milliseconds stepTimeout)
    : script_(stepTimeout) {
    script_.onFailure([](const std::string& why) { ADD_FAILURE() << why; });
}

Operator& Operator::type(const std::string& text) {
    script_.type(text);
    return *this;
}

Operator& Operator::press(const cashier::KeyStroke& key) {
    script_.press(key);
    return *this;
}

Operator& Operator::expectScreen(const std::string& name) {
    script_.expectScreen(name);
    return *this;
}

Operator& Operator::expectFocus(const std::string& control) {
    script_.expectFocus(control);
    return *this;
}

Operator& Operator::dismissMessage(MessageId id) {
    script_.expectMessageBoxText(SimulatedHost::messageText(id));
    script_.acceptMessageBox();
    return *this;
}

Operator& Operator::expectNoMessage(std::chrono::milliseconds quiet) {
    script_.pause(quiet);
    script_.then("no message box", [] {
        EXPECT_FALSE(cashier::messageBoxUp()) << "unexpected message box: " << cashier::messageBoxText();
    });
    return *this;
}

Operator& Operator::expectText(const std::string& control, const std::string& text) {
    script_.waitFor(control + " shows \"" + text + "\"",
                    [control, text] { return cashier::controlText(control) == text; });
    return *this;
}

Operator& Operator::expectEnabled(const std::string& control, bool enabled) {
    script_.waitFor(control + (enabled ? " enabled" : " disabled"),
                    [control, enabled] { return cashier::controlEnabled(control) == enabled; });
    return *this;
}

Operator& Operator::expectVisible(const std::string& control, bool visible) {
    script_.waitFor(control + (visible ? " visible" : " hidden"),
                    [control, visible] { return cashier::controlVisible(control) == visible; });
    return *this;
}

Operator& Operator::check(const std::string& what, std::function<void()> body) {
    script_.then(what, std::move(body));
    return *this;
}

Operator& Operator::focusOn(const std::string& control) {
    return check("focus on " + control, [control] {
        QWidget* w = cashier::control(control);
        ASSERT_NE(w, nullptr) << control;
        w->setFocus();
    });
}

Operator& Operator::expectOpenThenCancel(const QWidget& screen) {
    pause(std::chrono::milliseconds(60));
    check("still open", [&screen] { EXPECT_TRUE(screen.isVisible()); });
    expectEnabled("btRetorna", true);
    return escape();
}

Operator& Operator::pause(std::chrono::milliseconds duration) {
    script_.pause(duration);
    return *this;
}

int Operator::run(QDialog& screen) {
    int result = -1;
    run([&] { result = screen.exec(); });
    return result;
}

void Operator::run(const std::function<void()>& body) {
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
