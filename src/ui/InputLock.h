#pragma once

#include <QObject>

class QWidget;

namespace vks::ui {

// Locks a window against the cashier's input as a disabled window of the
// screens' original toolkit is locked: keys and clicks no longer reach it,
// while its controls keep their look and the focus stays where it is.
// Disabling the window instead would grey and repaint every control and take
// the focus away, running the focused control's exit handler. Lives as long
// as the window, or until deleted.
class InputLock final : public QObject {
public:
    explicit InputLock(QWidget& window);
    ~InputLock() override;
    InputLock(const InputLock&) = delete;
    InputLock& operator=(const InputLock&) = delete;

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override;

private:
    QWidget& window_;
};

// Paints now what waits to be painted in `window`: for code that holds the
// event loop (the host sending a request) and wants the cashier to see it.
void paintPending(QWidget& window);

} // namespace vks::ui
