#pragma once

// What the screen tests share: the sample card and CPF, field lists, filling
// and reading the simulated host, and readable names for parameter cases.

#include <ostream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include <QComboBox>
#include <QDate>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>

#include "CaseName.h"
#include "ScriptedCashier.h"
#include "SimulatedHost.h"
#include "host/Fields.h"
#include "screens/ScreenTable.h"
#include "screens/base/CreateScreen.h"

namespace vks {
inline void PrintTo(const ScreenClass& screenClass, std::ostream* os) { *os << screenClass.className; }
} // namespace vks

namespace vks::test {

inline constexpr const char* kCard = "6034567890123456";
inline constexpr const char* kConcealedCard = "603456**********";
inline constexpr const char* kValidCpf = "52998224725";

// Field values in order: what a test supplies, or what a screen wrote.
using Fields = std::vector<std::pair<FieldId, std::string>>;
using Writes = Fields;

// The terminal's date `fromToday` days away, as the field store keeps it.
inline std::string day(int fromToday = 0, const char* format = "ddMMyyyy") {
    return QDate::currentDate().addDays(fromToday).toString(QString::fromLatin1(format)).toStdString();
}
inline std::string today() { return day(0); }

inline void supply(SimulatedHost& host, const Fields& fields) {
    for (const auto& [field, value] : fields) host.set(field, value);
}

// Every write in order, a cleared field as "<cleared>".
inline Writes writtenTexts(const SimulatedHost& host) {
    Writes written;
    for (const auto& write : host.writes()) written.emplace_back(write.field, write.text.value_or("<cleared>"));
    return written;
}

template <class T>
T& child(const QDialog& screen, const char* name) {
    auto* found = screen.findChild<T*>(name);
    if (found == nullptr) throw std::runtime_error(std::string("no control ") + name);
    return *found;
}

// What a line edit, list or label shows; "<none>" when there is no such
// control.
inline std::string shown(const QDialog& screen, const char* control) {
    if (auto* edit = screen.findChild<QLineEdit*>(control)) return edit->text().toStdString();
    if (auto* list = screen.findChild<QComboBox*>(control)) return list->currentText().toStdString();
    if (auto* label = screen.findChild<QLabel*>(control)) return label->text().toStdString();
    return "<none>";
}

} // namespace vks::test

using namespace vks;
using namespace vks::test;
using namespace std::chrono_literals;
