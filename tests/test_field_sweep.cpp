// Whatever the host left in the field store, every screen of the screen
// table opens, shows, lets its self-confirmation run or is cancelled, and
// nothing crashes. The fields fed are the ones the screen reads on a clean
// run, so a field a screen starts reading joins the sweep by itself.
#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <set>

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QTimer>

#include "TestData.h"
#include "core/ModuleState.h"

namespace {

// Empty and blank, no number, numbers past any integer, a date that is
// none, longer than any control takes, broken and multi-byte UTF-8, and
// control characters.
const std::string kHostile[] = {
    "",
    "   ",
    "abc",
    "-5",
    "99999999999999999999",
    "-2147483649",
    "1e9",
    "31/02/2024",
    std::string(1 << 16, '9'),
    std::string(1 << 16, 'x'),
    "\xff\xfe\x80",
    "12\xc3",
    "\xc3\xa9\xe2\x82\xac",
    "\t\r\n\x1b\x7f\x01",
};

std::string describe(const std::string& value) {
    if (value.size() <= 12) return testing::PrintToString(value);
    return testing::PrintToString(value.substr(0, 12)) + "... (" + std::to_string(value.size()) + " bytes)";
}

// Runs `screen` modally: message boxes are acknowledged at once; a screen
// is cancelled once it has been up for a moment and its self-confirmation
// timer is not running, so that self-confirmation always gets its turn.
int runBriefly(QDialog& screen) {
    QWidget* top = nullptr;
    QElapsedTimer up;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || !modal->isVisible()) return;
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            box->done(QMessageBox::Ok);
        } else if (modal != top) {
            top = modal;
            up.restart();
        } else if (const auto* timer = modal->findChild<QTimer*>(QStringLiteral("TClique"));
                   up.elapsed() >= 15 && (timer == nullptr || !timer->isActive())) {
            if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->done(2);
        }
    });
    poll.start(2);
    return screen.exec();
}

// A fresh host and state, with the optional occurrence controls on, so that
// the miles screens read what they can.
struct Context {
    Context() { state().TrataOcorrencia = "SIM"; }
    ScopedSimulatedHost host;
};

std::vector<FieldId> fieldsRead(const ScreenClass& screenClass) {
    Context context;
    runBriefly(*screenClass.create());
    const std::vector<FieldId> reads = context.host->reads();
    const std::set<FieldId> read(reads.begin(), reads.end());
    return {read.begin(), read.end()};
}

class HostileFieldContent : public testing::TestWithParam<ScreenClass> {};

TEST_P(HostileFieldContent, LeavesTheScreenStanding) {
    const std::vector<FieldId> read = fieldsRead(GetParam());
    if (read.empty()) GTEST_SKIP() << "reads no field of the store";
    for (const std::string& value : kHostile) {
        // Each field alone, the others clean; then all of them at once.
        for (std::size_t only = 0; only <= read.size(); ++only) {
            const std::string fed = only < read.size() ? "field " + std::to_string(read[only]) : "every field";
            SCOPED_TRACE(fed + " = " + describe(value));
            Context context;
            for (std::size_t i = 0; i < read.size(); ++i) {
                if (only == read.size() || only == i) context.host->set(read[i], value);
            }
            const int result = runBriefly(*GetParam().create());
            EXPECT_TRUE(result == 1 || result == 2) << result;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryScreen, HostileFieldContent, testing::ValuesIn(screenClasses()),
                         [](const auto& info) { return std::string(info.param.className); });

} // namespace
