#pragma once

#include <functional>

#include <QStringList>
#include <QTableWidget>

namespace vks {

// One grid of cheque numbers: a caption per row ("1ª Parcela:") in its
// fixed column and the number beside it. A number is six digits at most as
// typed (a longer one can only be offered by the screen): the first digit
// typed into a cell just reached replaces what it holds, the next ones
// follow it; Backspace takes the last one back. Enter is the screen's.
class ChequeNumberGrid final : public QTableWidget {
public:
    static constexpr int kMaxRows = 5;
    static constexpr int kDigits = 6;

    ChequeNumberGrid(const char* name, QWidget* parent);

    void setCaptions(const QStringList& captions);
    // `rows` of kMaxRows at most (none below zero).
    void setRows(int rows);

    QString number(int row) const;
    void setNumber(int row, const QString& number);
    QStringList numbers() const;

    // Makes the number of `row` the current cell.
    void setCurrent(int row);

    std::function<void()> onEnter;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The next digit typed replaces the cell (it was just reached).
    bool fresh_ = true;
};

} // namespace vks
