// The miles sale with card and its three payment terms: what the host
// supplies and locks, the occurrence controls by the switch of VKS.INI, the
// checks and their focus, the fields written and the composed miles code the
// request carries.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include <QDialog>

#include "TestData.h"
#include "core/ModuleState.h"
#include "host/RequestLayouts.h"
#include "screens/miles/MilesSettings.h"
#include "screens/miles/TFrmAVista_VendaCartaoMilhas.h"
#include "screens/miles/TFrmAquis_MilhasVKS.h"
#include "screens/miles/TFrmCJuros_ParcMilhas.h"
#include "screens/miles/TFrmSJuros_ParcMilhas.h"
#include "vks/vks.h"

namespace {

using Factory = std::unique_ptr<QDialog> (*)();

struct Term {
    const char* name;
    Factory create;
    MessageId title;
    std::string paymentTerm; // written to 1071
};

const Term kCash{"cash", createScreen<TFrmAVista_VendaCartaoMilhas>, 524, "1"};
const Term kNoInterest{"no interest", createScreen<TFrmSJuros_ParcMilhas>, 526, "2"};
const Term kInterest{"interest", createScreen<TFrmCJuros_ParcMilhas>, 525, "3"};

// The card as the dispatcher's card step left it, an amount from the host.
void prepare(SimulatedHost& host, const Fields& fields, bool occurrences) {
    host.set(field::Identification, kCard);
    host.set(field::Amount, "10000");
    for (const auto& [id, value] : fields) host.set(id, value);
    state().TrataOcorrencia = occurrences ? "SIM" : "NAO";
}

// --- What the screens show ------------------------------------------------------------

struct Shown {
    std::string control;
    std::string text; // "-": not checked
    int enabled;      // -1: not checked
    int visible;      // -1: not checked
};

struct PanelCase {
    const char* name;
    const Term* term;
    Fields fields;
    bool occurrences;
    std::vector<Shown> shown;
    std::vector<FieldId> cleared; // with the switch on: fields cleared in the store at start
};

const PanelCase kPanels[] = {
    {"cash, nothing supplied",
     &kCash,
     {},
     false,
     {{"cbVenda", "1 - Normal", 0, 1},
      {"edCartao", "603456**********", 0, 1},
      {"edValor", "100,00", 0, 1},
      {"edValorAvista", "-", -1, 0},
      {"edValorEntrada", "", 1, 1},
      {"edValorMilhas", "", 1, 1},
      {"edCupom", "", 1, 1},
      {"edDataCupom", "__/__/____", 1, 1},
      {"edOperador", "-", -1, 0},
      {"edMatrAutorizador", "-", -1, 0},
      {"cbIdOcorrencia", "-", -1, 0},
      {"lbCodOcorrencia", "-", -1, 0},
      {"edTipoEntrada", "-", -1, 0}},
     {}},
    {"cash, everything supplied",
     &kCash,
     {{field::DownPayment, "500"},
      {field::CashValue, "9000"},
      {field::CouponNumber, "123"},
      {field::CouponDate, "05032007"},
      {field::CouponTime, "101530"},
      {field::Operator, "123456"},
      {field::MilesValue, "2500"},
      {field::SaleKind, "2"},
      {field::ForcedSaleAuthorizer, "654321"},
      {field::ContractLocation, "12"},
      {field::ContractNumber, "1234567"},
      {field::ContractCheckDigit, "7"}},
     false,
     {{"cbVenda", "2 - Forçada", 0, 1},
      {"edValorEntrada", "5,00", 0, 1},
      {"edValorAvista", "90,00", 1, 1},
      {"lbValorAVista", "-", -1, 1},
      {"edCupom", "123", 0, 1},
      {"edDataCupom", "05/03/2007", 0, 1},
      {"edHoraCupom", "10:15:30", 0, 1},
      {"edOperador", "123456", 0, 1},
      {"lbOperador", "-", -1, 1},
      {"edValorMilhas", "25,00", 1, 1},
      {"edMatrAutorizador", "654321", 0, 1},
      {"edLocalContrato", "12", 0, 1},
      {"edNumContrato", "1234567", 0, 1},
      {"edDV", "7", 0, 1}},
     {}},
    {"sale kind other than 2 is normal",
     &kCash,
     {{field::SaleKind, " 2"}},
     false,
     {{"cbVenda", "1 - Normal", 0, 1}},
     {}},
    {"no card read", &kCash, {{field::Identification, "   "}}, false, {{"edCartao", "", 1, 1}}, {}},
    {"installments supplied",
     &kNoInterest,
     {{field::InstallmentCount, "03"}, {field::FirstInstallmentDate, "10042024"}, {field::InterestRate, "12"}},
     false,
     {{"edNumParc", "03", 0, 1}, {"edDtPrimParcela", "10/04/2024", 0, 1}, {"edJuros", "-", -1, -1}},
     {}},
    {"installments to type",
     &kInterest,
     {},
     false,
     {{"edNumParc", "", 1, 1}, {"edDtPrimParcela", "__/__/____", 1, 1}, {"edJuros", "", 1, 1}},
     {}},
    {"interest supplied", &kInterest, {{field::InterestRate, "150"}}, false, {{"edJuros", "150", 0, 1}}, {}},
    {"insurance occurrence supplied",
     &kCash,
     {{field::OccurrenceKind, " S "}, {field::OccurrenceCode, "1234567890"}},
     true,
     {{"cbIdOcorrencia", "S - Código do Seguro", 0, 1}, {"edCodOcorrencia", "1234567890", 0, 1}},
     {}},
    {"other cases supplied",
     &kCash,
     {{field::OccurrenceKind, "0"}, {field::OccurrenceCode, "1234567890"}},
     true,
     {{"cbIdOcorrencia", "0 - Demais casos", 0, 1}, {"edCodOcorrencia", "", 0, 1}},
     {field::OccurrenceCode}},
    {"occurrence to choose",
     &kNoInterest,
     {{field::OccurrenceKind, "X"}},
     true,
     {{"cbIdOcorrencia", "", 1, 1}, {"edCodOcorrencia", "", 0, 1}},
     {}},
};

class MilesSalePanel : public testing::TestWithParam<PanelCase> {};

TEST_P(MilesSalePanel, ShowsAndLocksWhatTheHostSupplies) {
    const PanelCase& c = GetParam();
    ScopedSimulatedHost host;
    prepare(*host, c.fields, c.occurrences);
    auto screen = c.term->create();
    ScriptedCashier cashier;
    cashier.check("panel", [&] {
        EXPECT_EQ(SimulatedHost::messageIdOf(*cashier::controlText("lbTitulo")), c.term->title);
        for (const Shown& s : c.shown) {
            if (s.text != "-") {
                EXPECT_EQ(cashier::controlText(s.control), s.text) << s.control;
            }
            if (s.enabled >= 0) {
                EXPECT_EQ(cashier::controlEnabled(s.control), s.enabled == 1) << s.control;
            }
            if (s.visible >= 0) {
                EXPECT_EQ(cashier::controlVisible(s.control), s.visible == 1) << s.control;
            }
        }
    });
    cashier.escape();
    EXPECT_EQ(cashier.run(*screen), 2);
    std::vector<FieldId> cleared;
    for (const auto& write : host->writes()) {
        if (!write.text) cleared.push_back(write.field);
    }
    const std::vector<FieldId> switchedOff{field::OccurrenceCode, field::OccurrenceKind};
    EXPECT_EQ(cleared, c.occurrences ? c.cleared : switchedOff);
}

INSTANTIATE_TEST_SUITE_P(MilesSale, MilesSalePanel, testing::ValuesIn(kPanels), CaseName());

// --- Checks -----------------------------------------------------------------------------

struct CheckCase {
    const char* name;
    const Term* term;
    Fields fields;
    bool occurrences;
    int enters;        // Enter presses from the first control
    std::string typed; // then typed, before Alt+1
    MessageId message;
    std::string focusAfter;
    std::string textAfter;
};

const Fields kTypedInstallment{{field::CouponNumber, "77"}, {field::DownPayment, "0"}};

const CheckCase kChecks[] = {
    {"coupon blank",
     &kCash,
     {{field::CouponNumber, "  "}, {field::DownPayment, "0"}},
     false,
     0,
     "",
     810,
     "edCupom",
     ""},
    // Leaving the insurance item asks for its code, but not when the check
    // moves the focus to the coupon.
    {"coupon blank, confirmed on the insurance item",
     &kCash,
     {{field::CouponNumber, "  "}, {field::DownPayment, "0"}},
     true,
     3,
     "S",
     810,
     "edCupom",
     ""},
    {"occurrence not chosen", &kCash, kTypedInstallment, true, 0, "", 839, "cbIdOcorrencia", ""},
    {"insurance code missing",
     &kCash,
     {{field::CouponNumber, "77"}, {field::DownPayment, "0"}, {field::OccurrenceKind, "S"}},
     true,
     0,
     "",
     1611,
     "edCodOcorrencia",
     ""},
    {"no installments", &kNoInterest, kTypedInstallment, false, 0, "", 319, "edNumParc", ""},
    {"zero installments", &kInterest, kTypedInstallment, false, 1, "00", 319, "edNumParc", ""},
    {"installments not a number from the host",
     &kNoInterest,
     {{field::CouponNumber, "77"}, {field::DownPayment, "0"}, {field::InstallmentCount, "x1"}},
     false,
     0,
     "",
     319,
     "edNumParc",
     ""},
    {"first installment on 30 February",
     &kNoInterest,
     {{field::CouponNumber, "77"}, {field::DownPayment, "0"}, {field::InstallmentCount, "2"}},
     false,
     1,
     "30022008",
     787,
     "edDtPrimParcela",
     "__/__/____"},
    {"first installment date incomplete",
     &kInterest,
     {{field::CouponNumber, "77"}, {field::DownPayment, "0"}, {field::InstallmentCount, "2"}},
     false,
     2,
     "0503",
     787,
     "edDtPrimParcela",
     "__/__/____"},
};

class MilesSaleChecks : public testing::TestWithParam<CheckCase> {};

// The range of the installments message is filled in, so its text is
// compared whole.
void acknowledge(ScriptedCashier& cashier, MessageId message) {
    if (message != 319) {
        cashier.dismissMessage(message);
        return;
    }
    cashier.check("message 319 with its range", [] {
        ASSERT_TRUE(cashier::waitUntil([] { return cashier::messageBoxUp(); }, 2000ms));
        EXPECT_EQ(cashier::messageBoxText(), "Mensagem 319 de 1 a 99");
        EXPECT_TRUE(cashier::acceptMessageBox());
    });
}

TEST_P(MilesSaleChecks, ShowTheirMessageAndPlaceTheFocus) {
    const CheckCase& c = GetParam();
    ScopedSimulatedHost host;
    prepare(*host, c.fields, c.occurrences);
    auto screen = c.term->create();
    ScriptedCashier cashier;
    cashier.expectFocus("edValorMilhas");
    for (int i = 0; i < c.enters; ++i) cashier.enter();
    cashier.type(c.typed).alt('1');
    acknowledge(cashier, c.message);
    cashier.expectFocus(c.focusAfter).expectText(c.focusAfter, c.textAfter).expectNoMessage().escape();
    EXPECT_EQ(cashier.run(*screen), 2);
    EXPECT_EQ(host->callCount("GravaCampoString"), 0);
}

INSTANTIATE_TEST_SUITE_P(MilesSale, MilesSaleChecks, testing::ValuesIn(kChecks), CaseName());

// --- Typing --------------------------------------------------------------------------------

TEST(MilesSale, LeavingTheOccurrenceOnInsuranceAsksForTheCode) {
    ScopedSimulatedHost host;
    prepare(*host, {{field::CouponNumber, "77"}, {field::DownPayment, "0"}, {field::MilesValue, "1"}}, true);
    auto screen = createScreen<TFrmAVista_VendaCartaoMilhas>();
    ScriptedCashier cashier;
    cashier.expectFocus("edValorMilhas")
        .enter()
        .expectFocus("edDataCupom")
        .enter()
        .enter()
        .expectFocus("cbIdOcorrencia")
        .check("hint", [] { EXPECT_EQ(SimulatedHost::messageIdOf(*cashier::controlText("lbMensagem")), 1613); })
        .type("22")
        .expectText("cbIdOcorrencia", "0 - Demais casos")
        .type("88")
        .expectText("cbIdOcorrencia", "S - Código do Seguro")
        .enter()
        .expectFocus("edCodOcorrencia")
        .check("hint", [] { EXPECT_EQ(SimulatedHost::messageIdOf(*cashier::controlText("lbMensagem")), 1612); })
        .type("9876543210")
        .enter()
        .expectFocus("btConfirma")
        .enter();
    EXPECT_EQ(cashier.run(*screen), 1);
    EXPECT_EQ(host->get(field::OccurrenceKind), "S");
    EXPECT_EQ(host->get(field::OccurrenceCode), "9876543210");
}

// "2" selects the next item and "8" the previous one, each only when there
// is one: from no selection "8" leaves the list empty.
struct ListKeysCase {
    const char* name;
    Factory create;
    std::string list;
    std::vector<std::pair<std::string, std::string>> keysAndItem; // typed, then the item shown
};

const ListKeysCase kListKeys[] = {
    {"sale occurrence",
     createScreen<TFrmAVista_VendaCartaoMilhas>,
     "cbIdOcorrencia",
     {{"8", ""},
      {"2", "S - Código do Seguro"},
      {"8", "S - Código do Seguro"},
      {"22", "0 - Demais casos"},
      {"8", "S - Código do Seguro"}}},
    {"acquisition occurrence",
     createScreen<TFrmAquis_MilhasVKS>,
     "cbIdOcorrencia",
     {{"8", ""}, {"2", "P - Compra vinculada a lista de presentes"}, {"22", "0 - Demais casos"}}},
    {"acquisition payment form",
     createScreen<TFrmAquis_MilhasVKS>,
     "cbFPPagto",
     {{"8", "01 - Dinheiro"}, {"2", "02 - Cheque à vista"}, {std::string(12, '2'), "11- Milhas"}, {"8", "10 - Vale"}}},
};

class MilesListKeys : public testing::TestWithParam<ListKeysCase> {};

TEST_P(MilesListKeys, StepOnlyToAnItemThereIs) {
    const ListKeysCase& c = GetParam();
    ScopedSimulatedHost host;
    prepare(*host, {{field::OccurrenceKind, "X"}}, true);
    auto screen = c.create();
    ScriptedCashier cashier;
    cashier.focusOn(c.list);
    for (const auto& [keys, item] : c.keysAndItem) cashier.type(keys).expectText(c.list, item);
    cashier.escape();
    EXPECT_EQ(cashier.run(*screen), 2);
}

INSTANTIATE_TEST_SUITE_P(MilesSale, MilesListKeys, testing::ValuesIn(kListKeys), CaseName());

TEST(MilesSale, AmountsAreFormattedAsTypedAndDigitFieldsTakeOnlyDigits) {
    ScopedSimulatedHost host;
    prepare(*host, {{field::CouponNumber, "77"}}, false);
    auto screen = createScreen<TFrmCJuros_ParcMilhas>();
    ScriptedCashier cashier;
    cashier.expectFocus("edValorEntrada")
        .check("hint", [] { EXPECT_EQ(SimulatedHost::messageIdOf(*cashier::controlText("lbMensagem")), 30); })
        .type("12a,5")
        .expectText("edValorEntrada", "1,25")
        .enter()
        .type("3.")
        .type("4")
        .expectText("edValorMilhas", "0,34")
        .enter()
        .expectFocus("edNumParc")
        .type("x1-2")
        .expectText("edNumParc", "12")
        .enter()
        .expectFocus("edJuros")
        .type("1,5%")
        .expectText("edJuros", "15")
        .escape();
    EXPECT_EQ(cashier.run(*screen), 2);
}

// --- What is written ---------------------------------------------------------------------

const Fields kEverythingSupplied{
    {field::HostCodeCopy, "0042"},
    {field::MappingVersion, "123456"},
    {field::CouponNumber, "1234567"},
    {field::CouponDate, "05032007"},
    {field::CouponTime, "101530"},
    {field::Operator, "333"},
    {field::MilesValue, "2500"},
    {field::DownPayment, "500"},
    {field::SaleKind, "2"},
    {field::ForcedSaleAuthorizer, "4444"},
    {field::CashValue, "9000"},
    {field::ContractLocation, "55"},
    {field::ContractNumber, "666"},
    {field::ContractCheckDigit, "7"},
    {field::FirstMilesCode, "11"},
    {field::FirstMilesValue, "99998888"},
    {field::SecondMilesCode, "22"},
    {field::SecondMilesValue, "123456789"},
    {field::InstallmentCount, "03"},
    {field::FirstInstallmentDate, "10042024"},
    {field::InterestRate, "1.234"},
    {field::OccurrenceKind, "S"},
    {field::OccurrenceCode, "0123456789"},
};

// The sale's writes with everything above supplied.
std::vector<SimulatedHost::Write> saleWrites(bool occurrences) {
    return {
        {field::Amount, 0, "10000"},
        {field::AuthorizerTag, 0, "36"},
        {field::OperationCode, 0, "01"},
        {field::CardNumber, 0, kCard},
        {field::HostCode, 0, "0042"},
        {field::MappingVersion, 0, "1234"},
        {field::CouponNumber, 0, "1234567"},
        {field::CouponDate, 0, "05032007"},
        {field::CouponTime, 0, "101530"},
        {field::Operator, 0, "333"},
        {field::OccurrenceKind, 0, occurrences ? "S" : "0"},
        {field::OccurrenceCode, 0, occurrences ? "0123456789" : "0000000000"},
        {field::MilesValue, 0, "2500"},
        {field::DownPayment, 0, "500"},
        {field::SaleKind, 0, "2"},
        {field::ForcedSaleAuthorizer, 0, "4444"},
        {field::CashValue, 0, "9000"},
        {field::ConstantZero, 0, "0"},
        {field::ContractLocation, 0, "55"},
        {field::ContractNumber, 0, "666"},
        {field::ContractCheckDigit, 0, "7"},
    };
}

struct TermWriteCase {
    const Term* term;
    bool occurrences;
    std::vector<SimulatedHost::Write> termWrites; // after the sale's
};

void PrintTo(const TermWriteCase& c, std::ostream* os) {
    *os << c.term->name << (c.occurrences ? " with occurrences" : "");
}

const TermWriteCase kTermWrites[] = {
    {&kCash,
     false,
     {{field::PaymentTerm, 0, "1"},
      {field::InstallmentCount, 0, "01"},
      {field::InterestRate, 0, "0"},
      {field::FirstInstallmentDate, 0, "00000000"}}},
    {&kNoInterest,
     true,
     {{field::InstallmentCount, 0, "03"},
      {field::FirstInstallmentDate, 0, "10042024"},
      {field::PaymentTerm, 0, "2"},
      {field::InterestRate, 0, "0"}}},
    {&kInterest,
     false,
     {{field::InstallmentCount, 0, "03"},
      {field::FirstInstallmentDate, 0, "10042024"},
      {field::PaymentTerm, 0, "3"},
      {field::InterestRate, 0, "1234"}}},
};

class MilesSaleWrites : public testing::TestWithParam<TermWriteCase> {};

// Everything supplied and locked but the miles value: the cashier confirms
// on the button.
TEST_P(MilesSaleWrites, AreMadeInOrderAndTheComposedCodeGoesWithTheRequest) {
    const TermWriteCase& c = GetParam();
    ScopedSimulatedHost host;
    prepare(*host, kEverythingSupplied, c.occurrences);
    auto screen = c.term->create();
    ScriptedCashier cashier;
    cashier.expectFocus("edValorAvista").alt('1');
    EXPECT_EQ(cashier.run(*screen), 1);

    std::vector<SimulatedHost::Write> expected = saleWrites(c.occurrences);
    if (!c.occurrences) {
        expected.insert(expected.begin(),
                        {{field::OccurrenceCode, 0, std::nullopt}, {field::OccurrenceKind, 0, std::nullopt}});
    }
    expected.insert(expected.end(), c.termWrites.begin(), c.termWrites.end());
    EXPECT_EQ(host->writes(), expected);
    ASSERT_EQ(host->authorizations().size(), 1u);
    const VksRequestLayout& layout = host->requestLayouts[0];
    // Members of the packed record are copied before comparing: a reference
    // to a misaligned member is not allowed.
    const int code = layout.code;
    const int flag = layout.flag;
    const char* composed = layout.entries[23].fixed_text;
    EXPECT_EQ(code, 80);
    EXPECT_EQ(flag, 1);
    EXPECT_EQ(composed, static_cast<const char*>(pCodigoValorMilhas));
    EXPECT_STREQ(pCodigoValorMilhas, "000000001109999888822123456789");
    EXPECT_EQ(state().VersaoMapeamento, "1234");
    EXPECT_EQ(host->handBackCount(), 1);
}

INSTANTIATE_TEST_SUITE_P(MilesSale, MilesSaleWrites, testing::ValuesIn(kTermWrites),
                         [](const auto& info) { return testName(info.param.term->name); });

TEST(MilesSale, UntouchedDatesAndAnEmptyMappingVersionAreWrittenAsZeros) {
    ScopedSimulatedHost host;
    prepare(*host, {{field::CouponNumber, "1"}, {field::DownPayment, "0"}, {field::MappingVersion, "  "}}, false);
    auto screen = createScreen<TFrmSJuros_ParcMilhas>();
    ScriptedCashier cashier;
    cashier.expectFocus("edValorMilhas")
        .enter()
        .expectFocus("edNumParc")
        .type("1")
        .enter()
        .expectFocus("edDtPrimParcela")
        .alt('1');
    EXPECT_EQ(cashier.run(*screen), 1);
    EXPECT_EQ(host->get(field::CouponDate), "00000000");
    EXPECT_EQ(host->get(field::CouponTime), "000000");
    EXPECT_EQ(host->get(field::FirstInstallmentDate), "00000000");
    EXPECT_EQ(host->get(field::MappingVersion), "0000");
    EXPECT_EQ(host->get(field::InstallmentCount), "1");
    EXPECT_EQ(host->get(field::SaleKind), "1");
}

// A refused write stops the writes after it; the composed code is not
// filled when the refusal comes before it.
struct SaleRefusal {
    const char* name;
    FieldId refused;
    FieldId lastWritten; // the last field written before it
};

const SaleRefusal kSaleRefusals[] = {
    {"forced sale authorizer", field::ForcedSaleAuthorizer, field::SaleKind},
    {"cash value", field::CashValue, field::ForcedSaleAuthorizer},
};

class RefusedSaleWrite : public testing::TestWithParam<SaleRefusal> {};

TEST_P(RefusedSaleWrite, StopsTheConfirmation) {
    const SaleRefusal& c = GetParam();
    ScopedSimulatedHost host;
    prepare(*host, kEverythingSupplied, false);
    host->refuseWrite(c.refused, 0);
    std::memset(pCodigoValorMilhas, '9', CodigoValorMilhasLength);
    auto screen = createScreen<TFrmAVista_VendaCartaoMilhas>();
    ScriptedCashier cashier;
    cashier.expectFocus("edValorAvista").alt('1').expectNoMessage().escape();
    EXPECT_EQ(cashier.run(*screen), 2);
    EXPECT_EQ(host->writes().back().field, c.lastWritten);
    EXPECT_EQ(host->callCount("AutorizaTransacao"), 0);
    EXPECT_EQ(std::strlen(pCodigoValorMilhas), c.refused == field::CashValue ? 30u : 0u);
}

INSTANTIATE_TEST_SUITE_P(MilesSale, RefusedSaleWrite, testing::ValuesIn(kSaleRefusals), CaseName());

// --- The composed miles code --------------------------------------------------------------

struct CodeCase {
    const char* name;
    Fields fields;
    std::string code;
};

const CodeCase kCodes[] = {
    {"as the host sends them",
     {{field::FirstMilesCode, "11"},
      {field::FirstMilesValue, "99998888"},
      {field::SecondMilesCode, "22"},
      {field::SecondMilesValue, "123456789"}},
     "000000001109999888822123456789"},
    {"none", {}, std::string(30, '0')},
    {"blanks and formatting",
     {{field::FirstMilesCode, " 3 "},
      {field::FirstMilesValue, " 1.234,56 "},
      {field::SecondMilesCode, ""},
      {field::SecondMilesValue, "7"}},
     "000000000300012345600000000007"},
    {"too long is cut at the buffer's end",
     {{field::FirstMilesCode, "123"}, {field::FirstMilesValue, std::string(1 << 20, '5')}},
     "00000000123" + std::string(19, '5')},
};

class ComposedMilesCode : public testing::TestWithParam<CodeCase> {};

TEST_P(ComposedMilesCode, IsComposedFromTheHostFields) {
    const CodeCase& c = GetParam();
    ScopedSimulatedHost host;
    for (const auto& [id, value] : c.fields) host->set(id, value);
    composeCodigoValorMilhas();
    EXPECT_EQ(std::string(pCodigoValorMilhas), c.code);
    EXPECT_EQ(pCodigoValorMilhas[CodigoValorMilhasLength], '\0');
}

INSTANTIATE_TEST_SUITE_P(MilesSale, ComposedMilesCode, testing::ValuesIn(kCodes), CaseName());

// --- Tab order ------------------------------------------------------------------------------

struct TabOrderCase {
    const char* name;
    const Term* term;
    std::string order; // object names, space-separated
};

// The installment sales take their own controls after the miles value and
// the contract number after where it was made.
const TabOrderCase kTabOrders[] = {
    {"cash", &kCash,
     "cbVenda edCartao edValor edValorAvista edValorEntrada edValorMilhas edCupom edDataCupom edHoraCupom "
     "edNumContrato edDV edMatrAutorizador edOperador edLocalContrato cbIdOcorrencia edCodOcorrencia edTipoEntrada "
     "btConfirma btRetorna"},
    {"no interest", &kNoInterest,
     "cbVenda edCartao edValor edValorAvista edValorEntrada edValorMilhas edNumParc edDtPrimParcela edCupom "
     "edDataCupom edHoraCupom edMatrAutorizador edOperador edLocalContrato edNumContrato edDV cbIdOcorrencia "
     "edCodOcorrencia edTipoEntrada btConfirma btRetorna"},
    {"interest", &kInterest,
     "cbVenda edCartao edValor edValorAvista edValorEntrada edValorMilhas edNumParc edJuros edDtPrimParcela edCupom "
     "edDataCupom edHoraCupom edMatrAutorizador edOperador edLocalContrato edNumContrato edDV cbIdOcorrencia "
     "edCodOcorrencia edTipoEntrada btConfirma btRetorna"},
};

class MilesSaleTabOrder : public testing::TestWithParam<TabOrderCase> {};

TEST_P(MilesSaleTabOrder, FollowsThePaymentTerm) {
    ScopedSimulatedHost host;
    const std::unique_ptr<QDialog> dialog = GetParam().term->create();
    QStringList order;
    for (const QWidget* control : dynamic_cast<TFrmMod&>(*dialog).tabSequence()) order << control->objectName();
    EXPECT_EQ(order.join(' ').toStdString(), GetParam().order);
}

INSTANTIATE_TEST_SUITE_P(MilesSale, MilesSaleTabOrder, testing::ValuesIn(kTabOrders), CaseName());

// --- Whatever the fields hold ----------------------------------------------------------------

// --- From the entry point -------------------------------------------------------------------

class FromTheEntryPoint : public testing::TestWithParam<const Term*> {};

TEST_P(FromTheEntryPoint, TheCardIsReadAndTheTermChoosesTheScreen) {
    const Term* term = GetParam();
    ScopedSimulatedHost host;
    host->set(field::EnabledTransactions, "000001");
    host->set(field::PaymentTerm, term->paymentTerm);
    host->set(field::Amount, "10000");
    host->set(field::CouponNumber, "12");
    host->set(field::DownPayment, "0");
    host->set(field::InstallmentCount, "2");
    ScriptedCashier cashier;
    cashier.check("screen", [] { EXPECT_EQ(cashier::controlText("edCartao"), "603456**********"); })
        .expectFocus("edValorMilhas")
        .alt('1');
    cashier.run([] { ExecutaGenerico(0, 0); });
    ASSERT_EQ(host->cardReads().size(), 1u);
    EXPECT_EQ(SimulatedHost::messageIdOf(host->cardReads()[0].second), 523);
    EXPECT_EQ(host->get(field::PaymentTerm), term->paymentTerm);
    EXPECT_EQ(host->get(field::CardNumber), kCard);
    EXPECT_EQ(host->authorizations().size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(MilesSale, FromTheEntryPoint, testing::Values(&kCash, &kNoInterest, &kInterest), CaseName());

} // namespace
