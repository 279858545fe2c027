// Installment payment cancellation: the identification by entry type under
// one label, the date and NSU of the payment being cancelled, and what is
// written and sent.
#include <gtest/gtest.h>

#include <cstring>

#include <QDate>
#include <QLabel>
#include <QLineEdit>

#include "TestData.h"
#include "host/RequestLayouts.h"
#include "screens/miles/TFrmPagParcBRQ_CncTrn.h"

namespace {

// Amount, date and NSU from the host, so that only the identification is left.
void supplyPayment(SimulatedHost& host) {
    host.set(field::Amount, "1500");
    host.set(field::TransactionDate, today());
    host.set(field::Nsu, "123456");
}

struct EntryCase {
    const char* entryType; // field 1100
    FieldId source;        // where the host supplies the identification
    std::string supplied;
    const char* label;
    const char* shownControl;
    std::string shownText;
    std::string sent; // into `source` and 10154
    std::string name = std::string("entry type ") + entryType;
};

const EntryCase kEntryCases[] = {
    {"1", field::DocumentData, " 0012345 ", "Mensagem 779", "edDadosDocumento", " 0012345 ", "0012345"},
    {"04", field::Cpf, kValidCpf, "Mensagem 589", "edCPF", "529.982.247-25", kValidCpf},
    {"5", field::CardNumber, kCard, "Mensagem 782", "edCartao", "603456**********", kCard},
};

const char* const kIdentificationControls[] = {"edDadosDocumento", "edCPF", "edCartao"};

class SuppliedIdentification : public testing::TestWithParam<EntryCase> {};

TEST_P(SuppliedIdentification, IsShownLockedAndTheScreenConfirmsItself) {
    const EntryCase& c = GetParam();
    ScopedSimulatedHost host;
    supplyPayment(*host);
    host->set(field::EntryType, c.entryType);
    host->set(c.source, c.supplied);
    auto screen = createScreen<TFrmPagParcBRQ_CncTrn>();
    EXPECT_EQ(screen->findChild<QLabel*>("lbTitulo")->text(), "Mensagem 519");
    EXPECT_EQ(screen->findChild<QLabel*>("lbDadosDocumento")->text(), c.label);
    for (const char* name : kIdentificationControls) {
        const auto* control = screen->findChild<QLineEdit*>(name);
        EXPECT_EQ(control->isVisibleTo(screen.get()), std::strcmp(name, c.shownControl) == 0) << name;
    }
    const auto* shown = screen->findChild<QLineEdit*>(c.shownControl);
    EXPECT_EQ(shown->text().toStdString(), c.shownText);
    EXPECT_FALSE(shown->isEnabled());

    EXPECT_EQ(ScriptedCashier().run(*screen), 1);
    std::vector<FieldId> written;
    for (const auto& write : host->writes()) written.push_back(write.field);
    EXPECT_EQ(written, (std::vector<FieldId>{field::Amount, field::TransactionDate, field::Nsu, field::AuthorizerTag,
                                             c.source, field::IdentificationWritten}));
    EXPECT_EQ(host->get(c.source), c.sent);
    EXPECT_EQ(host->get(field::IdentificationWritten), c.sent);
    EXPECT_EQ(host->get(field::TransactionDate), today());
    EXPECT_FALSE(host->has(field::PaymentForm));
    ASSERT_EQ(host->authorizations().size(), 1u);
    EXPECT_EQ(std::memcmp(&host->requestLayouts[0], &TrnCancPagtoParcelaVKS, sizeof(VksRequestLayout)), 0);
    EXPECT_EQ(host->handBackCount(), 1);
}

INSTANTIATE_TEST_SUITE_P(InstallmentCancellation, SuppliedIdentification, testing::ValuesIn(kEntryCases), CaseName());

TEST(InstallmentCancellation, ATypedCardIsWrittenWholeAndThenShownConcealed) {
    ScopedSimulatedHost host;
    supplyPayment(*host);
    host->set(field::EntryType, "5");
    auto screen = createScreen<TFrmPagParcBRQ_CncTrn>();
    ScriptedCashier cashier;
    cashier.expectFocus("edCartao").alt('1').dismissMessage(198).expectFocus("edCartao").type(kCard).alt('1');
    EXPECT_EQ(cashier.run(*screen), 1);
    EXPECT_EQ(host->get(field::CardNumber), kCard);
    EXPECT_EQ(host->get(field::IdentificationWritten), kCard);
    EXPECT_EQ(screen->findChild<QLineEdit*>("edCartao")->text(), "603456**********");
}

struct KeyCase {
    const char* entryType;
    const char* control;
    MessageId hint;
    const char* kept; // after typing "a1-b23" and one Backspace
    std::string name = control;
};
const KeyCase kIdentificationKeys[] = {
    {"1", "edDadosDocumento", 264, "12"},
    {"4", "edCPF", 67, "12_.___.___-__"},
    {"5", "edCartao", 233, "12"},
};

class IdentificationField : public testing::TestWithParam<KeyCase> {};

TEST_P(IdentificationField, TakesDigitsAndShowsItsHint) {
    const KeyCase& c = GetParam();
    ScopedSimulatedHost host;
    supplyPayment(*host);
    host->set(field::EntryType, c.entryType);
    auto screen = createScreen<TFrmPagParcBRQ_CncTrn>();
    ScriptedCashier cashier;
    cashier.expectFocus(c.control)
        .check("hint", [&] { EXPECT_EQ(SimulatedHost::messageIdOf(*cashier::controlText("lbMensagem")), c.hint); })
        .type("a1-b23")
        .backspace()
        .expectText(c.control, c.kept)
        .escape();
    EXPECT_EQ(cashier.run(*screen), 2);
}

INSTANTIATE_TEST_SUITE_P(InstallmentCancellation, IdentificationField, testing::ValuesIn(kIdentificationKeys),
                         CaseName());

struct DateCase {
    const char* name;
    int daysFromToday;
    bool accepted;
};

const DateCase kDateCases[] = {
    {"today", 0, true},
    {"yesterday", -1, true},
    {"tomorrow", 1, false},
};

class CancelledPaymentDate : public testing::TestWithParam<DateCase> {};

TEST_P(CancelledPaymentDate, IsTodayAtTheLatest) {
    const DateCase& c = GetParam();
    ScopedSimulatedHost host;
    host->set(field::Amount, "1500");
    host->set(field::Nsu, "77");
    host->set(field::EntryType, "1");
    host->set(field::DocumentData, "123");
    auto screen = createScreen<TFrmPagParcBRQ_CncTrn>();
    const QString date = QDate::currentDate().addDays(c.daysFromToday).toString("dd/MM/yyyy");
    ScriptedCashier cashier;
    cashier.expectFocus("edDtTransacao").type(date.toStdString()).alt('1');
    if (!c.accepted) {
        cashier.dismissMessage(787).expectFocus("edDtTransacao").expectText("edDtTransacao", "__/__/____").escape();
    }
    EXPECT_EQ(cashier.run(*screen), c.accepted ? 1 : 2);
    EXPECT_EQ(host->authorizations().size(), c.accepted ? 1u : 0u);
    if (c.accepted) {
        EXPECT_EQ(host->get(field::TransactionDate), host->RemoveFormato(date.toStdString()));
    }
}

INSTANTIATE_TEST_SUITE_P(InstallmentCancellation, CancelledPaymentDate, testing::ValuesIn(kDateCases), CaseName());

} // namespace
