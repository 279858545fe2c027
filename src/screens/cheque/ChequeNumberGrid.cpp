#include "screens/cheque/ChequeNumberGrid.h"

#include <algorithm>

#include <QHeaderView>
#include <QKeyEvent>

namespace vks {
namespace {

constexpr int kColumnWidth = 85;
constexpr int kRowHeight = 24;

} // namespace

ChequeNumberGrid::ChequeNumberGrid(const char* name, QWidget* parent)
    : QTableWidget(kMaxRows, 1, parent) {
    setObjectName(QLatin1String(name));
    horizontalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(kRowHeight);
    verticalHeader()->setFixedWidth(kColumnWidth);
    verticalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setColumnWidth(0, kColumnWidth);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setTabKeyNavigation(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setContextMenuPolicy(Qt::NoContextMenu);
    setFocusPolicy(Qt::StrongFocus);
    setFixedSize(2 * kColumnWidth + 2 * frameWidth(), kMaxRows * kRowHeight + 2 * frameWidth());
    for (int row = 0; row < kMaxRows; ++row) setItem(row, 0, new QTableWidgetItem());
    connect(this, &QTableWidget::currentCellChanged, this, [this] { fresh_ = true; });
}

void ChequeNumberGrid::setCaptions(const QStringList& captions) { setVerticalHeaderLabels(captions); }

void ChequeNumberGrid::setRows(int rows) { setRowCount(std::clamp(rows, 0, kMaxRows)); }

QString ChequeNumberGrid::number(int row) const {
    const QTableWidgetItem* cell = item(row, 0);
    return cell != nullptr ? cell->text() : QString();
}

void ChequeNumberGrid::setNumber(int row, const QString& number) {
    if (QTableWidgetItem* cell = item(row, 0)) cell->setText(number);
}

QStringList ChequeNumberGrid::numbers() const {
    QStringList all;
    for (int row = 0; row < rowCount(); ++row) all << number(row);
    return all;
}

void ChequeNumberGrid::setCurrent(int row) {
    if (row < 0 || row >= rowCount()) return;
    setCurrentCell(row, 0);
    fresh_ = true;
}

void ChequeNumberGrid::keyPressEvent(QKeyEvent* event) {
    const int row = currentRow();
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (onEnter) onEnter();
        return;
    }
    const QString typed = event->text();
    if (typed.isEmpty() || row < 0) {
        QTableWidget::keyPressEvent(event); // movement keys
        return;
    }
    QString cell = number(row);
    if (event->key() == Qt::Key_Backspace) {
        cell.chop(1);
    } else if (typed.size() == 1 && typed.front().isDigit() && typed.front().unicode() < 0x80) {
        if (fresh_) cell.clear();
        if (cell.size() < kDigits) cell += typed;
    } else {
        return; // the number takes digits only
    }
    fresh_ = false;
    setNumber(row, cell);
}

} // namespace vks
