#include "Summary.h"

#include <QJsonArray>

namespace vkshost {

namespace {

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

QString requestText(const QJsonObject& request, qsizetype number) {
    QString text = QString("Request %1: code %2, flag %3, mode %4\n  request text: \"%5\"\n  entries:")
                       .arg(number)
                       .arg(request["code"].toInt())
                       .arg(request["flag"].toInt())
                       .arg(request["mode"].toInt())
                       .arg(request["request"].toString());
    for (const QJsonValue& entry : request["entries"].toArray()) {
        const int field = entry["field"].toInt();
        text += QString("\n    %1 occurrence %2, width %3, type %4%5: \"%6\"")
                    .arg(field == 0 ? QString("fixed text") : QString("field %1").arg(field))
                    .arg(entry["occurrence"].toInt())
                    .arg(entry["width"].toInt())
                    .arg(entry["type"].toInt())
                    .arg(entry["block"].toInt() != 0 ? QString(", block") : QString())
                    .arg(entry["text"].toString());
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
    lines << screensLine(result);
    lines << messagesLine("Message boxes", result["boxes"].toArray());
    lines << messagesLine("Errors reported", result["errors"].toArray());
    const QJsonArray requests = result["requests"].toArray();
    if (requests.isEmpty()) lines << "Requests: none";
    const QStringList cards = cardNumbers(result);
    for (qsizetype i = 0; i < requests.size(); ++i) lines << masked(requestText(requests[i].toObject(), i + 1), cards);
    lines << QString("Field store handed back: %1 time(s)").arg(result["hand_backs"].toInt());
    if (!failures.isEmpty()) {
        lines << "Expectations failed:\n  " + failures.join("\n  ");
    } else {
        lines << (expected ? QString("Expectations: all held") : QString("Expectations: none were given"));
    }
    return lines.join('\n') + '\n';
}

} // namespace vkshost
