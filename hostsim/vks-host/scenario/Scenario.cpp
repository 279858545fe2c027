#include "Scenario.h"

#include <array>
#include <limits>
#include <vector>

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QRegularExpression>

#include "JsonPlaces.h"
#include "Simulator.h"

namespace vkshost {

namespace {

using namespace json;

// Occurrences travel as 16-bit numbers to the host.
constexpr int kMaxOccurrences = 65536;

std::int32_t fieldId(const QString& key, const QString& place) {
    static const QRegularExpression digits("^[0-9]{1,10}$");
    bool ok = false;
    const qint64 id = key.toLongLong(&ok);
    if (!digits.match(key).hasMatch() || !ok || id > std::numeric_limits<std::int32_t>::max())
        throw ScenarioError(member(place, key, true), "not a field identifier (a whole number)");
    return std::int32_t(id);
}

QJsonValue expandDatesIn(const QJsonValue& value, const QDate& today) {
    if (value.isString()) return expandDates(value.toString(), today);
    if (value.isArray()) {
        QJsonArray expanded;
        for (const QJsonValue& item : value.toArray()) expanded.append(expandDatesIn(item, today));
        return expanded;
    }
    if (value.isObject()) {
        QJsonObject expanded;
        const QJsonObject source = value.toObject();
        for (auto it = source.begin(); it != source.end(); ++it) expanded.insert(it.key(), expandDatesIn(*it, today));
        return expanded;
    }
    return value;
}

void readFields(const QJsonValue& value, Scenario& scenario) {
    const QJsonObject fields = object(value, "fields");
    for (auto it = fields.begin(); it != fields.end(); ++it) {
        const QString place = member("fields", it.key(), true);
        const std::int32_t id = fieldId(it.key(), "fields");
        if (it->isArray()) {
            const QJsonArray occurrences = it->toArray();
            if (occurrences.size() > kMaxOccurrences) throw ScenarioError(place, "too many occurrences");
            for (qsizetype i = 0; i < occurrences.size(); ++i)
                scenario.fields.push_back({id, int(i), text(occurrences[i], element(place, i)).toStdString()});
        } else {
            if (!it->isString()) mismatch(place, "a text or a list of texts", *it);
            scenario.fields.push_back({id, 0, it->toString().toStdString()});
        }
    }
}

QByteArray iniText(const QJsonValue& value) {
    if (value.isString()) return value.toString().toUtf8();
    QByteArray content;
    const QJsonObject sections = object(value, "ini");
    for (auto section = sections.begin(); section != sections.end(); ++section) {
        const QString place = member("ini", section.key(), true);
        content += "[" + section.key().toUtf8() + "]\r\n";
        const QJsonObject keys = object(*section, place);
        for (auto key = keys.begin(); key != keys.end(); ++key)
            content += key.key().toUtf8() + "=" + text(*key, member(place, key.key(), true)).toUtf8() + "\r\n";
    }
    return content;
}

RefusedWrite refusedWrite(const QJsonValue& value, const QString& place) {
    const QJsonObject refusal = object(value, place);
    checkKeys(refusal, {"field", "occurrence", "status"}, place);
    if (!refusal.contains("field")) throw ScenarioError(place, "\"field\" is missing");
    RefusedWrite write;
    write.field = std::int32_t(integer(refusal["field"], member(place, "field"), 0, 2147483647));
    if (refusal.contains("occurrence"))
        write.occurrence = int(integer(refusal["occurrence"], member(place, "occurrence"), 0, kMaxOccurrences - 1));
    if (refusal.contains("status"))
        write.status = std::int16_t(integer(refusal["status"], member(place, "status"), -32768, 32767));
    if (write.status == 0) throw ScenarioError(member(place, "status"), "a refused write needs a non-zero status");
    return write;
}

FailedCall failedCall(const QJsonValue& value, const QString& place) {
    const QJsonObject failure = object(value, place);
    checkKeys(failure, {"function", "call"}, place);
    if (!failure.contains("function")) throw ScenarioError(place, "\"function\" is missing");
    FailedCall call;
    call.function = text(failure["function"], member(place, "function")).toStdString();
    if (!vks::sim::isFailable(call.function)) {
        QStringList known;
        for (const char* name : vks::sim::kFailableFunctions) known << name;
        throw ScenarioError(member(place, "function"),
                            "not a host function that can fail (those that can: " + known.join(", ") + ")");
    }
    if (failure.contains("call")) call.call = int(integer(failure["call"], member(place, "call"), 1, 1000000));
    return call;
}

// One object or a list of them.
template <typename Item>
std::vector<Item> oneOrList(const QJsonValue& value, const QString& place,
                            Item (*read)(const QJsonValue&, const QString&)) {
    if (!value.isArray()) return {read(value, place)};
    std::vector<Item> items;
    const QJsonArray list = value.toArray();
    for (qsizetype i = 0; i < list.size(); ++i) items.push_back(read(list[i], element(place, i)));
    return items;
}

HostSettings readHost(const QJsonValue& value) {
    const QString place = "host";
    const QJsonObject host = object(value, place);
    checkKeys(host,
              {"build_version", "operator_valid", "card", "refuse_write", "authorize", "keyboard", "progress_text",
               "fail_call"},
              place);
    HostSettings settings;
    if (host.contains("build_version"))
        settings.buildVersion = text(host["build_version"], member(place, "build_version")).toStdString();
    if (host.contains("operator_valid"))
        settings.operatorValid = boolean(host["operator_valid"], member(place, "operator_valid"));
    if (host.contains("authorize")) settings.authorize = boolean(host["authorize"], member(place, "authorize"));
    if (host.contains("progress_text"))
        settings.progressText = text(host["progress_text"], member(place, "progress_text")).toStdString();
    if (host.contains("card")) {
        const QString cardPlace = member(place, "card");
        const QJsonObject card = object(host["card"], cardPlace);
        checkKeys(card, {"status", "number"}, cardPlace);
        CardSetting setting;
        if (card.contains("status"))
            setting.status = std::int16_t(integer(card["status"], member(cardPlace, "status"), -32768, 32767));
        if (card.contains("number")) setting.number = text(card["number"], member(cardPlace, "number")).toStdString();
        settings.card = setting;
    }
    if (host.contains("refuse_write"))
        settings.refusedWrites = oneOrList(host["refuse_write"], member(place, "refuse_write"), refusedWrite);
    if (host.contains("fail_call"))
        settings.failedCalls = oneOrList(host["fail_call"], member(place, "fail_call"), failedCall);
    if (host.contains("keyboard")) {
        const QString keyPlace = member(place, "keyboard");
        const QJsonObject keyboard = object(host["keyboard"], keyPlace);
        for (auto it = keyboard.begin(); it != keyboard.end(); ++it)
            settings.keyboard.emplace_back(it.key().toStdString(),
                                           text(*it, member(keyPlace, it.key(), true)).toStdString());
    }
    return settings;
}

std::vector<ScenarioStep> readSteps(const QJsonValue& value) {
    std::vector<ScenarioStep> steps;
    const QJsonArray list = array(value, "operator");
    for (qsizetype i = 0; i < list.size(); ++i) {
        const QString place = element("operator", i);
        steps.push_back(parseStep(text(list[i], place), place));
    }
    return steps;
}

// What each expectation key holds: a list of `element`s, or one value.
enum class Shape { TextList, IntOrObjectList, ObjectList, Integer, Boolean, FieldMap };

struct ExpectKey {
    const char* key;
    Shape shape;
};

const std::array<ExpectKey, 14> kExpectKeys{{
    {"fields", Shape::FieldMap},
    {"writes", Shape::ObjectList},
    {"writes_exact", Shape::ObjectList},
    {"requests", Shape::ObjectList},
    {"boxes", Shape::IntOrObjectList},
    {"errors", Shape::IntOrObjectList},
    {"audit", Shape::TextList},
    {"hand_backs", Shape::Integer},
    {"screens", Shape::TextList},
    {"modal_results", Shape::ObjectList},
    {"receipt_copies", Shape::IntOrObjectList},
    {"returned", Shape::Boolean},
    {"owner_restored", Shape::Boolean},
    {"ended_by_host", Shape::Boolean},
}};

void checkExpectValue(const QJsonValue& value, Shape shape, const QString& place) {
    switch (shape) {
    case Shape::Integer:
        integer(value, place, 0, 2147483647);
        return;
    case Shape::Boolean:
        boolean(value, place);
        return;
    case Shape::FieldMap: {
        const QJsonObject fields = object(value, place);
        for (auto it = fields.begin(); it != fields.end(); ++it) {
            fieldId(it.key(), place);
            const QString fieldPlace = member(place, it.key(), true);
            if (it->isArray()) {
                const QJsonArray occurrences = it->toArray();
                for (qsizetype i = 0; i < occurrences.size(); ++i) text(occurrences[i], element(fieldPlace, i));
            } else if (!it->isString()) {
                mismatch(fieldPlace, "a text or a list of texts", *it);
            }
        }
        return;
    }
    default:
        break;
    }
    const QJsonArray list = array(value, place);
    for (qsizetype i = 0; i < list.size(); ++i) {
        const QString itemPlace = element(place, i);
        if (shape == Shape::TextList) text(list[i], itemPlace);
        if (shape == Shape::ObjectList) object(list[i], itemPlace);
        if (shape == Shape::IntOrObjectList && !list[i].isObject())
            integer(list[i], itemPlace, -2147483647, 2147483647);
    }
}

QJsonObject readExpect(const QJsonValue& value) {
    const QJsonObject expect = object(value, "expect");
    QStringList known;
    for (const ExpectKey& key : kExpectKeys) known << key.key;
    checkKeys(expect, known, "expect");
    for (const ExpectKey& key : kExpectKeys)
        if (expect.contains(key.key)) checkExpectValue(expect[key.key], key.shape, member("expect", key.key));
    return expect;
}

} // namespace

QString expandDates(const QString& text, const QDate& today) {
    if (!text.contains("{today")) return text;
    static const QRegularExpression pattern(R"(\{today(?:([+-])([0-9]{1,6}))?(:dd/mm/yyyy)?\})");
    QString result;
    qsizetype last = 0;
    auto matches = pattern.globalMatch(text);
    while (matches.hasNext()) {
        const QRegularExpressionMatch match = matches.next();
        result += text.mid(last, match.capturedStart() - last);
        qint64 days = match.captured(2).toLongLong();
        if (match.captured(1) == "-") days = -days;
        const QDate day = today.addDays(days);
        result += day.toString(match.captured(3).isEmpty() ? "ddMMyyyy" : "dd/MM/yyyy");
        last = match.capturedEnd();
    }
    return result + text.mid(last);
}

QByteArray keepingByteOrderMarks(QByteArray json) {
    static const QByteArray mark("\xEF\xBB\xBF");
    if (json.startsWith(mark)) json.remove(0, mark.size());
    return json.replace(mark, "\\ufeff");
}

Scenario parseScenario(const QByteArray& bytes, const QDate& today, const QString& name) {
    const QByteArray json = keepingByteOrderMarks(bytes);
    // The toolkit's parser takes a raw NUL inside a text; JSON does not,
    // and no C string could carry it to the module.
    if (const qsizetype nul = json.indexOf('\0'); nul >= 0)
        throw ScenarioError(lineAndColumn(json, int(nul)), "a raw NUL byte (inside a text it is written \\u0000)");
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError)
        throw ScenarioError(lineAndColumn(json, error.offset), error.errorString());
    if (!document.isObject()) throw ScenarioError("scenario", "the file must hold one JSON object");
    refuseDuplicateKeys(json);
    const QJsonObject root = expandDatesIn(document.object(), today).toObject();
    checkKeys(root, {"description", "entry", "fields", "ini", "host", "operator", "expect"}, "");

    Scenario scenario;
    scenario.name = name;
    if (root.contains("description")) scenario.description = text(root["description"], "description");
    if (root.contains("entry")) {
        scenario.entry = text(root["entry"], "entry");
        if (!entryPointNames().contains(scenario.entry))
            throw ScenarioError("entry", "unknown entry point \"" + scenario.entry.left(60) +
                                             "\" (known: " + entryPointNames().join(", ") + ")");
    }
    if (root.contains("fields")) readFields(root["fields"], scenario);
    if (root.contains("ini")) scenario.ini = iniText(root["ini"]);
    if (root.contains("host")) scenario.host = readHost(root["host"]);
    if (root.contains("operator")) scenario.steps = readSteps(root["operator"]);
    if (root.contains("expect")) scenario.expect = readExpect(root["expect"]);
    return scenario;
}

Scenario loadScenario(const QString& path, const QDate& today) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) throw ScenarioError(path, "cannot be read: " + file.errorString());
    return parseScenario(file.readAll(), today, QFileInfo(path).completeBaseName());
}

} // namespace vkshost
