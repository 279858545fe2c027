#pragma once

// The cashier's keyboard: keys posted to whatever control has the focus
// when they arrive, as a platform delivers them.

#include <optional>
#include <string>
#include <string_view>

#include <Qt>

namespace vks::cashier {

// One key as the keyboard sends it: key code, modifiers and the text the key
// types (empty for keys that type nothing).
struct KeyStroke {
    int key = 0;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
    std::string text; // UTF-8

    static KeyStroke enter();
    static KeyStroke tab();
    static KeyStroke backtab();
    static KeyStroke backspace();
    static KeyStroke escape();
    static KeyStroke up();
    static KeyStroke down();
    // A key that types one character (UTF-8, one code point).
    static KeyStroke character(std::string_view utf8Char);
    // Alt together with a character key ("Alt+1").
    static KeyStroke alt(char c);
    // "Enter", "Tab", "Backtab", "Backspace", "Escape", "Up", "Down",
    // "Alt+<c>", or a single character; nullopt for anything else.
    static std::optional<KeyStroke> parse(std::string_view name);
    // The key as a script names it ("Enter", "Alt+1", "a"; "key N" for any
    // other key).
    std::string name() const;
};

// One key event per character, each delivered to the control that has the
// focus in the active window when the key arrives. A key that arrives while
// the innermost modal window is not the active window is lost, as on a real
// terminal, and recorded (takeKeyboardFault).
void type(std::string_view utf8);
void press(const KeyStroke& key);
// Why the last key that reached no control was lost ("" when every key
// arrived); reading it clears it. A Script fails on it.
std::string takeKeyboardFault();

} // namespace vks::cashier
