// Pieces the screens share: the button panel's keys, and a screen opened by
// another through the screen table.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include "ScriptedCashier.h"
#include "SimulatedHost.h"
#include "TestData.h"
#include "core/ModuleState.h"
#include "host/Fields.h"
#include "screens/ScreenTable.h"
#include "screens/base/ButtonPanel.h"
#include "screens/base/CreateScreen.h"
#include "screens/cheque/TFrmVCheque_AutGen.h"

using namespace vks;
using vks::test::ScriptedCashier;
using vks::test::ScopedSimulatedHost;

namespace {

// --- The button panel's keys ----------------------------------------------------------

enum class Focus { Edit, Confirm, Cancel };

struct PanelKeyCase {
    const char* name;
    int key;
    Qt::KeyboardModifiers modifiers;
    const char* text;
    Focus focus;
    bool used;
    int confirms;
    int cancels;
    bool confirmEnabled = true;
};

const PanelKeyCase kPanelKeys[] = {
    {"Escape anywhere", Qt::Key_Escape, Qt::NoModifier, "\x1b", Focus::Edit, true, 0, 1},
    {"Alt+1 anywhere", Qt::Key_1, Qt::AltModifier, "1", Focus::Edit, true, 1, 0},
    {"Alt+9 anywhere", Qt::Key_9, Qt::AltModifier, "9", Focus::Edit, true, 0, 1},
    {"other Alt keys reach no control", Qt::Key_5, Qt::AltModifier, "5", Focus::Edit, true, 0, 0},
    {"Alt+1 on a disabled button", Qt::Key_1, Qt::AltModifier, "1", Focus::Edit, true, 0, 0, false},
    {"1 in a field is typed", Qt::Key_1, Qt::NoModifier, "1", Focus::Edit, false, 0, 0},
    {"Enter in a field is the screen's", Qt::Key_Return, Qt::NoModifier, "\r", Focus::Edit, false, 0, 0},
    {"Enter on a button presses it", Qt::Key_Return, Qt::NoModifier, "\r", Focus::Cancel, true, 0, 1},
    {"1 on the other button", Qt::Key_1, Qt::NoModifier, "1", Focus::Cancel, true, 1, 0},
    {"9 on the other button", Qt::Key_9, Qt::NoModifier, "9", Focus::Confirm, true, 0, 1},
    {"other keys on a button", Qt::Key_5, Qt::NoModifier, "5", Focus::Confirm, false, 0, 0},
};

class PanelKeys : public testing::TestWithParam<PanelKeyCase> {};

TEST_P(PanelKeys, EscapeAltAndTheFocusedButtonsKeysPressTheButtons) {
    const PanelKeyCase& c = GetParam();
    ScopedSimulatedHost host;
    QDialog screen;
    auto* edit = new QLineEdit(&screen);
    auto* panel = new ButtonPanel(screen);
    int confirms = 0;
    int cancels = 0;
    QObject::connect(panel->btConfirma, &QPushButton::clicked, [&] { ++confirms; });
    QObject::connect(panel->btRetorna, &QPushButton::clicked, [&] { ++cancels; });
    panel->showButtons();
    panel->btConfirma->setEnabled(c.confirmEnabled);
    screen.show();
    QWidget* focus = c.focus == Focus::Edit      ? static_cast<QWidget*>(edit)
                     : c.focus == Focus::Confirm ? panel->btConfirma
                                                 : panel->btRetorna;
    const QKeyEvent event(QEvent::KeyPress, c.key, c.modifiers, QString::fromLatin1(c.text));
    const QString key = QString::fromLatin1(c.text);
    const bool used = panel->takeKeyAnywhere(event, key) || panel->takeKeyOnButton(focus, key);
    EXPECT_EQ(used, c.used);
    EXPECT_EQ(confirms, c.confirms);
    EXPECT_EQ(cancels, c.cancels);
}

INSTANTIATE_TEST_SUITE_P(ButtonPanel, PanelKeys, testing::ValuesIn(kPanelKeys), CaseName());

// --- A screen opened by another ---------------------------------------------------------

// The cheque-number screen opened by a sale numbers that sale's cheques
// without the module holding a reference to the sale, and is known by its
// own reference name only while it exists.
TEST(ChequeNumbers, OpenedByASaleTheScreenNumbersThatSale) {
    ScopedSimulatedHost host;
    for (auto [field, value] : {std::pair{field::Identification, "6034567890123456"},
                                {field::Amount, "30000"},
                                {field::InstallmentCount, "6"},
                                {field::FirstChequeNumber, "000123"}}) {
        host->set(field, value);
    }
    auto sale = createScreen<TFrmVCheque_AutGen>();
    state().screens.erase("FrmVCheque_AutGen");
    ScriptedCashier cashier;
    cashier.expectFocus("sg_NumChq1")
        .check("reference", [] { EXPECT_EQ(state().screens.count("FrmNumChq"), 1u); })
        .enter()
        .enter()
        .enter()
        .enter()
        .enter()
        .expectFocus("sg_NumChq2")
        .enter()
        .expectFocus("btConfirma")
        .alt('1');
    int result = 0;
    cashier.run([&] {
        ReferencedScreen numbers("TFrmNumChq", sale.get());
        if (numbers) result = numbers.runModal(nullptr);
    });
    EXPECT_EQ(result, TFrmMod::kModalOk);
    EXPECT_EQ(state().screens.count("FrmNumChq"), 0u);
    const auto* list = sale->findChild<QComboBox*>("cbNumChq");
    ASSERT_EQ(list->count(), 6);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(list->itemText(i), QString::number(123 + i).rightJustified(6, u'0')) << i;
}

// --- The screen table ----------------------------------------------------------------

class ScreenTableRow : public testing::TestWithParam<ScreenClass> {};

// The row's name is the one the screen goes by: its object name and audit
// entries are its reference name.
TEST_P(ScreenTableRow, CreatesTheScreenItNames) {
    ScopedSimulatedHost host;
    const std::unique_ptr<QDialog> screen = GetParam().create();
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(screen->objectName().toStdString(), referenceNameOf(GetParam().className));
}

INSTANTIATE_TEST_SUITE_P(EveryScreen, ScreenTableRow, testing::ValuesIn(screenClasses()),
                         [](const auto& info) { return std::string(info.param.className); });

} // namespace
