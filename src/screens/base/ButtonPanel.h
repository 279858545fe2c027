#pragma once

#include <QFrame>

class QKeyEvent;
class QPushButton;

namespace vks {

// The button panel pnBotoes of a screen: btConfirma and btRetorna, hidden
// until the screen is shown, and the keys that press them. What a click
// does is the screen's.
class ButtonPanel final : public QFrame {
public:
    explicit ButtonPanel(QWidget& screen);

    // The captions from the catalogue (553, 554).
    void setCaptions();
    void showButtons();

    // Keys the buttons own wherever the focus is: Escape presses btRetorna,
    // Alt+1 and Alt+9 press their buttons, and no other Alt key reaches a
    // control. True when the key is used up.
    bool takeKeyAnywhere(const QKeyEvent& event, const QString& key) const;
    // True when `focus` is one of the buttons.
    bool holds(const QWidget* focus) const;
    // With a button focused: Enter presses it, 1 and 9 press theirs. True
    // when the key is used up.
    bool takeKeyOnButton(QWidget* focus, const QString& key) const;

    QPushButton* const btConfirma;
    QPushButton* const btRetorna;
};

// A button's caption; its mnemonic is the screen's to handle, not the
// toolkit's.
void setButtonCaption(QPushButton& button, const QString& caption);

} // namespace vks
