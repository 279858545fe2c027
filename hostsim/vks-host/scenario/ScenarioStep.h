#pragma once

#include <QString>

namespace vkshost {

// One cashier action of a scenario's "operator" list.
enum class StepKind {
    Type,          // type TEXT
    Key,           // key NAME
    ExpectScreen,  // expect screen NAME
    ExpectFocus,   // expect focus CONTROL
    ExpectText,    // expect text CONTROL TEXT
    ExpectEnabled, // expect enabled CONTROL
    ExpectDisabled,
    ExpectVisible,
    ExpectHidden,
    ExpectBox, // expect box ID
    Ok,        // ok
    Wait,      // wait MS
    Shot,      // shot NAME
};

struct ScenarioStep {
    StepKind kind = StepKind::Ok;
    QString target; // screen, control, key name, text to type, shot name
    QString text;   // expect text: the expected text
    int number = 0; // expect box: message id; wait: milliseconds
    QString source; // the step as written
    bool isExpectation() const;
};

// Throws ScenarioError naming `place` when the step is not valid.
ScenarioStep parseStep(const QString& source, const QString& place);

// Longest wait a scenario may ask for, in milliseconds.
inline constexpr int kMaxWaitMs = 60000;

} // namespace vkshost
