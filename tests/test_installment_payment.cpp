// The installment payment screen: the panel by entry type, the payment form
// preset from the host, the identification checks and their focus rules,
// the fields written, the card shown concealed, and the whole transaction
// from the entry point.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>

#include "TestData.h"
#include "screens/miles/TFrmPagParcBRQ_VKSTrn.h"
#include "vks/vks.h"

namespace {

std::unique_ptr<QDialog> paymentScreen() { return createScreen<TFrmPagParcBRQ_VKSTrn>(); }

// --- The panel by entry type --------------------------------------------------------

struct PanelCase {
    const char* name;
    std::string entryType; // field 1100
    std::vector<std::pair<FieldId, std::string>> fields;
    std::string shown; // the one identification control shown, "" for all
    bool identificationEnabled;
    std::string identificationText;
    bool listShown;
    std::string listText;
    bool listEnabled;
};

const PanelCase kPanels[] = {
    {"document code to type", "1", {}, "edDadosDocumento", true, "", false, "", true},
    {"document code supplied",
     "1",
     {{field::DocumentData, "778899"}},
     "edDadosDocumento",
     false,
     "778899",
     false,
     "",
     true},
    {"CPF supplied, form 01",
     "4",
     {{field::Cpf, kValidCpf}, {field::PaymentForm, "01"}},
     "edCPF",
     false,
     "529.982.247-25",
     true,
     "01 - Dinheiro",
     false},
    {"CPF to type, no form", "4", {}, "edCPF", true, "___.___.___-__", true, "", true},
    {"CPF, form not a number", "004", {{field::PaymentForm, "abc"}}, "edCPF", true, "___.___.___-__", true, "", true},
    {"CPF, form 15 out of the list",
     "4",
     {{field::PaymentForm, "15"}},
     "edCPF",
     true,
     "___.___.___-__",
     true,
     "",
     false},
    {"card supplied, form 05",
     "5",
     {{field::CardNumber, kCard}, {field::PaymentForm, "05"}},
     "edCartao",
     false,
     "603456**********",
     true,
     "05 - Cartão de Crédito",
     false},
    {"short card supplied",
     "5",
     {{field::CardNumber, "60345"}, {field::PaymentForm, "11"}},
     "edCartao",
     false,
     "60345",
     true,
     "11- Milhas",
     false},
    {"card to type", "5", {}, "edCartao", true, "", true, "", true},
    {"entry type 7", "7", {}, "", false, "", true, "", true},
};

class PaymentPanel : public testing::TestWithParam<PanelCase> {};

TEST_P(PaymentPanel, IsArrangedByEntryType) {
    const PanelCase& c = GetParam();
    ScopedSimulatedHost host;
    host->set(field::EntryType, c.entryType);
    for (const auto& [field, value] : c.fields) host->set(field, value);
    auto screen = paymentScreen();
    ScriptedCashier cashier;
    cashier.check("panel", [&] {
        for (const char* control : {"edDadosDocumento", "edCPF", "edCartao"}) {
            const bool shown = c.shown.empty() || c.shown == control;
            EXPECT_EQ(cashier::controlVisible(control), shown) << control;
        }
        EXPECT_EQ(cashier::controlVisible("cbFPPagto"), c.listShown);
        EXPECT_EQ(cashier::controlVisible("lbFPPagto"), c.listShown);
        EXPECT_EQ(cashier::controlText("cbFPPagto"), c.listText);
        EXPECT_EQ(cashier::controlEnabled("cbFPPagto"), c.listEnabled);
        EXPECT_EQ(cashier::controlVisible("edTipoEntrada"), false);
        if (!c.shown.empty()) {
            EXPECT_EQ(cashier::controlEnabled(c.shown), c.identificationEnabled);
            EXPECT_EQ(cashier::controlText(c.shown), c.identificationText);
        } else {
            EXPECT_EQ(cashier::controlEnabled("edDadosDocumento"), false); // as created
        }
        EXPECT_EQ(SimulatedHost::messageIdOf(*cashier::controlText("lbTitulo")), 522);
    });
    cashier.escape();
    EXPECT_EQ(cashier.run(*screen), 2);
}

INSTANTIATE_TEST_SUITE_P(InstallmentPayment, PaymentPanel, testing::ValuesIn(kPanels), CaseName());

// --- Checks and their focus rules ------------------------------------------------------

struct CheckCase {
    const char* name;
    std::vector<std::pair<FieldId, std::string>> fields;
    std::string typed; // typed into the first control before confirming with Alt+1
    MessageId message;
    std::string focusAfter;
};

const CheckCase kChecks[] = {
    {"document code empty", {{field::EntryType, "1"}}, "", 846, "edDadosDocumento"},
    {"entry type unknown", {{field::EntryType, "7"}, {field::PaymentForm, "01"}}, "", 846, "edCPF"},
    {"CPF typed wrong", {{field::EntryType, "4"}, {field::PaymentForm, "01"}}, "12345678900", 803, "edCPF"},
    {"CPF incomplete", {{field::EntryType, "4"}, {field::PaymentForm, "01"}}, "529", 803, "edCPF"},
    {"card empty", {{field::EntryType, "5"}, {field::PaymentForm, "02"}}, "", 198, "edCartao"},
    {"no payment form chosen", {{field::EntryType, "4"}}, kValidCpf, 849, "cbFPPagto"},
};

class PaymentChecks : public testing::TestWithParam<CheckCase> {};

TEST_P(PaymentChecks, ShowTheirMessageAndPlaceTheFocus) {
    const CheckCase& c = GetParam();
    ScopedSimulatedHost host;
    host->set(field::Amount, "1500");
    for (const auto& [field, value] : c.fields) host->set(field, value);
    auto screen = paymentScreen();
    ScriptedCashier cashier;
    cashier.type(c.typed).alt('1').dismissMessage(c.message).expectFocus(c.focusAfter).expectNoMessage().escape();
    EXPECT_EQ(cashier.run(*screen), 2);
    EXPECT_EQ(host->callCount("GravaCampoString"), 0);
}

INSTANTIATE_TEST_SUITE_P(InstallmentPayment, PaymentChecks, testing::ValuesIn(kChecks), CaseName());

// Everything supplied, but something the check refuses: the screen has
// nothing to type and confirms itself, reports the fault once and then waits
// on the confirm button; pressing it again reports it again.
struct SuppliedFaultCase {
    const char* name;
    std::vector<std::pair<FieldId, std::string>> fields;
    MessageId message;
};

const SuppliedFaultCase kSuppliedFaults[] = {
    {"blank document code", {{field::EntryType, "1"}, {field::DocumentData, "   "}}, 846},
    {"invalid CPF", {{field::EntryType, "4"}, {field::Cpf, "11111111111"}, {field::PaymentForm, "03"}}, 803},
    {"payment form outside the list",
     {{field::EntryType, "4"}, {field::Cpf, kValidCpf}, {field::PaymentForm, "15"}},
     849},
};

class SuppliedFault : public testing::TestWithParam<SuppliedFaultCase> {};

TEST_P(SuppliedFault, IsReportedOnceThenTheScreenWaits) {
    const SuppliedFaultCase& c = GetParam();
    ScopedSimulatedHost host;
    host->set(field::Amount, "1500");
    for (const auto& [field, value] : c.fields) host->set(field, value);
    auto screen = paymentScreen();
    ScriptedCashier cashier;
    cashier.dismissMessage(c.message)
        .expectFocus("btConfirma")
        .expectNoMessage(300ms)
        .enter()
        .dismissMessage(c.message)
        .expectNoMessage(200ms)
        .escape();
    EXPECT_EQ(cashier.run(*screen), 2);
    EXPECT_EQ(host->callCount("GravaCampoString"), 0);
}

INSTANTIATE_TEST_SUITE_P(InstallmentPayment, SuppliedFault, testing::ValuesIn(kSuppliedFaults), CaseName());

struct KeyCase {
    const char* name;
    const char* entryType;
    const char* control;
    MessageId hint;
    const char* kept; // after typing "a1-b2 3" and one Backspace
};

const KeyCase kKeyCases[] = {
    {"document code", "1", "edDadosDocumento", 295, "12"},
    {"CPF", "4", "edCPF", 67, "12_.___.___-__"},
    {"card", "5", "edCartao", 233, "12"},
};

class IdentificationKeys : public testing::TestWithParam<KeyCase> {};

TEST_P(IdentificationKeys, TakeOnlyDigitsBackspaceAndEnter) {
    const KeyCase& c = GetParam();
    ScopedSimulatedHost host;
    host->set(field::Amount, "1500");
    host->set(field::EntryType, c.entryType);
    host->set(field::PaymentForm, "01");
    auto screen = paymentScreen();
    ScriptedCashier cashier;
    cashier.expectFocus(c.control)
        .check("hint", [&] { EXPECT_EQ(SimulatedHost::messageIdOf(*cashier::controlText("lbMensagem")), c.hint); })
        .type("a1-b2 3")
        .backspace()
        .expectText(c.control, c.kept)
        .escape();
    EXPECT_EQ(cashier.run(*screen), 2);
}

INSTANTIATE_TEST_SUITE_P(InstallmentPayment, IdentificationKeys, testing::ValuesIn(kKeyCases), CaseName());

TEST(InstallmentPayment, ThePaymentFormListStepsWithTwoAndEight) {
    ScopedSimulatedHost host;
    host->set(field::Amount, "1500");
    host->set(field::EntryType, "4");
    host->set(field::Cpf, kValidCpf);
    auto screen = paymentScreen();
    ScriptedCashier cashier;
    cashier.expectFocus("cbFPPagto")
        .check("hint", [] { EXPECT_EQ(SimulatedHost::messageIdOf(*cashier::controlText("lbMensagem")), 15); })
        .type("222x8")
        .expectText("cbFPPagto", "01 - Dinheiro")
        .enter()
        .expectFocus("btConfirma")
        .enter();
    EXPECT_EQ(cashier.run(*screen), 1);
    EXPECT_EQ(host->get(field::PaymentForm), "01");
}

// --- Confirmation -------------------------------------------------------------------------

TEST(InstallmentPayment, ASuppliedCardIsNeverShownWholeAndIsWrittenWhole) {
    ScopedSimulatedHost host;
    host->set(field::Amount, "2500");
    host->set(field::EntryType, "5");
    host->set(field::CardNumber, kCard);
    host->set(field::PaymentForm, "05");
    auto screen = paymentScreen();
    ScriptedCashier cashier; // nothing to type: the screen confirms itself
    EXPECT_EQ(cashier.run(*screen), 1);
    EXPECT_EQ(screen->findChild<QLineEdit*>("edCartao")->text(), "603456**********");
    EXPECT_EQ(host->get(field::CardNumber), kCard);
    EXPECT_EQ(host->get(field::IdentificationWritten), kCard);
    EXPECT_EQ(host->get(field::PaymentForm), "05");
}

TEST(InstallmentPayment, ATypedCardIsVisibleWhileTypedAndConcealedOnceConfirmed) {
    ScopedSimulatedHost host;
    host->set(field::Amount, "2500");
    host->set(field::EntryType, "5");
    host->set(field::PaymentForm, "05");
    auto screen = paymentScreen();
    ScriptedCashier cashier;
    cashier.expectFocus("edCartao").type(kCard).expectText("edCartao", kCard).enter().expectFocus("btConfirma").enter();
    EXPECT_EQ(cashier.run(*screen), 1);
    EXPECT_EQ(screen->findChild<QLineEdit*>("edCartao")->text(), "603456**********");
    EXPECT_EQ(host->get(field::CardNumber), kCard);
    EXPECT_EQ(host->get(field::IdentificationWritten), kCard);
}

struct WriteCase {
    const char* name;
    std::vector<std::pair<FieldId, std::string>> fields;
    std::string typed;
    std::vector<SimulatedHost::Write> writes;
};

const WriteCase kWrites[] = {
    {"document code",
     {{field::EntryType, "1"}},
     "4455",
     {{field::Amount, 0, "1500"},
      {field::AuthorizerTag, 0, "36"},
      {field::DocumentData, 0, "4455"},
      {field::IdentificationWritten, 0, "4455"},
      {field::PaymentForm, 0, "00"}}},
    {"CPF",
     {{field::EntryType, "4"}, {field::PaymentForm, "01"}},
     kValidCpf,
     {{field::Amount, 0, "1500"},
      {field::AuthorizerTag, 0, "36"},
      {field::Cpf, 0, kValidCpf},
      {field::IdentificationWritten, 0, kValidCpf},
      {field::PaymentForm, 0, "01"}}},
};

class PaymentWrites : public testing::TestWithParam<WriteCase> {};

TEST_P(PaymentWrites, AreMadeInOrderAndTheLayoutGoesToTheHost) {
    const WriteCase& c = GetParam();
    ScopedSimulatedHost host;
    host->set(field::Amount, "1500");
    for (const auto& [field, value] : c.fields) host->set(field, value);
    auto screen = paymentScreen();
    ScriptedCashier cashier;
    cashier.type(c.typed).alt('1');
    EXPECT_EQ(cashier.run(*screen), 1);
    EXPECT_EQ(host->writes(), c.writes);
    ASSERT_EQ(host->authorizations().size(), 1u);
    EXPECT_EQ(host->authorizations()[0].code, 64);
    EXPECT_EQ(host->authorizations()[0].flag, 1);
    EXPECT_EQ(host->handBackCount(), 1);
}

INSTANTIATE_TEST_SUITE_P(InstallmentPayment, PaymentWrites, testing::ValuesIn(kWrites), CaseName());

TEST(InstallmentPayment, ARefusedIdentificationWriteStopsTheLaterWrites) {
    ScopedSimulatedHost host;
    host->set(field::Amount, "1500");
    host->set(field::EntryType, "4");
    host->set(field::Cpf, kValidCpf);
    host->set(field::PaymentForm, "01");
    host->refuseWrite(field::Cpf, 0);
    auto screen = paymentScreen();
    ScriptedCashier cashier;
    cashier.expectFocus("btConfirma").expectNoMessage().escape();
    EXPECT_EQ(cashier.run(*screen), 2);
    EXPECT_FALSE(host->has(field::IdentificationWritten));
    EXPECT_EQ(host->callCount("AutorizaTransacao"), 0);
}

// --- From the entry point ---------------------------------------------------------------------

TEST(InstallmentPayment, RunsAsTransactionTypeOneFromTheEntryPoint) {
    ScopedSimulatedHost host;
    host->set(field::EnabledTransactions, "100000000000000000000");
    host->set(field::EntryType, "4");
    host->set(field::PaymentForm, "01");
    host->set(field::Amount, "1500");
    ScriptedCashier cashier;
    cashier.expectFocus("edCPF")
        .check("screen", [] { EXPECT_EQ(cashier::screenName(), "FrmPagParcBRQ_VKSTrn"); })
        .type(kValidCpf)
        .enter()
        .expectFocus("btConfirma")
        .enter();
    cashier.run([] { ExecutaGenerico(0, 0); });
    EXPECT_EQ(host->get(field::Cpf), kValidCpf);
    EXPECT_EQ(host->get(field::PaymentForm), "01");
    ASSERT_EQ(host->authorizations().size(), 1u);
    EXPECT_EQ(host->authorizations()[0].code, 64);
    EXPECT_EQ(host->handBackCount(), 1);
}

} // namespace
