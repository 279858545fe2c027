#pragma once

class QWidget;

namespace vks::ui {

// Makes the host window in force (ModuleState::ownerWindow) the transient
// parent of a top-level window, where the platform can wrap a native
// handle. Without one (no handle, or the offscreen platform) the window
// stays unowned and still opens.
void attachToOwner(QWidget& window);

// The module's active screen or, when none, nullptr: the natural owner of a
// message box.
QWidget* activeScreen();

} // namespace vks::ui
