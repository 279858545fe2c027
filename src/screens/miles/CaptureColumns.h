#pragma once

#include <utility>
#include <vector>

class QFrame;
class QLabel;
class QWidget;

namespace vks {

// A capture control and its label (nullptr when it has none).
using LabelledControl = std::pair<QLabel*, QWidget*>;

// Lays out the capture panel of a screen with more controls than one column
// holds: the shown controls, in tab order, fill the left column and then the
// right one; hidden ones go below, taking no room. Few controls stay in one
// column.
void arrangeInColumns(QFrame& panel, const std::vector<LabelledControl>& controls);

} // namespace vks
