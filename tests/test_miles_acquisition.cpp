// Miles acquisition and the reversals of miles sale and acquisition: what
// the host supplies and locks, the payment form and the miles value, the
// coupon checks shared by the three screens, and what each writes and sends.
#include <gtest/gtest.h>

#include <cstring>
#include <stdexcept>

#include <QComboBox>
#include <QDate>
#include <QLabel>
#include <QLineEdit>

#include "TestData.h"
#include "core/ModuleState.h"
#include "host/RequestLayouts.h"
#include "screens/miles/TFrmAquis_MilhasVKS.h"
#include "screens/miles/TFrmEstAquis_EstVenAquis.h"
#include "screens/miles/TFrmEstVenda_EstVenAquis.h"

namespace {

// --- Acquisition: what the host supplies ---------------------------------------------

struct AcquisitionPanelCase {
    const char* name;
    Fields fields;
    bool occurrences; // the occurrence switch of VKS.INI
    std::string paymentForm;
    bool paymentFormEnabled;
    std::string milesValue;
    bool milesValueEnabled;
    bool operatorShown;
    int occurrenceIndex; // -1: nothing selected
    bool occurrenceEnabled;
};

const AcquisitionPanelCase kAcquisitionPanels[] = {
    {"nothing supplied", {}, false, "01 - Dinheiro", true, "", false, false, -1, true},
    {"credit card locked",
     {{field::PaymentForm, "05"}, {field::Operator, "4321"}},
     false,
     "05 - Cartão de Crédito",
     false,
     "",
     false,
     true,
     -1,
     true},
    {"code outside the list keeps cash, locked",
     {{field::PaymentForm, "12"}},
     false,
     "01 - Dinheiro",
     false,
     "",
     false,
     false,
     -1,
     true},
    {"one digit code is not a code",
     {{field::PaymentForm, "5"}},
     false,
     "01 - Dinheiro",
     false,
     "",
     false,
     false,
     -1,
     true},
    {"miles with their value",
     {{field::PaymentForm, "11"}, {field::MilesValue, "1.234,50"}},
     false,
     "11- Milhas",
     false,
     "1234,50",
     false,
     false,
     -1,
     true},
    {"miles without a value", {{field::PaymentForm, "11"}}, false, "11- Milhas", false, "", true, false, -1, true},
    {"gift list occurrence locked",
     {{field::OccurrenceKind, " P "}, {field::OccurrenceCode, "7654321"}},
     true,
     "01 - Dinheiro",
     true,
     "",
     false,
     false,
     0,
     false},
    {"other occurrence locked",
     {{field::OccurrenceKind, "0"}},
     true,
     "01 - Dinheiro",
     true,
     "",
     false,
     false,
     1,
     false},
    {"unknown occurrence to choose",
     {{field::OccurrenceKind, "S"}},
     true,
     "01 - Dinheiro",
     true,
     "",
     false,
     false,
     -1,
     true},
};

class AcquisitionPanel : public testing::TestWithParam<AcquisitionPanelCase> {};

TEST_P(AcquisitionPanel, ShowsAndLocksWhatTheHostSupplies) {
    const AcquisitionPanelCase& c = GetParam();
    ScopedSimulatedHost host;
    supply(*host, c.fields);
    state().TrataOcorrencia = c.occurrences ? "SIM" : "NAO";
    const auto screen = createScreen<TFrmAquis_MilhasVKS>();
    const auto shown = [&](const char* name) { return child<QWidget>(*screen, name).isVisibleTo(screen.get()); };

    EXPECT_EQ(child<QLabel>(*screen, "lbTitulo").text(), "Mensagem 527");
    auto& form = child<QComboBox>(*screen, "cbFPPagto");
    EXPECT_EQ(form.currentText().toStdString(), c.paymentForm);
    EXPECT_EQ(form.isEnabled(), c.paymentFormEnabled);
    auto& miles = child<QLineEdit>(*screen, "edValorMilhas");
    EXPECT_EQ(miles.text().toStdString(), c.milesValue);
    EXPECT_EQ(miles.isEnabled(), c.milesValueEnabled);
    EXPECT_EQ(shown("edOperador"), c.operatorShown);
    EXPECT_EQ(shown("lbOperador"), c.operatorShown);
    if (c.operatorShown) {
        EXPECT_FALSE(child<QLineEdit>(*screen, "edOperador").isEnabled());
    }
    for (const char* name : {"lbIdOcorrencia", "cbIdOcorrencia", "lbCodOcorrencia", "edCodOcorrencia"}) {
        EXPECT_EQ(shown(name), c.occurrences) << name;
    }
    auto& kind = child<QComboBox>(*screen, "cbIdOcorrencia");
    if (c.occurrences) {
        EXPECT_EQ(kind.currentIndex(), c.occurrenceIndex);
        EXPECT_EQ(kind.isEnabled(), c.occurrenceEnabled);
        auto& code = child<QLineEdit>(*screen, "edCodOcorrencia");
        EXPECT_EQ(code.isEnabled(), code.text().isEmpty());
    }
    // No card read: the empty card field is open.
    EXPECT_EQ(child<QLineEdit>(*screen, "edCartao").text(), "");
    EXPECT_TRUE(child<QLineEdit>(*screen, "edCartao").isEnabled());
}

INSTANTIATE_TEST_SUITE_P(MilesAcquisition, AcquisitionPanel, testing::ValuesIn(kAcquisitionPanels), CaseName());

// --- The three screens alike ---------------------------------------------------------

struct ScreenKind {
    const char* name;
    std::unique_ptr<QDialog> (*create)();
    const char* title;
    const char* operatorControl;
    Fields transaction; // what the host supplies so that only the coupon is left
};

const Fields kReversed = {{field::Amount, "1500"}, {field::Nsu, "123456"}, {field::Identification, kCard}};

const ScreenKind kScreens[] = {
    {"acquisition",
     createScreen<TFrmAquis_MilhasVKS>,
     "Mensagem 527",
     "edOperador",
     {{field::Amount, "1500"}, {field::PaymentForm, "01"}, {field::Identification, kCard}}},
    {"sale reversal", createScreen<TFrmEstVenda_EstVenAquis>, "Mensagem 520", "edMatrOper", kReversed},
    {"acquisition reversal", createScreen<TFrmEstAquis_EstVenAquis>, "Mensagem 521", "edMatrOper", kReversed},
};

// The coupon from the host shows formatted and locked, with the card
// concealed, and the screen confirms itself.
class SuppliedCoupon : public testing::TestWithParam<ScreenKind> {};

TEST_P(SuppliedCoupon, IsShownLockedAndTheScreenConfirmsItself) {
    const ScreenKind& kind = GetParam();
    ScopedSimulatedHost host;
    supply(*host, kind.transaction);
    supply(*host, {{field::TransactionDate, today()},
                   {field::CouponNumber, "123"},
                   {field::CouponDate, "05032007"},
                   {field::CouponTime, "101112"},
                   {field::Operator, "4321"}});
    const auto screen = kind.create();
    EXPECT_EQ(child<QLabel>(*screen, "lbTitulo").text(), kind.title);
    for (auto [name, text] : {std::pair{"edCupom", "123"}, std::pair{"edDataCupom", "05/03/2007"},
                              std::pair{"edHoraCupom", "10:11:12"}, std::pair{kind.operatorControl, "4321"}}) {
        auto& control = child<QLineEdit>(*screen, name);
        EXPECT_EQ(control.text(), text) << name;
        EXPECT_FALSE(control.isEnabled()) << name;
    }
    if (auto* card = screen->findChild<QLineEdit*>("edCartao")) {
        EXPECT_EQ(card->text(), kConcealedCard);
        EXPECT_FALSE(card->isEnabled());
    }
    EXPECT_EQ(ScriptedCashier().run(*screen), 1);
    EXPECT_EQ(host->get(field::CouponDate), "05032007");
    EXPECT_EQ(host->get(field::CouponTime), "101112");
    EXPECT_EQ(host->get(field::CardNumber), kCard);
}

INSTANTIATE_TEST_SUITE_P(MilesCoupon, SuppliedCoupon, testing::ValuesIn(kScreens), CaseName());

struct CouponCheckCase {
    const char* name;
    std::string number;
    std::string date; // typed into the masked field
    std::string time;
    MessageId message; // 0: accepted
    const char* focusAfter;
    std::string storedDate;
    std::string storedTime;
};

const CouponCheckCase kCouponChecks[] = {
    {"number missing", "", "05032007", "101112", 810, "edCupom", "", ""},
    {"number of blanks", "   ", "", "", 810, "edCupom", "", ""},
    {"31 February", "12", "31022007", "101112", 787, "edDataCupom", "", ""},
    {"date half typed", "12", "0503", "", 787, "edDataCupom", "", ""},
    {"hour 25", "12", "05032007", "250000", 788, "edHoraCupom", "", ""},
    {"hour 24", "12", "", "240000", 788, "edHoraCupom", "", ""},
    {"minute 60", "12", "", "106000", 788, "edHoraCupom", "", ""},
    {"second 60", "12", "", "105960", 788, "edHoraCupom", "", ""},
    {"second 99", "12", "05032007", "101199", 788, "edHoraCupom", "", ""},
    {"time half typed", "12", "", "10", 788, "edHoraCupom", "", ""},
    {"date and time left empty", "12", "", "", 0, "", "00000000", "000000"},
    {"date and time of zeros", "12", "00000000", "000000", 0, "", "00000000", "000000"},
    {"29 February of a leap year", "12", "29022008", "235959", 0, "", "29022008", "235959"},
};

class CouponChecks : public testing::TestWithParam<std::tuple<CouponCheckCase, ScreenKind>> {};

TEST_P(CouponChecks, RejectTheFirstFaultOrStoreTheCoupon) {
    const auto& [c, kind] = GetParam();
    ScopedSimulatedHost host;
    supply(*host, kind.transaction);
    supply(*host, {{field::TransactionDate, today()}, {field::Operator, "4321"}});
    const auto screen = kind.create();
    ScriptedCashier cashier;
    cashier.expectFocus("edCupom").type(c.number).enter().type(c.date).enter().type(c.time).alt('1');
    if (c.message != 0) {
        cashier.dismissMessage(c.message).expectFocus(c.focusAfter).escape();
    }
    EXPECT_EQ(cashier.run(*screen), c.message != 0 ? 2 : 1);
    if (c.message != 0) {
        EXPECT_EQ(host->writes().size(), 0u);
        const QString cleared = QString::fromStdString(c.focusAfter == std::string("edCupom")       ? ""
                                                       : c.focusAfter == std::string("edDataCupom") ? "__/__/____"
                                                                                                    : "__:__:__");
        EXPECT_EQ(child<QLineEdit>(*screen, c.focusAfter).text(), cleared);
    } else {
        EXPECT_EQ(host->get(field::CouponNumber), c.number);
        EXPECT_EQ(host->get(field::CouponDate), c.storedDate);
        EXPECT_EQ(host->get(field::CouponTime), c.storedTime);
    }
}

INSTANTIATE_TEST_SUITE_P(MilesCoupon, CouponChecks,
                         testing::Combine(testing::ValuesIn(kCouponChecks), testing::ValuesIn(kScreens)), CaseName());

// A locked coupon date the host got wrong is opened again for the cashier.
class WrongSuppliedCouponDate : public testing::TestWithParam<ScreenKind> {};

TEST_P(WrongSuppliedCouponDate, IsOpenedClearedAndFocused) {
    const ScreenKind& kind = GetParam();
    ScopedSimulatedHost host;
    supply(*host, kind.transaction);
    supply(*host, {{field::TransactionDate, today()},
                   {field::Operator, "4321"},
                   {field::CouponNumber, "9"},
                   {field::CouponDate, "31022007"},
                   {field::CouponTime, "999999"}});
    const auto screen = kind.create();
    ScriptedCashier cashier;
    cashier.dismissMessage(787)
        .expectFocus("edDataCupom")
        .expectText("edDataCupom", "__/__/____")
        .alt('1')
        .dismissMessage(788)
        .expectFocus("edHoraCupom")
        .type("235900")
        .alt('1');
    EXPECT_EQ(cashier.run(*screen), 1);
    EXPECT_EQ(host->get(field::CouponDate), "00000000");
    EXPECT_EQ(host->get(field::CouponTime), "235900");
}

INSTANTIATE_TEST_SUITE_P(MilesCoupon, WrongSuppliedCouponDate, testing::ValuesIn(kScreens), CaseName());

// --- Acquisition: what is written and sent -------------------------------------------

struct AcquisitionWriteCase {
    const char* name;
    Fields fields;
    bool occurrences;
    Writes after10103; // every write after 1003 and 10103, in order
};

Writes acquisitionWrites(const char* hostCode, const char* mapping, const char* kind, const char* code,
                         const char* form, const char* miles) {
    return {{field::OperationCode, "02"},     {field::CardNumber, kCard},  {field::HostCode, hostCode},
            {field::MappingVersion, mapping}, {field::CouponNumber, "77"}, {field::CouponDate, "00000000"},
            {field::CouponTime, "000000"},    {field::Operator, "4321"},   {field::OccurrenceKind, kind},
            {field::OccurrenceCode, code},    {field::PaymentForm, form},  {field::MilesValue, miles}};
}

const AcquisitionWriteCase kAcquisitionWrites[] = {
    {"switch off, no host code",
     {{field::PaymentForm, "04"}},
     false,
     acquisitionWrites("0000", "0000", "0", "0000000", "04", "000000000000")},
    {"host code and mapping version",
     {{field::HostCodeCopy, "0042"}, {field::MappingVersion, "123456"}, {field::PaymentForm, "12"}},
     false,
     acquisitionWrites("0042", "1234", "0", "0000000", "01", "000000000000")},
    {"miles value zero-filled",
     {{field::PaymentForm, "11"}, {field::MilesValue, "1.234,50"}},
     false,
     acquisitionWrites("0000", "0000", "0", "0000000", "11", "000000123450")},
    {"gift list with an empty code",
     {{field::PaymentForm, "01"}, {field::OccurrenceKind, "P"}},
     true,
     acquisitionWrites("0000", "0000", "P", "", "01", "000000000000")},
    {"other cases keep their code",
     {{field::PaymentForm, "01"}, {field::OccurrenceKind, "0"}, {field::OccurrenceCode, "55"}},
     true,
     acquisitionWrites("0000", "0000", "0", "55", "01", "000000000000")},
};

class AcquisitionWrites : public testing::TestWithParam<AcquisitionWriteCase> {};

TEST_P(AcquisitionWrites, StoreEveryFieldInOrderAndSendTheAcquisition) {
    const AcquisitionWriteCase& c = GetParam();
    ScopedSimulatedHost host;
    supply(*host, {{field::Amount, "1500"},
                   {field::Identification, kCard},
                   {field::CouponNumber, "77"},
                   {field::Operator, "4321"}});
    supply(*host, c.fields);
    state().TrataOcorrencia = c.occurrences ? "SIM" : "NAO";
    const auto screen = createScreen<TFrmAquis_MilhasVKS>();
    ScriptedCashier cashier;
    cashier.alt('1');
    EXPECT_EQ(cashier.run(*screen), 1);

    Writes expected = {{field::Amount, "1500"}, {field::AuthorizerTag, "36"}};
    expected.insert(expected.end(), c.after10103.begin(), c.after10103.end());
    EXPECT_EQ(writtenTexts(*host), expected);
    ASSERT_EQ(host->authorizations().size(), 1u);
    EXPECT_EQ(std::memcmp(&host->requestLayouts[0], &TrnAquisicaoMilhasVKS, sizeof(VksRequestLayout)), 0);
    EXPECT_EQ(host->authorizations()[0].mode, 0);
    EXPECT_EQ(host->handBackCount(), 1);
}

INSTANTIATE_TEST_SUITE_P(MilesAcquisition, AcquisitionWrites, testing::ValuesIn(kAcquisitionWrites), CaseName());

// Stepping the open list to miles and leaving it opens the miles value.
TEST(MilesAcquisition, LeavingTheListOnMilesOpensTheirValue) {
    ScopedSimulatedHost host;
    supply(*host, {{field::Amount, "1500"}, {field::CouponNumber, "77"}, {field::Identification, kCard}});
    const auto screen = createScreen<TFrmAquis_MilhasVKS>();
    ScriptedCashier cashier;
    cashier.expectFocus("cbFPPagto")
        .type("2222222222")
        .type("2")
        .expectText("cbFPPagto", "11- Milhas")
        .type("88")
        .expectText("cbFPPagto", "09 - Desconto em folha")
        .type("22")
        .expectEnabled("edValorMilhas", false)
        .enter()
        .expectFocus("edValorMilhas")
        .check("hint", [] { EXPECT_EQ(SimulatedHost::messageIdOf(*cashier::controlText("lbMensagem")), 31); })
        .type("12a.34")
        .expectText("edValorMilhas", "12,34")
        .alt('1');
    EXPECT_EQ(cashier.run(*screen), 1);
    EXPECT_EQ(host->get(field::PaymentForm), "11");
    EXPECT_EQ(host->get(field::MilesValue), "000000001234");
}

// A rejected check focuses the control it names, even when the cashier
// confirmed from the list left on miles.
TEST(MilesAcquisition, ACheckConfirmedFromTheListOnMilesFocusesItsControl) {
    ScopedSimulatedHost host;
    supply(*host, {{field::Amount, "1500"}, {field::Identification, kCard}});
    const auto screen = createScreen<TFrmAquis_MilhasVKS>();
    ScriptedCashier cashier;
    cashier.expectFocus("cbFPPagto")
        .type(std::string(10, '2'))
        .alt('1')
        .dismissMessage(810)
        .expectFocus("edCupom")
        .expectEnabled("edValorMilhas", false)
        .escape();
    EXPECT_EQ(cashier.run(*screen), 2);
}

// --- Reversals -------------------------------------------------------------------------

struct ReversalCase {
    const char* name;
    std::unique_ptr<QDialog> (*create)();
    const char* operation;
};

const ReversalCase kReversals[] = {
    {"sale", createScreen<TFrmEstVenda_EstVenAquis>, "11"},
    {"acquisition", createScreen<TFrmEstAquis_EstVenAquis>, "12"},
};

class ReversalWrites : public testing::TestWithParam<ReversalCase> {};

TEST_P(ReversalWrites, AreTheSameFieldsButTheOperationCode) {
    const ReversalCase& c = GetParam();
    ScopedSimulatedHost host;
    supply(*host, {{field::Amount, "1500"},
                   {field::TransactionDate, today()},
                   {field::Nsu, "987"},
                   {field::MappingVersion, "12"},
                   {field::CouponNumber, "77"}});
    const auto screen = c.create();
    ScriptedCashier cashier;
    cashier.expectFocus("edDataCupom")
        .enter()
        .enter()
        .expectFocus("edMatrOper")
        .check("hint", [] { EXPECT_EQ(SimulatedHost::messageIdOf(*cashier::controlText("lbMensagem")), 109); })
        .type("12x34")
        .alt('1');
    EXPECT_EQ(cashier.run(*screen), 1);
    const Writes expected = {{field::Amount, "1500"},
                             {field::TransactionDate, today()},
                             {field::Nsu, "987"},
                             {field::AuthorizerTag, "36"},
                             {field::CardNumber, ""},
                             {field::MappingVersion, "12"},
                             {field::CouponNumber, "77"},
                             {field::CouponDate, "00000000"},
                             {field::CouponTime, "000000"},
                             {field::Operator, "1234"},
                             {field::OperationCode, c.operation}};
    EXPECT_EQ(writtenTexts(*host), expected);
    ASSERT_EQ(host->authorizations().size(), 1u);
    EXPECT_EQ(std::memcmp(&host->requestLayouts[0], &TrnCancelamentoVendaAquis, sizeof(VksRequestLayout)), 0);
}

INSTANTIATE_TEST_SUITE_P(MilesReversal, ReversalWrites, testing::ValuesIn(kReversals), CaseName());

class ReversalOperator : public testing::TestWithParam<ReversalCase> {};

TEST_P(ReversalOperator, IsRequiredBeforeTheCoupon) {
    const ReversalCase& c = GetParam();
    ScopedSimulatedHost host;
    supply(*host, {{field::Amount, "1500"}, {field::TransactionDate, today()}, {field::Nsu, "987"}});
    const auto screen = c.create();
    ScriptedCashier cashier;
    cashier.alt('1').dismissMessage(803).expectFocus("edMatrOper").type("   ").alt('1').dismissMessage(803);
    cashier.type("55").alt('1').dismissMessage(810).expectFocus("edCupom").escape();
    EXPECT_EQ(cashier.run(*screen), 2);
    EXPECT_TRUE(host->writes().empty());
}

INSTANTIATE_TEST_SUITE_P(MilesReversal, ReversalOperator, testing::ValuesIn(kReversals), CaseName());

// A refused write stops the confirmation: what was written stays, nothing is
// sent, and the screen waits for the cashier.
class RefusedCouponDate : public testing::TestWithParam<ScreenKind> {};

TEST_P(RefusedCouponDate, StopsTheConfirmation) {
    const ScreenKind& kind = GetParam();
    ScopedSimulatedHost host;
    supply(*host, kind.transaction);
    supply(*host, {{field::TransactionDate, today()}, {field::Operator, "4321"}, {field::CouponNumber, "77"}});
    host->refuseWrite(field::CouponDate, 0);
    const auto screen = kind.create();
    ScriptedCashier cashier;
    cashier.alt('1').expectNoMessage().expectEnabled("btConfirma", true).escape();
    EXPECT_EQ(cashier.run(*screen), 2);
    ASSERT_FALSE(host->writes().empty());
    EXPECT_EQ(host->writes().back().field, field::CouponNumber);
    EXPECT_TRUE(host->authorizations().empty());
    EXPECT_EQ(host->handBackCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(MilesReversal, RefusedCouponDate, testing::ValuesIn(kScreens), CaseName());

// Coupon fields the host filled with what is no date or time lock the
// controls and are sent as absent.
class UnreadableSuppliedValues : public testing::TestWithParam<ScreenKind> {};

TEST_P(UnreadableSuppliedValues, AreSentAsAbsent) {
    const ScreenKind& kind = GetParam();
    const std::string junk = std::string(1 << 20, '\xff') + "\xc3";
    ScopedSimulatedHost host;
    for (FieldId id : {field::Identification, field::HostCodeCopy, field::MappingVersion, field::CouponNumber,
                       field::CouponDate, field::CouponTime, field::Operator, field::PaymentForm, field::MilesValue,
                       field::OccurrenceKind, field::OccurrenceCode}) {
        host->set(id, junk);
    }
    supply(*host, {{field::Amount, "1500"}, {field::TransactionDate, today()}, {field::Nsu, "1"}});
    const auto screen = kind.create();
    EXPECT_EQ(ScriptedCashier().run(*screen), 1);
    EXPECT_EQ(host->get(field::CouponDate), "00000000");
    EXPECT_EQ(host->get(field::CouponTime), "000000");
    EXPECT_TRUE(host->get(field::MappingVersion) == junk.substr(0, 4)); // not printed
}

INSTANTIATE_TEST_SUITE_P(MilesCoupon, UnreadableSuppliedValues, testing::ValuesIn(kScreens), CaseName());

} // namespace
