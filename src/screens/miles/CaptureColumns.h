#pragma once

#include <utility>
#include <vector>

class QFrame;
class QLabel;
class QWidget;

namespace vks {

// A capture control and its label (nullptr when it has none).
using LabelledControl = std::pair<QLabel*, QWidget*>;

// Who takes the width two columns leave over.
enum class ColumnSlack {
    RightLabels, // the right column's labels: the controls keep their widths
    Controls,    // the controls that can grow, the left ones (the first typed) twice as much
};

// Lays out the capture panel of a screen with more controls than one column
// holds: the shown controls, in tab order, fill the left column and then the
// right one; hidden ones go below, taking no room. Few controls stay in one
// column.
void arrangeInColumns(QFrame& panel, const std::vector<LabelledControl>& controls,
                      ColumnSlack slack = ColumnSlack::RightLabels);

} // namespace vks
