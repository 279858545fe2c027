#include "ScenarioStep.h"

#include <array>
#include <utility>

#include <QRegularExpression>

#include "Scenario.h"
#include "cashier/Cashier.h"

namespace vkshost {

namespace {

struct ExpectForm {
    const char* word;
    StepKind kind;
    bool takesText;
};

const std::array<ExpectForm, 8> kExpectForms{{
    {"screen", StepKind::ExpectScreen, false},
    {"focus", StepKind::ExpectFocus, false},
    {"text", StepKind::ExpectText, true},
    {"enabled", StepKind::ExpectEnabled, false},
    {"disabled", StepKind::ExpectDisabled, false},
    {"visible", StepKind::ExpectVisible, false},
    {"hidden", StepKind::ExpectHidden, false},
    {"box", StepKind::ExpectBox, false},
}};

// First word of `text` and the rest after exactly one separating blank.
std::pair<QString, QString> splitWord(const QString& text) {
    const qsizetype blank = text.indexOf(' ');
    if (blank < 0) return {text, QString()};
    return {text.left(blank), text.mid(blank + 1)};
}

int parseBoundedInt(const QString& text, int low, int high, const QString& place, const QString& what) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok || value < low || value > high)
        throw ScenarioError(place, QString("%1 must be a whole number from %2 to %3, not \"%4\"")
                                       .arg(what)
                                       .arg(low)
                                       .arg(high)
                                       .arg(text.left(40)));
    return value;
}

ScenarioStep parseExpect(ScenarioStep step, const QString& rest, const QString& place) {
    const auto [word, argument] = splitWord(rest);
    for (const ExpectForm& form : kExpectForms) {
        if (word != QLatin1String(form.word)) continue;
        step.kind = form.kind;
        if (form.kind == StepKind::ExpectBox) {
            step.number = parseBoundedInt(argument, 0, 2147483647, place, "the message identifier");
            return step;
        }
        const auto [target, text] = form.takesText ? splitWord(argument) : std::pair{argument.trimmed(), QString()};
        if (target.isEmpty()) throw ScenarioError(place, QString("\"expect %1\" needs a name").arg(word));
        step.target = target;
        step.text = text;
        return step;
    }
    throw ScenarioError(place, QString("unknown expectation \"%1\"").arg(word.left(40)));
}

} // namespace

bool ScenarioStep::isExpectation() const {
    switch (kind) {
    case StepKind::Type:
    case StepKind::Key:
    case StepKind::Ok:
    case StepKind::Wait:
    case StepKind::Shot:
        return false;
    default:
        return true;
    }
}

ScenarioStep parseStep(const QString& source, const QString& place) {
    ScenarioStep step;
    step.source = source;
    const auto [action, rest] = splitWord(source);
    if (action == "type") {
        if (rest.isEmpty()) throw ScenarioError(place, "\"type\" needs a text");
        step.kind = StepKind::Type;
        step.target = rest;
    } else if (action == "key") {
        if (!vks::cashier::KeyStroke::parse(rest.toStdString()))
            throw ScenarioError(place, QString("unknown key \"%1\"").arg(rest.left(40)));
        step.kind = StepKind::Key;
        step.target = rest;
    } else if (action == "expect") {
        return parseExpect(step, rest, place);
    } else if (action == "ok") {
        if (!rest.isEmpty()) throw ScenarioError(place, "\"ok\" takes nothing after it");
        step.kind = StepKind::Ok;
    } else if (action == "wait") {
        step.kind = StepKind::Wait;
        step.number = parseBoundedInt(rest, 0, kMaxWaitMs, place, "the wait");
    } else if (action == "shot") {
        static const QRegularExpression fileName("^[A-Za-z0-9_.-]{1,100}$");
        if (!fileName.match(rest).hasMatch() || rest.startsWith('.'))
            throw ScenarioError(place, "\"shot\" needs a file name of letters, digits, '_', '-' and '.'");
        step.kind = StepKind::Shot;
        step.target = rest;
    } else {
        throw ScenarioError(place, QString("unknown action \"%1\"").arg(action.left(40)));
    }
    return step;
}

} // namespace vkshost
