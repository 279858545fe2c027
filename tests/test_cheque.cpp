// Cheque operations: the sale with generic authorization by payment plan,
// its checks and writes, the cheque-number screen, and the cancellation.
#include <gtest/gtest.h>

#include <cstring>

#include <QComboBox>
#include <QDate>
#include <QLineEdit>
#include <QTableWidget>

#include "TestData.h"
#include "core/ModuleState.h"
#include "host/RequestLayouts.h"
#include "screens/cheque/TFrmCancVCheque_AutGen.h"
#include "screens/cheque/TFrmNumChq.h"
#include "screens/cheque/TFrmVCheque_AutGen.h"
#include "vks/vks.h"

namespace {

// A cash sale of 300,00 by card with the bank data and sale kind supplied.
void supplySale(SimulatedHost& host, const Fields& more = {}) {
    for (const auto& [field, value] : Fields{{field::Identification, kCard},
                                             {field::Amount, "30000"},
                                             {field::InstallmentCount, "0"},
                                             {field::ChequeBank, "341"},
                                             {field::ChequeAgency, "1234"},
                                             {field::ChequeAccount, "567890"},
                                             {field::SaleKind, "1"}}) {
        host.set(field, value);
    }
    for (const auto& [field, value] : more) host.set(field, value);
}

struct Look {
    const char* control;
    std::string text;
    bool enabled;
    bool visible = true;
};

void expectLooks(const QDialog& screen, const std::vector<Look>& looks, const char* name) {
    for (const Look& look : looks) {
        const auto* control = screen.findChild<QWidget*>(look.control);
        ASSERT_NE(control, nullptr) << look.control;
        EXPECT_EQ(shown(screen, look.control), look.text) << name << ": " << look.control;
        EXPECT_EQ(control->isEnabled(), look.enabled) << name << ": " << look.control;
        EXPECT_EQ(control->isVisibleTo(&screen), look.visible) << name << ": " << look.control;
    }
}

// --- What the sale screen shows ------------------------------------------------------

struct SaleLookCase {
    const char* name;
    Fields fields;
    std::vector<Look> looks;
};

const SaleLookCase kSaleLooks[] = {
    {"cash",
     {},
     {{"edValor", "0,00", false},
      {"edValorEntrada", "300,00", false},
      {"edValorEntradaCh", "300,00", false},
      {"edNumParcelas", "0", false},
      {"edValorMilhas", "", true},
      {"cbAcMilhas", "1 - Não", false},
      {"edCartao", "603456**********", false},
      {"edCPF", "___.___.___-__", false},
      {"edOperador", "001", false, false},
      {"cbVenda", "1-Venda Normal", false},
      {"edAutorizador", "", true, false}}},
    {"cash accumulating supplied miles",
     {{field::AccumulateMiles, "0"}, {field::MilesValue, "1500"}, {field::FirstInstallmentDate, "25122024"}},
     {{"cbAcMilhas", "0 - Sim", false}, {"edValorMilhas", "15,00", false}, {"edDataPrimCheque", "25/12/2024", false}}},
    {"single cheque",
     {{field::InstallmentCount, "1"}},
     {{"edValor", "300,00", false},
      {"edValorEntrada", "0,00", false},
      {"edValorEntradaCh", "0,00", false},
      {"edNumParcelas", "1", false},
      {"edNumChequeEntr", "", false},
      {"edValorMilhas", "0,00", false},
      {"cbAcMilhas", "", false},
      {"cbNumChq", "", false}}},
    {"installments with a down payment",
     {{field::InstallmentCount, " 3 "}, {field::DownPayment, "5000"}, {field::InterestRate, "199"}},
     {{"edValor", "250,00", false},
      {"edValorEntrada", "50,00", true},
      {"edNumParcelas", "3", false},
      {"edJuros", "1,99", false},
      {"cbNumChq", "", true},
      {"edValorMilhas", "", false},
      {"edNumChequeEntr", "", true}}},
    {"no total",
     {{field::Amount, ""}, {field::InstallmentCount, "3"}},
     {{"edValor", "", true}, {"edNumParcelas", "", false}, {"edValorEntrada", "", true}, {"cbAcMilhas", "", false}}},
    {"CPF, receipt, operator and forced sale from the host",
     {{field::Identification, kValidCpf},
      {field::Cpf, "529.982.247-25"},
      {field::CouponDate, "25122024"},
      {field::CouponTime, "143000"},
      {field::CouponNumber, "77"},
      {field::Operator, "4321"},
      {field::SaleKind, "2"},
      {field::ForcedSaleAuthorizer, "777"},
      {field::Salesperson, "55"},
      {field::OtherHolderCard, kCard},
      {field::FirstMilesCode, "07"},
      {field::SecondMilesValue, " 250 "}},
     {{"edCartao", "", false},
      {"edCPF", "529.982.247-25", false},
      {"edDataCupom", "25/12/2024", false},
      {"edHoraCupom", "14:30:00", false},
      {"edCupom", "77", false},
      {"edOperador", "4321", false},
      {"cbVenda", "2-Venda Forçada", false},
      {"edAutorizador", "777", false},
      {"edVendedor", "55", false},
      {"edCartaoTerceiro", "603456**********", false},
      {"edPrimeiroCodMilhas", "07", false},
      {"edSegundoValorMilhas", "2,50", false},
      {"edPrimeiroValorMilhas", "", true, false}}},
};

class SaleLook : public testing::TestWithParam<SaleLookCase> {};

TEST_P(SaleLook, ShowsThePaymentPlanAndLocksWhatTheHostSupplied) {
    const SaleLookCase& c = GetParam();
    ScopedSimulatedHost host;
    supplySale(*host, c.fields);
    auto screen = createScreen<TFrmVCheque_AutGen>();
    expectLooks(*screen, c.looks, c.name);
}

INSTANTIATE_TEST_SUITE_P(ChequeSale, SaleLook, testing::ValuesIn(kSaleLooks), CaseName());

// --- Checks ----------------------------------------------------------------------------

struct CheckCase {
    const char* name;
    Fields fields;
    MessageId message;
    const char* focusAfter;
};

const CheckCase kChecks[] = {
    {"first cheque date not in the calendar", {{field::FirstInstallmentDate, "31022024"}}, 787, "edDataPrimCheque"},
    {"bank missing though agency and account are there", {{field::ChequeBank, ""}}, 804, "edBanco"},
    {"agency missing", {{field::ChequeAgency, ""}}, 805, "edAgencia"},
    {"account missing", {{field::ChequeAccount, ""}}, 806, "edConta"},
    {"invalid complete CPF", {{field::Identification, "11111111111"}, {field::Cpf, "11111111111"}}, 803, "edCPF"},
    {"installments without their cheque numbers", {{field::InstallmentCount, "3"}}, 1025, "edNumChequeEntr"},
};

class SaleCheck : public testing::TestWithParam<CheckCase> {};

TEST_P(SaleCheck, ChecksShowTheirMessageAndFocusTheControlBeforeAnythingIsWritten) {
    const CheckCase& c = GetParam();
    ScopedSimulatedHost host;
    supplySale(*host, c.fields);
    auto screen = createScreen<TFrmVCheque_AutGen>();
    ScriptedCashier cashier;
    cashier.alt('1').dismissMessage(c.message).expectFocus(c.focusAfter).escape();
    EXPECT_EQ(cashier.run(*screen), 2);
    EXPECT_EQ(host->callCount("GravaCampoString"), 0);
}

INSTANTIATE_TEST_SUITE_P(ChequeSale, SaleCheck, testing::ValuesIn(kChecks), CaseName());

// --- Writes -------------------------------------------------------------------------------

struct WriteCase {
    const char* name;
    Fields fields;
    Fields written;
    const char* financed;
    int installmentsEntry;
};

const WriteCase kWrites[] = {
    {"cash",
     {{field::Identification, "60345678901234567890"}},
     {{field::Amount, "000"},
      {field::InstallmentCount, "0"},
      {field::DownPayment, "30000"},
      {field::DownPaymentByCheque, "30000"},
      {field::AuthorizerTag, "36"},
      {field::OperationCode, "03"},
      {field::ChequeConstant3, "001"},
      {field::ChequeConstant2, "01"},
      {field::QueryOutput, "I"},
      {field::CardNumber, kCard},
      {field::AccumulateMiles, "1"},
      {field::SaleKind, "1"},
      {field::ForcedSaleAuthorizer, "1"},
      {field::ConstantZero, "0"},
      {field::FirstInstallmentDate, today()},
      {field::Salesperson, "1"},
      {field::Operator, "001"},
      {field::FirstChequeNumber, "000000"},
      {field::CouponDate, "00000000"},
      {field::CouponTime, "000000"},
      {field::ChequeBank, "341"}},
     "000000000000",
     0},
    {"single cheque with supplied data",
     {{field::InstallmentCount, "1"},
      {field::QueryOutput, "X9"},
      {field::FirstChequeNumber, "4455"},
      {field::CouponDate, "25122024"},
      {field::FirstMilesCode, " 07 "}},
     {{field::Amount, "30000"},
      {field::DownPayment, "000"},
      {field::QueryOutput, "X"},
      {field::FirstChequeNumber, "4455"},
      {field::CouponDate, "25122024"},
      {field::FirstMilesCode, "07"}},
     "000000000000",
     1},
};

class SaleWrites : public testing::TestWithParam<WriteCase> {};

TEST_P(SaleWrites, ConfirmationWritesThePlanAndTheFinancedAmount) {
    const WriteCase& c = GetParam();
    ScopedSimulatedHost host;
    supplySale(*host, c.fields);
    auto screen = createScreen<TFrmVCheque_AutGen>();
    ScriptedCashier cashier;
    cashier.alt('1');
    EXPECT_EQ(cashier.run(*screen), 1);
    for (const auto& [field, value] : c.written) EXPECT_EQ(host->get(field), value) << field;
    EXPECT_EQ(std::string(aValorFinanciado), c.financed);
    const std::vector<SimulatedHost::Write> writes = host->writes();
    EXPECT_TRUE(std::find(writes.begin(), writes.end(),
                          SimulatedHost::Write{field::IdentificationWritten, 0, std::nullopt}) != writes.end());
    EXPECT_EQ(TrnVChequeAutGenVKS.entries[ChequeInstallmentsEntry].occurrence, c.installmentsEntry);
    ASSERT_EQ(host->authorizations().size(), 1u);
    EXPECT_EQ(std::memcmp(&host->requestLayouts[0], &TrnVChequeAutGenVKS, sizeof(VksRequestLayout)), 0);
    EXPECT_EQ(host->handBackCount(), 1);
}

INSTANTIATE_TEST_SUITE_P(ChequeSale, SaleWrites, testing::ValuesIn(kWrites), CaseName());

TEST(ChequeSale, ARefusedWriteStopsTheLaterOnesAndNothingIsSent) {
    ScopedSimulatedHost host;
    supplySale(*host);
    host->refuseWrite(field::SaleKind, 0);
    auto screen = createScreen<TFrmVCheque_AutGen>();
    ScriptedCashier cashier;
    cashier.alt('1').expectNoMessage().expectEnabled("btRetorna", true).escape();
    EXPECT_EQ(cashier.run(*screen), 2);
    EXPECT_TRUE(host->has(field::MilesValue));
    EXPECT_FALSE(host->has(field::ForcedSaleAuthorizer));
    EXPECT_EQ(host->callCount("AutorizaTransacao"), 0);
}

TEST(ChequeSale, ATypedOtherHolderCardIsWrittenWholeThenConcealed) {
    ScopedSimulatedHost host;
    supplySale(*host, {{field::MilesValue, "100"},
                       {field::FirstChequeNumber, "1"},
                       {field::CouponNumber, "1"},
                       {field::CouponDate, "01012024"},
                       {field::CouponTime, "101010"}});
    auto screen = createScreen<TFrmVCheque_AutGen>();
    ScriptedCashier cashier;
    cashier.expectFocus("edCartaoTerceiro").type(kCard).alt('1');
    EXPECT_EQ(cashier.run(*screen), 1);
    EXPECT_EQ(host->get(field::OtherHolderCard), kCard);
    EXPECT_EQ(shown(*screen, "edCartaoTerceiro"), "603456**********");
}

// --- Down payment and sale kind ---------------------------------------------------------

TEST(ChequeSale, TheDownPaymentIsTakenFromTheTotalWhenLeft) {
    ScopedSimulatedHost host;
    supplySale(*host, {{field::InstallmentCount, "3"}});
    auto screen = createScreen<TFrmVCheque_AutGen>();
    ScriptedCashier cashier;
    cashier.expectFocus("edValorEntrada")
        .type("40000")
        .enter()
        .dismissMessage(800)
        .expectFocus("edValorEntrada")
        .expectText("edValorEntrada", "")
        .expectText("edValor", "300,00")
        .type("0")
        .enter()
        .expectFocus("edNumChequeEntr")
        .expectText("edValorEntradaCh", "0,00")
        .expectEnabled("edValorEntradaCh", false)
        .press(cashier::KeyStroke::backtab())
        .expectText("edValor", "300,00")
        .type("5000")
        .tab()
        .expectText("edValor", "250,00")
        .expectText("edValorEntradaCh", "50,00")
        .escape();
    EXPECT_EQ(cashier.run(*screen), 2);
}

TEST(ChequeSale, AForcedSaleChosenByTheCashierAsksForTheAuthorizer) {
    ScopedSimulatedHost host;
    supplySale(*host, {{field::SaleKind, ""}});
    auto screen = createScreen<TFrmVCheque_AutGen>();
    ScriptedCashier cashier;
    cashier.expectFocus("cbVenda")
        .expectText("cbVenda", "1-Venda Normal")
        .expectVisible("edAutorizador", false)
        .type("2")
        .enter()
        .expectVisible("edAutorizador", true)
        .expectEnabled("edAutorizador", true)
        .alt('1');
    EXPECT_EQ(cashier.run(*screen), 1);
    EXPECT_EQ(host->get(field::SaleKind), "2");
    EXPECT_EQ(host->get(field::ForcedSaleAuthorizer), "1");
}

// The sale's lists step themselves: "2" to the next item when there is one,
// "8" to the previous only above the first, never through the host's
// routine, so "8" on a list with no choice leaves it without one.
struct SaleListKeysCase {
    const char* name;
    const char* list;
    std::vector<std::pair<std::string, std::string>> keysAndItem; // typed, then the item shown
};

const SaleListKeysCase kSaleListKeys[] = {
    {"sale kind", "cbVenda", {{"8", "0-Contingência"}, {"8", "0-Contingência"}, {"222", "2-Venda Forçada"}}},
    {"miles accumulation without a choice",
     "cbAcMilhas",
     {{"8", ""}, {"2", "0 - Sim"}, {"22", "1 - Não"}, {"8", "0 - Sim"}, {"8", "0 - Sim"}}},
};

class ChequeSaleListKeys : public testing::TestWithParam<SaleListKeysCase> {};

TEST_P(ChequeSaleListKeys, StepOnlyToAnItemThereIs) {
    const SaleListKeysCase& c = GetParam();
    ScopedSimulatedHost host;
    supplySale(*host, {{field::SaleKind, ""}, {field::InstallmentCount, "3"}});
    auto screen = createScreen<TFrmVCheque_AutGen>();
    auto* list = screen->findChild<QComboBox*>(c.list);
    ASSERT_NE(list, nullptr);
    list->setEnabled(true);
    ScriptedCashier cashier;
    cashier.focusOn(c.list);
    for (const auto& [keys, item] : c.keysAndItem) cashier.type(keys).expectText(c.list, item);
    cashier.escape();
    EXPECT_EQ(cashier.run(*screen), 2);
    EXPECT_EQ(host->callCount("AvancaRetrocedeItemComboBox"), 0);
}

INSTANTIATE_TEST_SUITE_P(ChequeSale, ChequeSaleListKeys, testing::ValuesIn(kSaleListKeys), CaseName());

// --- Cheque numbers -----------------------------------------------------------------------

struct GridRowsCase {
    const char* name;
    int cheques;
    std::array<bool, 3> visible;
    std::array<int, 3> rows;
};

const GridRowsCase kGridRows[] = {
    {"2 cheques", 2, {true, false, false}, {2, 5, 5}}, {"5 cheques", 5, {true, false, false}, {5, 0, 5}},
    {"6 cheques", 6, {true, true, false}, {5, 1, 5}},  {"12 cheques", 12, {true, true, true}, {5, 5, 2}},
    {"20 cheques", 20, {true, true, true}, {5, 5, 5}}, {"minus 4 cheques", -4, {true, false, false}, {0, 5, 5}}};

class GridRows : public testing::TestWithParam<GridRowsCase> {};

TEST_P(GridRows, HoldOneRowPerChequeUpToFifteen) {
    const GridRowsCase& c = GetParam();
    ScopedSimulatedHost host;
    supplySale(*host, {{field::InstallmentCount, std::to_string(c.cheques)}});
    auto sale = createScreen<TFrmVCheque_AutGen>();
    auto numbers = createScreen<TFrmNumChq>(sale.get());
    for (int k = 0; k < 3; ++k) {
        const auto* grid = numbers->findChild<QTableWidget*>(QStringLiteral("sg_NumChq%1").arg(k + 1));
        EXPECT_EQ(grid->isVisibleTo(numbers.get()), c.visible[k]) << c.cheques << " grid " << k + 1;
        EXPECT_EQ(grid->rowCount(), c.rows[k]) << c.cheques << " grid " << k + 1;
    }
    if (c.cheques >= 15) {
        const auto* third = numbers->findChild<QTableWidget*>("sg_NumChq3");
        EXPECT_EQ(third->verticalHeaderItem(4)->text(), "15ª Mensagem 1020");
    }
}

INSTANTIATE_TEST_SUITE_P(ChequeNumbers, GridRows, testing::ValuesIn(kGridRows), CaseName());

QString cell(const char* grid, int row) {
    const auto* table = qobject_cast<QTableWidget*>(cashier::control(grid));
    const QTableWidgetItem* item = table != nullptr ? table->item(row, 0) : nullptr;
    return item != nullptr ? item->text() : QStringLiteral("<none>");
}

// The cashier reaches the first cheque's number, types `first` and presses
// Enter; the cheque-number screen opens on the sale in `cheques` installments.
std::unique_ptr<QDialog> openNumbers(SimulatedHost& host, ScriptedCashier& cashier, int cheques, const std::string& first) {
    supplySale(host, {{field::InstallmentCount, std::to_string(cheques)}, {field::DownPayment, "0"}});
    auto sale = createScreen<TFrmVCheque_AutGen>();
    cashier.enter().expectFocus("edNumChequeEntr").type(first).enter().expectScreen("FrmNumChq").expectFocus("sg_NumChq1");
    return sale;
}

TEST(ChequeNumbers, EnterOffersTheNextNumberAcrossGridsAndConfirmingFillsTheSaleList) {
    ScopedSimulatedHost host;
    ScriptedCashier cashier;
    auto sale = openNumbers(*host, cashier, 7, "123");
    cashier.expectFocus("sg_NumChq1")
        .check("first", [] { EXPECT_EQ(cell("sg_NumChq1", 0), "000123"); })
        .enter()
        .check("offered", [] { EXPECT_EQ(cell("sg_NumChq1", 1), "124"); })
        .type("5")
        .enter()
        .enter()
        .enter()
        .enter()
        .expectFocus("sg_NumChq2")
        .check("next grid", [] { EXPECT_EQ(cell("sg_NumChq2", 0), "9"); })
        .enter()
        .enter()
        .expectFocus("btConfirma")
        .enter()
        .expectFocus("cbNumChq")
        .expectText("cbNumChq", "000123")
        .alt('1');
    EXPECT_EQ(cashier.run(*sale), 1);
    const std::vector<std::string> expected = {"000123", "000005", "000006", "000007", "000008", "000009", "000010"};
    for (int i = 0; i < 7; ++i) EXPECT_EQ(host->get(field::IdentificationWritten, i), expected[i]) << i;
    EXPECT_EQ(host->get(field::Amount), "000000030000");
    EXPECT_EQ(std::string(aValorFinanciado), "000000030000");
    EXPECT_EQ(TrnVChequeAutGenVKS.entries[ChequeInstallmentsEntry].occurrence, 7);
}

// Confirming locks the screen without the cashier leaving the down payment:
// nothing of leaving it (the check against the total) runs then.
TEST(ChequeNumbers, ConfirmingFromTheDownPaymentDoesNotLeaveIt) {
    ScopedSimulatedHost host;
    ScriptedCashier cashier;
    auto sale = openNumbers(*host, cashier, 2, "1");
    cashier.enter()
        .enter()
        .expectFocus("btConfirma")
        .enter()
        .expectFocus("cbNumChq")
        .press(cashier::KeyStroke::backtab())
        .press(cashier::KeyStroke::backtab())
        .expectFocus("edValorEntrada")
        .type("40000")
        .alt('1')
        .expectNoMessage();
    EXPECT_EQ(cashier.run(*sale), 1);
    EXPECT_EQ(host->get(field::DownPayment), "40000");
    EXPECT_EQ(host->get(field::Amount), "000000030000");
}

TEST(ChequeNumbers, ARepeatedOrZeroNumberIsRefused) {
    ScopedSimulatedHost host;
    ScriptedCashier cashier;
    auto sale = openNumbers(*host, cashier, 3, "999999");
    cashier.enter()
        .check("past six digits", [] { EXPECT_EQ(cell("sg_NumChq1", 1), "1000000"); })
        .type("999999")
        .enter()
        .check("repeated",
               [] {
                   EXPECT_EQ(cell("sg_NumChq1", 1), "");
                   EXPECT_EQ(SimulatedHost::messageIdOf(*cashier::controlText("lbMensagem")), 1022);
               })
        .enter() // an empty cell becomes 000000, which is not refused here...
        .enter()
        .expectFocus("btConfirma")
        .enter()
        .dismissMessage(1025) // ...but on confirmation
        .expectFocus("sg_NumChq1")
        .check("current",
               [] { EXPECT_EQ(qobject_cast<QTableWidget*>(cashier::control("sg_NumChq1"))->currentRow(), 1); })
        .escape()
        .expectFocus("edNumChequeEntr")
        .expectText("edNumChequeEntr", "999999")
        .escape();
    EXPECT_EQ(cashier.run(*sale), 2);
    EXPECT_EQ(sale->findChild<QComboBox*>("cbNumChq")->count(), 0);
}

// --- Cancellation --------------------------------------------------------------------------

// Unlike the sale, the cancellation always shows the operator, with its
// label greyed when the host supplied none.
const SaleLookCase kCancellationLooks[] = {
    {"nothing supplied",
     {{field::Identification, "0000000000000000"}},
     {{"edCartao", "000000**********", false},
      {"edCPF", "___.___.___-__", false},
      {"edValor", "", true},
      {"edNSU", "", true},
      {"edOperador", "001", false},
      {"lbOperador", "Mensagem 751", false}}},
    {"NSU and operator supplied",
     {{field::Identification, kValidCpf}, {field::Cpf, kValidCpf}, {field::Nsu, "4567"}, {field::Operator, "4321"}},
     {{"edCartao", "", false},
      {"edCPF", "529.982.247-25", false},
      {"edNSU", "4567", false},
      {"edOperador", "4321", false},
      {"lbOperador", "Mensagem 751", true}}},
};

class CancellationLook : public testing::TestWithParam<SaleLookCase> {};

TEST_P(CancellationLook, ShowsTheIdentificationLockedAndTheOperatorAlways) {
    const SaleLookCase& c = GetParam();
    ScopedSimulatedHost host;
    for (const auto& [field, value] : c.fields) host->set(field, value);
    auto screen = createScreen<TFrmCancVCheque_AutGen>();
    expectLooks(*screen, c.looks, c.name);
}

INSTANTIATE_TEST_SUITE_P(ChequeCancellation, CancellationLook, testing::ValuesIn(kCancellationLooks), CaseName());

struct CancellationWriteCase {
    const char* name;
    Fields fields;
    Fields written;
};
const CancellationWriteCase kCancellationWriteCases[] = {
    {"everything supplied: confirms itself",
     {{field::Amount, "1500"},
      {field::Nsu, "4567"},
      {field::CouponNumber, "12"},
      {field::CouponDate, "01022024"},
      {field::CouponTime, "101010"},
      {field::Identification, "60345678901234567890"}},
     {{field::ChequeConstant3, "002"},
      {field::ChequeConstant2, "02"},
      {field::QueryOutput, "V"},
      {field::Nsu, "4567"},
      {field::CardNumber, kCard},
      {field::Amount, "1500"},
      {field::Operator, "001"}}},
    {"query output from the host",
     {{field::Amount, "1500"},
      {field::Nsu, "4567"},
      {field::CouponNumber, "12"},
      {field::CouponDate, "01022024"},
      {field::CouponTime, "101010"},
      {field::QueryOutput, "X"},
      {field::Identification, kValidCpf},
      {field::Cpf, kValidCpf}},
     {{field::QueryOutput, "X"}, {field::Cpf, kValidCpf}, {field::CardNumber, kValidCpf}}},
};

class CancellationWrites : public testing::TestWithParam<CancellationWriteCase> {};

TEST_P(CancellationWrites, WritesTheCancellationHeaderAndTheNsu) {
    const CancellationWriteCase& c = GetParam();
    ScopedSimulatedHost host;
    for (const auto& [field, value] : c.fields) host->set(field, value);
    auto screen = createScreen<TFrmCancVCheque_AutGen>();
    EXPECT_EQ(ScriptedCashier().run(*screen), 1);
    for (const auto& [field, value] : c.written) EXPECT_EQ(host->get(field), value) << field;
    ASSERT_EQ(host->authorizations().size(), 1u);
    EXPECT_EQ(std::memcmp(&host->requestLayouts[0], &TrnCancVChqAutGenVKS, sizeof(VksRequestLayout)), 0);
}

INSTANTIATE_TEST_SUITE_P(ChequeCancellation, CancellationWrites, testing::ValuesIn(kCancellationWriteCases),
                         CaseName());

TEST(ChequeCancellation, TheNsuIsRequiredAndTakesDigitsAndDecimalMarks) {
    ScopedSimulatedHost host;
    host->set(field::Identification, kCard);
    auto screen = createScreen<TFrmCancVCheque_AutGen>();
    ScriptedCashier cashier;
    cashier.expectFocus("edValor")
        .alt('1')
        .dismissMessage(811)
        .expectFocus("edNSU")
        .type("12a,3.x")
        .expectText("edNSU", "12,3.")
        .alt('1');
    EXPECT_EQ(cashier.run(*screen), 1);
    EXPECT_EQ(host->get(field::Nsu), "12,3.");
    EXPECT_EQ(host->get(field::Amount), "");
}

} // namespace
