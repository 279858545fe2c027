#pragma once

#include <functional>

#include <QObject>
#include <QPointer>

class QDialog;
class QWidget;

namespace vks::ui {

// Reports when a window becomes the active window: when it is first shown,
// and when the cashier comes back to it from another application. Coming
// back from one of the module's own message boxes is not an activation.
// The report comes once the activation has completed (the focus placed),
// from the event loop.
class ActivationWatcher final : public QObject {
public:
    ActivationWatcher(QWidget& window, std::function<void()> activated);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> window_;
    std::function<void()> activated_;
    bool leftForMessageBox_ = false;
};

// Raises and activates `window` now, so that it holds the keyboard and the
// focus moves that follow produce their focus-out and focus-in events.
void giveKeyboardBack(QWidget& window);

// Runs `dialog` modally; when it closes, `returnTo` (when given and still
// shown) holds the keyboard again, as the window underneath a closed modal
// window does on every platform the screens come from.
int runModal(QDialog& dialog, QWidget* returnTo);

} // namespace vks::ui
