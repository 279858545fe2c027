#include "JsonPlaces.h"

#include <cmath>
#include <vector>

#include <QJsonDocument>
#include <QSet>

namespace vkshost::json {

namespace {

const char* kindName(const QJsonValue& value) {
    switch (value.type()) {
    case QJsonValue::Null:
        return "null";
    case QJsonValue::Bool:
        return "true/false";
    case QJsonValue::Double:
        return "a number";
    case QJsonValue::String:
        return "a text";
    case QJsonValue::Array:
        return "a list";
    case QJsonValue::Object:
        return "an object";
    default:
        return "nothing";
    }
}

} // namespace

[[noreturn]] void mismatch(const QString& place, const QString& wanted, const QJsonValue& value) {
    throw ScenarioError(place, QString("expected %1, found %2").arg(wanted, kindName(value)));
}

QString quoted(const QString& key) { return "\"" + key.left(60) + "\""; }
QString member(const QString& place, const QString& key) { return place.isEmpty() ? key : place + "." + key; }
QString member(const QString& place, const QString& key, bool quote) {
    return member(place, quote ? quoted(key) : key);
}
QString element(const QString& place, qsizetype index) { return QString("%1[%2]").arg(place).arg(index); }

QString text(const QJsonValue& value, const QString& place) {
    if (!value.isString()) mismatch(place, "a text", value);
    return value.toString();
}

bool boolean(const QJsonValue& value, const QString& place) {
    if (!value.isBool()) mismatch(place, "true or false", value);
    return value.toBool();
}

qint64 integer(const QJsonValue& value, const QString& place, qint64 low, qint64 high) {
    const double number = value.toDouble();
    if (!value.isDouble() || std::floor(number) != number || number < double(low) || number > double(high))
        mismatch(place, QString("a whole number from %1 to %2").arg(low).arg(high), value);
    return qint64(number);
}

QJsonObject object(const QJsonValue& value, const QString& place) {
    if (!value.isObject()) mismatch(place, "an object", value);
    return value.toObject();
}

QJsonArray array(const QJsonValue& value, const QString& place) {
    if (!value.isArray()) mismatch(place, "a list", value);
    return value.toArray();
}

void checkKeys(const QJsonObject& object, const QStringList& known, const QString& place) {
    for (auto it = object.begin(); it != object.end(); ++it)
        if (!known.contains(it.key()))
            throw ScenarioError(member(place, it.key(), true), "unknown key (known: " + known.join(", ") + ")");
}

QString lineAndColumn(const QByteArray& json, int offset) {
    const QByteArray before = json.left(offset);
    const qsizetype line = before.count('\n') + 1;
    const qsizetype column = offset - (before.lastIndexOf('\n') + 1) + 1;
    return QString("line %1, column %2").arg(line).arg(column);
}

void refuseDuplicateKeys(const QByteArray& json) {
    struct Level {
        bool object = false;
        bool keyNext = false;
        QSet<QString> keys;
    };
    std::vector<Level> levels;
    for (qsizetype i = 0; i < json.size(); ++i) {
        const char c = json[i];
        if (c == '{' || c == '[') {
            levels.push_back({c == '{', c == '{', {}});
        } else if (c == '}' || c == ']') {
            levels.pop_back();
        } else if (c == ',' && !levels.empty()) {
            levels.back().keyNext = levels.back().object;
        } else if (c == '"') {
            const qsizetype start = i;
            bool escaped = false;
            for (++i; json[i] != '"'; ++i)
                if (json[i] == '\\') {
                    escaped = true;
                    ++i;
                }
            if (levels.empty() || !levels.back().keyNext) continue;
            levels.back().keyNext = false;
            const QByteArray raw = json.mid(start, i - start + 1);
            const QString key = escaped ? QJsonDocument::fromJson("[" + raw + "]").array().first().toString()
                                        : QString::fromUtf8(raw.mid(1, raw.size() - 2));
            if (levels.back().keys.contains(key))
                throw ScenarioError(lineAndColumn(json, int(start)), "the key " + quoted(key) + " appears twice");
            levels.back().keys.insert(key);
        }
    }
}

} // namespace vkshost::json
