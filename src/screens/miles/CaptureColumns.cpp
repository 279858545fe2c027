#include "screens/miles/CaptureColumns.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>

namespace vks {
namespace {

// Rows one column of the capture panel holds comfortably.
constexpr int kRowsOfOneColumn = 7;
// Grid columns of one capture column: label and control.
constexpr int kGridColumnsPerColumn = 2;

void take(QGridLayout& grid, QWidget* widget) {
    if (widget != nullptr) grid.removeWidget(widget);
}

} // namespace

void arrangeInColumns(QFrame& panel, const std::vector<LabelledControl>& controls, ColumnSlack slack) {
    auto* grid = qobject_cast<QGridLayout*>(panel.layout());
    if (grid == nullptr) return;
    std::vector<LabelledControl> shown;
    std::vector<LabelledControl> hidden;
    for (const auto& item : controls) {
        take(*grid, item.first);
        take(*grid, item.second);
        (item.second->isHidden() ? hidden : shown).push_back(item);
    }
    const int count = static_cast<int>(shown.size());
    const int rows = count <= kRowsOfOneColumn ? count : (count + 1) / 2;
    if (rows > kRowsOfOneColumn) grid->setVerticalSpacing(2);
    if (rows < count) {
        // Two columns share the width: narrower margins, the right labels
        // take what is left.
        const QMargins margins = grid->contentsMargins();
        grid->setContentsMargins(4, margins.top(), 4, margins.bottom());
        grid->setHorizontalSpacing(6);
        if (slack == ColumnSlack::RightLabels) {
            grid->setColumnStretch(kGridColumnsPerColumn, 1);
        } else {
            grid->setColumnStretch(1, 2);
            grid->setColumnStretch(kGridColumnsPerColumn, 0);
            grid->setColumnStretch(kGridColumnsPerColumn + 1, 1);
        }
    }

    auto place = [grid](const LabelledControl& item, int row, int column) {
        const int first = column * kGridColumnsPerColumn;
        if (item.first != nullptr) grid->addWidget(item.first, row, first);
        grid->addWidget(item.second, row, first + 1);
    };
    for (int i = 0; i < count; ++i) place(shown[static_cast<std::size_t>(i)], i % rows, i / rows);
    int row = rows;
    for (const auto& item : hidden) place(item, row++, 0);
}

} // namespace vks
