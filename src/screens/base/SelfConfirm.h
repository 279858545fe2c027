#pragma once

#include <functional>

class QPushButton;
class QTimer;
class QWidget;

namespace vks {

// The self-confirming behaviour: when the screen becomes active with the
// focus on an enabled confirm button, the one-shot timer TClique runs the
// confirm flow 10 milliseconds later, so that a screen with nothing left to
// type passes without a key press.
class SelfConfirm {
public:
    SelfConfirm(QWidget& screen, QPushButton& confirm, std::function<void()> confirmFlow);

    QTimer* TClique;

private:
    void activated();
    void tick();

    QWidget& screen_;
    QPushButton& confirm_;
    std::function<void()> confirmFlow_;
};

} // namespace vks
