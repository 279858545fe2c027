#include "Summary.h"

#include <algorithm>

#include <QJsonArray>

#include "Catalogues.h"

namespace vkshost {

namespace {

// "1007 Cpf": the number and, for a field the module uses, its name.
QString fieldLabel(qint64 field) {
    const QString name = fieldName(field);
    return name.isEmpty() ? QString::number(field) : QString("%1 %2").arg(field).arg(name);
}

QString idText(const QJsonValue& id) { return id.isNull() ? QString("?") : QString::number(id.toInt()); }

QString screensLine(const QJsonObject& result) {
    const QJsonArray screens = result["screens"].toArray();
    const QJsonArray modalResults = result["modal_results"].toArray();
    QStringList parts;
    for (const QJsonValue& screen : screens) {
        QString part = screen.toString();
        for (const QJsonValue& outcome : modalResults) {
            if (outcome["screen"].toString() != part) continue;
            const int code = outcome["result"].toInt();
            part += code == 1 ? " (OK)" : code == 2 ? " (Cancel)" : QString(" (result %1)").arg(code);
            break;
        }
        parts << part;
    }
    return "Screens: " + (parts.isEmpty() ? QString("none") : parts.join(", "));
}

QString messagesLine(const QString& title, const QJsonArray& messages) {
    if (messages.isEmpty()) return title + ": none";
    QString line = title + ":";
    for (const QJsonValue& message : messages)
        line += QString("\n  %1 \"%2\"").arg(idText(message["id"]), message["text"].toString().left(200));
    return line;
}

// Card numbers as the field store holds them (the PIN pad's read and the
// identification written from it): a person's summary shows them as the
// screens do, the first six characters and one "*" per further one.
QStringList cardNumbers(const QJsonObject& result) {
    QStringList numbers;
    const QJsonObject fields = result["fields"].toObject();
    for (const char* field : {"10104", "1059"}) {
        const QJsonValue value = fields[field];
        const QString number = value.isArray() ? value.toArray().first().toString() : value.toString();
        if (number.trimmed().size() > 6 && !numbers.contains(number)) numbers << number;
    }
    return numbers;
}

QString masked(QString text, const QStringList& cards) {
    for (const QString& card : cards) text.replace(card, card.left(6) + QString(card.size() - 6, QLatin1Char('*')));
    return text;
}

// Each entry with its offset in the request text (in characters, from 0),
// so that a position in the text the host sends leads back to its field.
QString requestText(const QJsonObject& request, qsizetype number) {
    QString text = QString("Request %1: code %2, flag %3, mode %4\n  request text: \"%5\"\n  entries (offset, length):")
                       .arg(number)
                       .arg(request["code"].toInt())
                       .arg(request["flag"].toInt())
                       .arg(request["mode"].toInt())
                       .arg(request["request"].toString());
    qsizetype offset = 0;
    for (const QJsonValue& entry : request["entries"].toArray()) {
        const int field = entry["field"].toInt();
        const QString value = entry["text"].toString();
        text +=
            QString("\n    %1 %2  %3%4, type %5%6: \"%7\"")
                .arg(offset, 4)
                .arg(value.size(), 3)
                .arg(field == 0 ? QString("fixed text") : fieldLabel(field))
                .arg(entry["occurrence"].toInt() == 0 ? QString() : QString("[%1]").arg(entry["occurrence"].toInt()))
                .arg(entry["type"].toInt())
                .arg(entry["block"].toInt() != 0 ? QString(", block") : QString())
                .arg(value);
        offset += value.size();
    }
    return text;
}

QString writesText(const QJsonArray& writes) {
    if (writes.isEmpty()) return "Field writes: none";
    QString text = "Field writes, in order:";
    for (const QJsonValue& write : writes) {
        const int occurrence = write["occurrence"].toInt();
        text += QString("\n  %1%2 = %3")
                    .arg(fieldLabel(write["field"].toInt()))
                    .arg(occurrence == 0 ? QString() : QString("[%1]").arg(occurrence))
                    .arg(write["text"].isNull() ? QString("(cleared)") : "\"" + write["text"].toString() + "\"");
    }
    return text;
}

QString storeText(const QJsonObject& fields) {
    if (fields.isEmpty()) return "Field store after the call: empty";
    QString text = "Field store after the call:";
    // In the order of the field numbers, not of their texts.
    QStringList keys = fields.keys();
    std::sort(keys.begin(), keys.end(),
              [](const QString& a, const QString& b) { return a.toLongLong() < b.toLongLong(); });
    for (const QString& key : keys) {
        const QJsonValue value = fields[key];
        const QString label = fieldLabel(key.toLongLong());
        if (!value.isArray()) {
            text += QString("\n  %1 = \"%2\"").arg(label, value.toString());
            continue;
        }
        const QJsonArray occurrences = value.toArray();
        for (qsizetype i = 0; i < occurrences.size(); ++i)
            text += QString("\n  %1[%2] = \"%3\"").arg(label).arg(i).arg(occurrences[i].toString());
    }
    return text;
}

} // namespace

QString summarize(const QJsonObject& result, const QString& description, const QStringList& failures, bool expected) {
    QStringList lines;
    lines
        << QString("Scenario %1%2").arg(result["scenario"].toString(), description.isEmpty() ? "" : ": " + description);
    lines << "Module version: " + result["module_version"].toString();
    lines << (result["returned"].toBool() ? "The call returned." : "The call did not return in time.");
    if (result["ended_by_host"].toBool())
        lines << "The host ended the transaction after the module's error report: the screen left open was cancelled.";
    lines << screensLine(result);
    lines << messagesLine("Message boxes", result["boxes"].toArray());
    lines << messagesLine("Errors reported", result["errors"].toArray());
    const QJsonArray requests = result["requests"].toArray();
    if (requests.isEmpty()) lines << "Requests: none";
    const QStringList cards = cardNumbers(result);
    for (qsizetype i = 0; i < requests.size(); ++i) lines << masked(requestText(requests[i].toObject(), i + 1), cards);
    lines << masked(writesText(result["writes"].toArray()), cards);
    lines << masked(storeText(result["fields"].toObject()), cards);
    lines << QString("Field store handed back: %1 time(s)").arg(result["hand_backs"].toInt());
    if (!failures.isEmpty()) {
        lines << "Expectations failed:\n  " + failures.join("\n  ");
    } else {
        lines << (expected ? QString("Expectations: all held") : QString("Expectations: none were given"));
    }
    return lines.join('\n') + '\n';
}

} // namespace vkshost
