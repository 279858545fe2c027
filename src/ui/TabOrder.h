#pragma once

#include <vector>

class QWidget;

namespace vks::ui {

// Tab order of a window: the controls in `order` (or, when it is empty, the
// window's focus chain) that take focus by Tab and are visible and enabled.

// The first tab stop, nullptr when there is none.
QWidget* firstTabStop(QWidget& window, const std::vector<QWidget*>& order);
// The tab stop after (or before) `from`, wrapping round; nullptr when there
// is none. A `from` outside the order starts from the beginning.
QWidget* nextTabStop(QWidget& window, const std::vector<QWidget*>& order, QWidget* from, bool forward = true);

} // namespace vks::ui
