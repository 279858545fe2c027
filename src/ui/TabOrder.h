#pragma once

#include <vector>

class QWidget;

namespace vks::ui {

// Tab order of a window: its tab stops (controls taking focus by Tab) that
// are visible and enabled, in focus-chain order.

// The window's first tab stop, nullptr when it has none.
QWidget* firstTabStop(QWidget& window);
// The tab stop after `from` (wrapping round), nullptr when there is none.
QWidget* nextTabStop(QWidget& window, QWidget* from);
// Chains the controls in the given order, each after the one before.
void setTabSequence(const std::vector<QWidget*>& controls);

} // namespace vks::ui
