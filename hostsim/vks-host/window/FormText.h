#pragma once

// The client window's form fields as text: the field table's rows checked,
// and the host's answers (refused writes, keyboard map, failing calls) read
// from and written back to the one-line forms a person types.

#include <string>
#include <utility>
#include <vector>

#include <QString>

#include "scenario/Scenario.h"

namespace vkshost {

// Columns of the field table that a row's problems name.
inline constexpr int kFieldColumn = 0;
inline constexpr int kOccurrenceColumn = 1;

// One row of the field table as typed.
struct FieldRow {
    QString field;
    QString occurrence; // empty: 0
};

// What is wrong with one cell of the field table.
struct RowProblem {
    int row;
    int column; // 0 field, 1 occurrence
    QString text;
};

// Every problem of the rows, in row order: a field identifier that is not
// a whole number, an occurrence that is not one from 0 to 65535, a field
// and occurrence given twice.
std::vector<RowProblem> checkFieldRows(const std::vector<FieldRow>& rows);

// "field:occurrence:status" items separated by blanks or commas (occurrence
// and status optional) and "typed=meant" pairs separated by blanks; both
// throw ScenarioError naming the bad item.
std::vector<RefusedWrite> parseRefusedWrites(const QString& text);
std::vector<std::pair<std::string, std::string>> parseKeyboard(const QString& text);
// "function#call" items separated by blanks or commas (call optional, from
// 1); throws ScenarioError naming the bad item.
std::vector<FailedCall> parseFailedCalls(const QString& text);
QString refusedWritesText(const std::vector<RefusedWrite>& writes);
QString keyboardText(const std::vector<std::pair<std::string, std::string>>& keyboard);
QString failedCallsText(const std::vector<FailedCall>& calls);

} // namespace vkshost
