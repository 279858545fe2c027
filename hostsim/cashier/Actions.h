#pragma once

// What the cashier does besides typing: answers message boxes, closes
// windows, and lets the event loop run.

#include <chrono>
#include <functional>

namespace vks::cashier {

// Presses the OK button of the open message box; false when none is open.
bool acceptMessageBox();
// Ends every open modal window: message boxes, then screens with `screenResult`.
void closeAll(int screenResult = 2);

// Processes events until `condition` holds or `timeout` passes; true when it
// held. Must not be used where an action of the caller opens a modal loop
// underneath it; use a Script there.
bool waitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout);
// Processes events for `duration`.
void settle(std::chrono::milliseconds duration);

} // namespace vks::cashier
