#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include <QByteArray>
#include <QDate>
#include <QJsonObject>
#include <QString>

#include "ScenarioStep.h"

namespace vkshost {

// A scenario that cannot be run: `place` names where (e.g. "operator[3]",
// "fields.\"1105\"", "line 4, column 12").
class ScenarioError : public std::runtime_error {
public:
    ScenarioError(const QString& place, const QString& message)
        : std::runtime_error((place + ": " + message).toStdString()) {}
};

struct FieldSetting {
    std::int32_t field = 0;
    int occurrence = 0;
    std::string text;
};

struct RefusedWrite {
    std::int32_t field = 0;
    int occurrence = 0;
    std::int16_t status = 1;
};

// The `call`th call (from 1) of a host function that can fail, made to fail.
struct FailedCall {
    std::string function;
    int call = 1;
};

struct CardSetting {
    std::int16_t status = 0;
    std::optional<std::string> number; // none: the simulator's own card
};

// What the simulated libraries answer; unset members keep the simulator's
// defaults.
struct HostSettings {
    std::optional<std::string> buildVersion;
    std::optional<bool> operatorValid;
    std::optional<CardSetting> card;
    std::vector<RefusedWrite> refusedWrites;
    std::optional<bool> authorize;
    std::vector<std::pair<std::string, std::string>> keyboard;
    std::optional<std::string> progressText;
    std::vector<FailedCall> failedCalls;
};

inline const QStringList& entryPointNames() {
    static const QStringList names{"ExecutaGenerico", "ExecutaVenda", "ExecutaFuncaoADM", "ExecutaConsultaCheque",
                                   "ExecutaPreAutorizacao"};
    return names;
}

struct Scenario {
    QString name; // the file's base name
    QString description;
    QString entry = "ExecutaGenerico";
    std::vector<FieldSetting> fields;
    std::optional<QByteArray> ini; // VKS.INI content; none: no file
    HostSettings host;
    std::vector<ScenarioStep> steps;
    QJsonObject expect;
};

// Parses and validates a whole scenario; throws ScenarioError naming the
// place of the first problem. Dates are relative to `today`.
Scenario parseScenario(const QByteArray& json, const QDate& today, const QString& name = {});
Scenario loadScenario(const QString& path, const QDate& today);

// `json` with every U+FEFF inside its texts written as an escape: the
// toolkit's parser drops one written as bytes at the start of a text. A
// leading byte order mark of the document itself is dropped.
QByteArray keepingByteOrderMarks(QByteArray json);

// Replaces {today}, {today+N}, {today-N} ("ddmmyyyy") and
// {today:dd/mm/yyyy}, {today+N:dd/mm/yyyy} (shown form) in `text`.
QString expandDates(const QString& text, const QDate& today);

} // namespace vkshost
