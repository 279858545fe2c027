#include "Result.h"

#include <map>
#include <string_view>

#include <QJsonArray>
#include <QJsonDocument>

#include "ScreenWatcher.h"
#include "Simulator.h"
#include "scenario/Scenario.h"

namespace vkshost {

namespace {

// Every character kept: the toolkit's decoder drops a leading U+FEFF as a
// byte order mark, but here it is part of the text.
QString text(const std::string& bytes) {
    static constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    std::string_view rest = bytes;
    QString decoded;
    while (rest.starts_with(kByteOrderMark)) {
        decoded += QChar(0xFEFF);
        rest.remove_prefix(kByteOrderMark.size());
    }
    return decoded + QString::fromUtf8(rest.data(), qsizetype(rest.size()));
}

QJsonArray texts(const std::vector<std::string>& list) {
    QJsonArray array;
    for (const std::string& item : list) array.append(text(item));
    return array;
}

QJsonArray calls(const vks::sim::Simulator& sim) {
    QJsonArray array;
    for (const vks::sim::CallRecord& call : sim.calls())
        array.append(QJsonObject{{"function", text(call.function)}, {"arguments", texts(call.arguments)}});
    return array;
}

QJsonArray writes(const vks::sim::Simulator& sim) {
    QJsonArray array;
    for (const vks::sim::FieldWrite& write : sim.writes())
        array.append(QJsonObject{{"field", write.field},
                                 {"occurrence", write.occurrence},
                                 {"text", write.text ? QJsonValue(text(*write.text)) : QJsonValue()}});
    return array;
}

QJsonArray requests(const vks::sim::Simulator& sim) {
    QJsonArray array;
    for (const vks::sim::AuthorizationRecord& request : sim.authorizations()) {
        QJsonArray entries;
        for (const vks::sim::RequestEntry& entry : request.entries)
            entries.append(QJsonObject{{"field", entry.field},
                                       {"occurrence", entry.occurrence},
                                       {"width", entry.width},
                                       {"type", entry.type},
                                       {"block", entry.block},
                                       {"text", text(entry.text)}});
        array.append(QJsonObject{{"code", request.code},
                                 {"flag", request.flag},
                                 {"mode", request.mode},
                                 {"entries", entries},
                                 {"request", text(request.request)}});
    }
    return array;
}

QJsonArray errors(const vks::sim::Simulator& sim) {
    QJsonArray array;
    for (const vks::sim::ErrorReport& error : sim.errors()) {
        const int id = messageIdOf(text(error.text));
        array.append(QJsonObject{
            {"code", error.code}, {"id", id < 0 ? QJsonValue() : QJsonValue(id)}, {"text", text(error.text)}});
    }
    return array;
}

// The whole store as the simulator reports it: one text per field, or a
// list when occurrences beyond 0 are set.
QJsonObject fields(const vks::sim::Simulator& sim) {
    const QJsonDocument stored =
        QJsonDocument::fromJson(keepingByteOrderMarks(QByteArray::fromStdString(sim.resultJson())));
    std::map<qint64, std::map<int, QString>> byField;
    for (const QJsonValue& item : stored.object()["fields"].toArray()) {
        const QJsonObject entry = item.toObject();
        byField[entry["field"].toInteger()][entry["occurrence"].toInt()] = entry["text"].toString();
    }
    QJsonObject object;
    for (const auto& [field, occurrences] : byField) {
        const QString key = QString::number(field);
        if (occurrences.size() == 1 && occurrences.begin()->first == 0) {
            object.insert(key, occurrences.begin()->second);
            continue;
        }
        QJsonArray list;
        for (const auto& [occurrence, value] : occurrences) {
            while (list.size() < occurrence) list.append(QString());
            list.append(value);
        }
        object.insert(key, list);
    }
    return object;
}

QJsonArray numbers(const std::vector<std::int32_t>& list) {
    QJsonArray array;
    for (std::int32_t n : list) array.append(n);
    return array;
}

QJsonObject failableCalls(const vks::sim::Simulator& sim) {
    QJsonObject counts;
    for (const auto& [function, count] : sim.failableCounts()) counts.insert(text(function), count);
    return counts;
}

QJsonArray failedCalls(const vks::sim::Simulator& sim) {
    QJsonArray array;
    for (const vks::sim::CallIndex& call : sim.failedCalls())
        array.append(QJsonObject{{"function", text(call.function)}, {"call", call.call}});
    return array;
}

} // namespace

QJsonObject buildResult(const QString& scenarioName, bool returned, bool endedByHost, const ScreenWatcher& watcher) {
    const vks::sim::Simulator& sim = vks::sim::simulator();
    return QJsonObject{
        {"scenario", scenarioName},
        {"returned", returned},
        {"ended_by_host", endedByHost},
        {"screens", watcher.screens()},
        {"modal_results", watcher.modalResults()},
        {"calls", calls(sim)},
        {"writes", writes(sim)},
        {"fields", fields(sim)},
        {"requests", requests(sim)},
        {"boxes", watcher.boxes()},
        {"errors", errors(sim)},
        {"audit", texts(sim.auditLog())},
        {"hand_backs", sim.handBackCount()},
        {"receipt_copies", numbers(sim.receiptCopies())},
        {"failable_calls", failableCalls(sim)},
        {"failed_calls", failedCalls(sim)},
        // The module restores its owner on every way out of a call, so a
        // call that returned has restored it.
        {"owner_restored", returned},
    };
}

QJsonValue fieldValue(const QJsonObject& result, const QString& field) {
    const QJsonValue value = result["fields"].toObject().value(field);
    return value.isUndefined() ? QJsonValue(QString()) : value;
}

} // namespace vkshost
