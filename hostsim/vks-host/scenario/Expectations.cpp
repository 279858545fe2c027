#include "Expectations.h"

#include <QJsonArray>
#include <QJsonDocument>

#include "run/Result.h"

namespace vkshost {

namespace {

QString shown(const QJsonValue& value) {
    QString text;
    if (value.isArray() || value.isObject()) {
        const QJsonDocument document =
            value.isArray() ? QJsonDocument(value.toArray()) : QJsonDocument(value.toObject());
        text = QString::fromUtf8(document.toJson(QJsonDocument::Compact));
    } else if (value.isString()) {
        text = "\"" + value.toString() + "\"";
    } else if (value.isDouble()) {
        text = QString::number(value.toDouble(), 'g', 17);
    } else if (value.isBool()) {
        text = value.toBool() ? "true" : "false";
    } else {
        text = value.isNull() ? "null" : "nothing";
    }
    return text.size() > 200 ? text.left(200) + "..." : text;
}

// A bare number in a list of records stands for the record's main key.
QJsonValue normalised(const QJsonValue& expected, const QString& listKey) {
    if (!expected.isDouble()) return expected;
    if (listKey == "boxes" || listKey == "errors") return QJsonObject{{"id", expected}};
    return expected;
}

void match(const QJsonValue& expected, const QJsonValue& actual, const QString& place, const QString& listKey,
           QStringList& failures);

void matchList(const QJsonArray& expected, const QJsonArray& actual, const QString& place, const QString& listKey,
               QStringList& failures) {
    if (expected.size() != actual.size()) {
        failures << QString("%1: expected %2 item(s), got %3: %4")
                        .arg(place)
                        .arg(expected.size())
                        .arg(actual.size())
                        .arg(shown(actual));
        return;
    }
    for (qsizetype i = 0; i < expected.size(); ++i)
        match(normalised(expected[i], listKey), actual[i], QString("%1[%2]").arg(place).arg(i), QString(), failures);
}

void match(const QJsonValue& expected, const QJsonValue& actual, const QString& place, const QString& listKey,
           QStringList& failures) {
    if (expected.isObject() && actual.isObject()) {
        const QJsonObject wanted = expected.toObject();
        const QJsonObject got = actual.toObject();
        for (auto it = wanted.begin(); it != wanted.end(); ++it)
            match(*it, got.value(it.key()), place + "." + it.key(), it.key(), failures);
        return;
    }
    if (expected.isArray() && actual.isArray()) {
        matchList(expected.toArray(), actual.toArray(), place, listKey, failures);
        return;
    }
    if (expected != actual) failures << QString("%1: expected %2, got %3").arg(place, shown(expected), shown(actual));
}

bool matchesRecord(const QJsonValue& expected, const QJsonValue& actual) {
    QStringList failures;
    match(expected, actual, QString(), QString(), failures);
    return failures.isEmpty();
}

// Each expected write must come after the previous one matched.
void matchInOrder(const QJsonArray& expected, const QJsonArray& actual, QStringList& failures) {
    qsizetype next = 0;
    for (qsizetype i = 0; i < expected.size(); ++i) {
        while (next < actual.size() && !matchesRecord(expected[i], actual[next])) ++next;
        if (next == actual.size()) {
            failures << QString("expect.writes[%1]: %2 not written (in this order)").arg(i).arg(shown(expected[i]));
            return;
        }
        ++next;
    }
}

void matchFields(const QJsonObject& expected, const QJsonObject& result, QStringList& failures) {
    for (auto it = expected.begin(); it != expected.end(); ++it) {
        QJsonValue actual = fieldValue(result, it.key());
        // A single text names occurrence 0 of a field that has several.
        if (it->isString() && actual.isArray()) actual = actual.toArray().first();
        if (it->isArray() && actual.isString()) actual = QJsonArray{actual};
        match(*it, actual, "expect.fields.\"" + it.key() + "\"", QString(), failures);
    }
}

} // namespace

QStringList checkExpectations(const QJsonObject& expect, const QJsonObject& result) {
    QStringList failures;
    for (auto it = expect.begin(); it != expect.end(); ++it) {
        if (it.key() == "fields")
            matchFields(it->toObject(), result, failures);
        else if (it.key() == "writes")
            matchInOrder(it->toArray(), result["writes"].toArray(), failures);
        else if (it.key() == "writes_exact")
            matchList(it->toArray(), result["writes"].toArray(), "expect.writes_exact", "writes", failures);
        else
            match(*it, result[it.key()], "expect." + it.key(), it.key(), failures);
    }
    return failures;
}

} // namespace vkshost
