#pragma once

#include <functional>

#include <QEvent>
#include <QObject>

class QWidget;

namespace vks::ui {

// A control's entry or exit handler: runs when the focus moves into (or out
// of) the control within its screen, not when the screen itself loses or
// regains the keyboard (another window, a message box, the control's own
// pop-up list), as the handlers of the screens' original toolkit behave.
class FocusMoveHandler final : public QObject {
public:
    // `cashierOnly`: not when the program moves the focus either.
    FocusMoveHandler(QWidget& control, QEvent::Type focusEvent, std::function<void()> handler,
                     bool cashierOnly = false);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QEvent::Type focusEvent_;
    std::function<void()> handler_;
    bool cashierOnly_;
};

// `handler` runs each time the cashier moves into `control`.
void onEntry(QWidget& control, std::function<void()> handler);
// `handler` runs each time the cashier leaves `control` for another control.
void onExit(QWidget& control, std::function<void()> handler);
// `handler` runs when the cashier leaves `control` (keys, mouse, mnemonic);
// not when the program moves the focus, as a rejected check does when it
// focuses the control it names, which must keep it.
void onCashierExit(QWidget& control, std::function<void()> handler);

} // namespace vks::ui
