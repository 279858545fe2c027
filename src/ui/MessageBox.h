#pragma once

#include <string>

class QWidget;

namespace vks::ui {

// Object name of every module message box, so that hosts and tests can
// tell it from the screens.
inline constexpr const char* kMessageBoxName = "VksMessageBox";

// The module's message box: one catalogue text, the application title as
// caption, an OK button, topmost. Owned by `owner`, or by the active screen
// or the host window when none is given. Returns when the box is closed.
// The window that was active before it is active again when it returns.
void showMessage(const std::string& text, QWidget* owner = nullptr);

} // namespace vks::ui
