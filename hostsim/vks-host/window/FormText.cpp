#include "FormText.h"

#include <map>

#include <QRegularExpression>
#include <QStringList>

#include "Simulator.h"

namespace vkshost {

namespace {

constexpr int kMaxOccurrence = 65535;

bool wholeNumber(const QString& text, qint64 high, qint64& value) {
    static const QRegularExpression digits("^[0-9]{1,10}$");
    if (!digits.match(text).hasMatch()) return false;
    value = text.toLongLong();
    return value <= high;
}

QStringList items(const QString& text) { return text.split(QRegularExpression("[\\s,]+"), Qt::SkipEmptyParts); }

} // namespace

std::vector<RowProblem> checkFieldRows(const std::vector<FieldRow>& rows) {
    std::vector<RowProblem> problems;
    std::map<std::pair<qint64, qint64>, int> firstRow;
    for (int row = 0; row < int(rows.size()); ++row) {
        const QString field = rows[row].field.trimmed();
        const QString occurrenceText = rows[row].occurrence.trimmed();
        qint64 id = 0;
        qint64 occurrence = 0;
        const bool idOk = wholeNumber(field, 2147483647, id);
        if (!idOk)
            problems.push_back({row, kFieldColumn,
                                field.isEmpty() ? QString("no field identifier")
                                                : QString("field \"%1\" is not a whole number").arg(field.left(20))});
        const bool occurrenceOk = occurrenceText.isEmpty() || wholeNumber(occurrenceText, kMaxOccurrence, occurrence);
        if (!occurrenceOk)
            problems.push_back({row, kOccurrenceColumn,
                                occurrenceText.startsWith('-')
                                    ? QString("occurrence %1 is negative").arg(occurrenceText.left(20))
                                    : QString("occurrence \"%1\" is not a whole number from 0 to %2")
                                          .arg(occurrenceText.left(20))
                                          .arg(kMaxOccurrence)});
        if (!idOk || !occurrenceOk) continue;
        const auto [first, inserted] = firstRow.try_emplace({id, occurrence}, row);
        if (!inserted)
            problems.push_back({row, kFieldColumn,
                                QString("field %1 occurrence %2 is already in row %3")
                                    .arg(id)
                                    .arg(occurrence)
                                    .arg(first->second + 1)});
    }
    return problems;
}

std::vector<RefusedWrite> parseRefusedWrites(const QString& text) {
    std::vector<RefusedWrite> writes;
    for (const QString& item : items(text)) {
        const QStringList parts = item.split(':');
        qint64 field = 0;
        qint64 occurrence = 0;
        bool statusOk = true;
        const int status = parts.size() > 2 ? parts[2].toInt(&statusOk) : 1;
        if (parts.size() > 3 || !wholeNumber(parts[0], 2147483647, field) ||
            (parts.size() > 1 && !wholeNumber(parts[1], kMaxOccurrence, occurrence)) || !statusOk || status == 0 ||
            status < -32768 || status > 32767)
            throw ScenarioError("refused writes",
                                QString("\"%1\" is not field:occurrence:status (status not 0)").arg(item.left(40)));
        writes.push_back({std::int32_t(field), int(occurrence), std::int16_t(status)});
    }
    return writes;
}

std::vector<std::pair<std::string, std::string>> parseKeyboard(const QString& text) {
    std::vector<std::pair<std::string, std::string>> keyboard;
    for (const QString& item : text.split(' ', Qt::SkipEmptyParts)) {
        const qsizetype equals = item.indexOf('=', 1);
        if (equals < 0) throw ScenarioError("keyboard", QString("\"%1\" is not typed=meant").arg(item.left(40)));
        keyboard.emplace_back(item.left(equals).toStdString(), item.mid(equals + 1).toStdString());
    }
    return keyboard;
}

std::vector<FailedCall> parseFailedCalls(const QString& text) {
    std::vector<FailedCall> calls;
    for (const QString& item : items(text)) {
        const QStringList parts = item.split('#');
        qint64 call = 1;
        if (parts.size() > 2 || !vks::sim::isFailable(parts[0].toStdString()) ||
            (parts.size() > 1 && (!wholeNumber(parts[1], 1000000, call) || call == 0)))
            throw ScenarioError(
                "failing calls",
                QString("\"%1\" is not function#call of a host function that can fail").arg(item.left(40)));
        calls.push_back({parts[0].toStdString(), int(call)});
    }
    return calls;
}

QString failedCallsText(const std::vector<FailedCall>& calls) {
    QStringList parts;
    for (const FailedCall& call : calls)
        parts << QString("%1#%2").arg(QString::fromStdString(call.function)).arg(call.call);
    return parts.join(' ');
}

QString refusedWritesText(const std::vector<RefusedWrite>& writes) {
    QStringList parts;
    for (const RefusedWrite& write : writes)
        parts << QString("%1:%2:%3").arg(write.field).arg(write.occurrence).arg(write.status);
    return parts.join(' ');
}

QString keyboardText(const std::vector<std::pair<std::string, std::string>>& keyboard) {
    QStringList parts;
    for (const auto& [typed, meant] : keyboard)
        parts << QString::fromStdString(typed) + "=" + QString::fromStdString(meant);
    return parts.join(' ');
}

} // namespace vkshost
