#pragma once

// What the cashier sees: the module's open modal windows and their controls.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

class QWidget;

namespace vks::cashier {

// Object name of the module's message boxes.
inline constexpr const char* kMessageBoxName = "VksMessageBox";

// Visible modal windows, the most recently shown last as far as the
// application's modal stack tells; the active modal widget is put last.
std::vector<QWidget*> openModals();
bool isMessageBox(const QWidget* w);

// The window that takes the keyboard now: the innermost modal window.
QWidget* activeModal();
// The innermost open screen (a modal window that is not a message box).
QWidget* activeScreen();
// The module's message box when one is open.
QWidget* messageBox();

// Object name of activeScreen() (the screen's reference name), "" when none.
std::string screenName();
// Object name of the control holding the focus in the active modal window,
// "" when none or when that window is not the active window (it would not
// get the keys).
std::string focusedControl();
// A control of the active screen by object name, nullptr when absent.
QWidget* control(std::string_view name);
// Text shown by a control (edit field, label, button, list's current item).
std::optional<std::string> controlText(std::string_view name);
std::optional<bool> controlEnabled(std::string_view name);
// Visible on its screen (the screen itself may be hidden).
std::optional<bool> controlVisible(std::string_view name);

// The innermost modal window is the active window: typed keys reach it.
bool screenHoldsKeyboard();

bool messageBoxUp();
// Text of the open message box, "" when none.
std::string messageBoxText();

} // namespace vks::cashier
