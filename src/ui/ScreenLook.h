#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

namespace vks::ui {

// Locked (disabled) values read dark on their grey background, with the
// contrast of normal text, so that the cashier can check an amount the host
// supplied. Every screen of the same class shares one palette.
void makeLockedValuesReadable(QWidget& screen);

// The screen always shows which control has the keyboard, with a frame drawn
// round it: the toolkit's own cue is faint, and on lists and buttons it
// appears only after Tab, while the cashier moves with Enter and mnemonics
// and the screen places the focus itself.
class FocusCue final : public QObject {
public:
    explicit FocusCue(QWidget& screen);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void focusMoved(QWidget* now);
    void follow();

    QPointer<QWidget> screen_;
    QPointer<QWidget> control_;
    QWidget* frame_;
};

} // namespace vks::ui
