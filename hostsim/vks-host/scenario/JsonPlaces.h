#pragma once

// Reading a scenario's JSON by place: each typed read throws ScenarioError
// naming where the value sits ("host.card.status", "operator[3]") and what
// was found there instead.

#include <QByteArray>
#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <QStringList>

#include "Scenario.h"

namespace vkshost::json {

// Places: a key in quotes, a key or an element below a place.
QString quoted(const QString& key);
QString member(const QString& place, const QString& key);
QString member(const QString& place, const QString& key, bool quote);
QString element(const QString& place, qsizetype index);

// Throws: expected `wanted` at `place`, found what `value` is.
[[noreturn]] void mismatch(const QString& place, const QString& wanted, const QJsonValue& value);
QString text(const QJsonValue& value, const QString& place);
bool boolean(const QJsonValue& value, const QString& place);
qint64 integer(const QJsonValue& value, const QString& place, qint64 low, qint64 high);
QJsonObject object(const QJsonValue& value, const QString& place);
QJsonArray array(const QJsonValue& value, const QString& place);
// Refuses any key of `object` not in `known`.
void checkKeys(const QJsonObject& object, const QStringList& known, const QString& place);

// The place of a byte offset in the document text.
QString lineAndColumn(const QByteArray& json, int offset);
// The toolkit's parser keeps the last of two equal keys of one object: a
// scenario that says two things in one place is refused instead. `json` is
// valid JSON here.
void refuseDuplicateKeys(const QByteArray& json);

} // namespace vkshost::json
