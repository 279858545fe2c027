// The generic and free-form query screens: miles balance, mini statement
// and free-form query, each by card and by CPF. The twins run through the
// same tables; what the scenarios already cover is left to them.
#include <gtest/gtest.h>

#include <cstring>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "RefusedWrites.h"
#include "TestData.h"
#include "core/ModuleState.h"
#include "host/RequestLayouts.h"
#include "screens/queries/TFrmCPF_FLivreCPF.h"
#include "screens/queries/TFrmCartao_FLivreCartao.h"
#include "screens/queries/TFrmMExtrato_GenCPF.h"
#include "screens/queries/TFrmMExtrato_GenCartao.h"
#include "screens/queries/TFrmMilhas_GenCPF.h"
#include "screens/queries/TFrmMilhas_GenCartao.h"

namespace {

using Create = std::unique_ptr<QDialog> (*)();

struct Twin {
    const char* name;
    Create create;
    bool byCard;
    bool miniStatement;
    const char* title;
    const VksRequestLayout* layout;
    Writes writes; // with fields 1060 and 1061 empty, the host code missing
};

const Twin kTwins[] = {
    {"miles by card",
     createScreen<TFrmMilhas_GenCartao>,
     true,
     false,
     "Mensagem 511",
     &TrnConsultaMilhasCartao,
     {{1061, "01"}, {1056, "04"}, {1057, "I"}, {1060, "001"}, {10103, "36"}, {1102, "0000"}}},
    {"miles by CPF",
     createScreen<TFrmMilhas_GenCPF>,
     false,
     false,
     "Mensagem 510",
     &TrnConsultaMilhasCPF,
     {{1061, "02"}, {1007, kValidCpf}, {1056, "04"}, {1057, "I"}, {1060, "001"}, {1007, kValidCpf}, {10103, "36"}}},
    {"mini statement by card",
     createScreen<TFrmMExtrato_GenCartao>,
     true,
     true,
     "Mensagem 513",
     &TrnConsultaMiniExtratoCartao,
     {{1061, "03"},
      {1056, "04"},
      {1057, "I"},
      {1060, "002"},
      {10103, "36"},
      {1102, "0000"},
      {1062, "31122023"},
      {1075, "1"}}},
    {"mini statement by CPF",
     createScreen<TFrmMExtrato_GenCPF>,
     false,
     true,
     "Mensagem 512",
     &TrnConsultaMiniExtratoCPF,
     {{1061, "04"},
      {1007, kValidCpf},
      {1056, "04"},
      {1057, "I"},
      {1060, "002"},
      {10103, "36"},
      {1007, kValidCpf},
      {1062, "31122023"},
      {1075, "1"}}},
    {"free-form by card",
     createScreen<TFrmCartao_FLivreCartao>,
     true,
     false,
     "Mensagem 507",
     &TrnConsultaLivreCartao,
     {{1061, "01"}, {1056, "05"}, {1057, "I"}, {1060, "005"}, {10103, "36"}, {1102, "0000"}}},
    {"free-form by CPF",
     createScreen<TFrmCPF_FLivreCPF>,
     false,
     false,
     "Mensagem 507",
     &TrnConsultaLivreCPF,
     {{1061, "02"}, {1007, kValidCpf}, {1056, "05"}, {1057, "I"}, {1060, "005"}, {1007, kValidCpf}, {10103, "36"}}},
};

// The key as the host supplies it; the mini statement's date and scope
// too, so that every twin has nothing left to type.
void supplyEverything(SimulatedHost& host, const Twin& twin) {
    host.set(twin.byCard ? field::Identification : field::Cpf, twin.byCard ? kCard : kValidCpf);
    host.set(field::MiniStatementStart, "31122023");
    host.set(field::MiniStatementScope, "1");
}

const char* keyControl(const Twin& twin) { return twin.byCard ? "edCartao" : "edCPF"; }

// A twin with something for it to take: a name for the row, the value, and
// what the screen makes of it.
struct Taken {
    const char* name;
    const char* value;
    const char* expected = "";
};
struct TwinCase {
    std::string name;
    const Twin* twin;
    Taken taken;
};

// One row per twin that `fits` and per value.
template <class Fits>
std::vector<TwinCase> onTwins(Fits fits, std::initializer_list<Taken> values) {
    std::vector<TwinCase> rows;
    for (const Taken& taken : values) {
        for (const Twin& twin : kTwins) {
            if (fits(twin)) rows.push_back({std::string(twin.name) + " " + taken.name, &twin, taken});
        }
    }
    return rows;
}
bool isMiniStatement(const Twin& twin) { return twin.miniStatement; }
bool isByCard(const Twin& twin) { return twin.byCard; }

class EachTwin : public testing::TestWithParam<Twin> {};

TEST_P(EachTwin, WithTheKeySuppliedConfirmsItselfAndSendsHeaderTagAndKey) {
    const Twin& twin = GetParam();
    ScopedSimulatedHost host;
    supplyEverything(*host, twin);
    auto query = twin.create();
    EXPECT_EQ(query->findChild<QLabel*>("lbTitulo")->text().toStdString(), twin.title);
    EXPECT_FALSE(query->findChild<QWidget*>(keyControl(twin))->isEnabled());
    if (twin.miniStatement) {
        EXPECT_EQ(query->findChild<QLineEdit*>("edDataInicio")->text(), QStringLiteral("31/12/2023"));
        EXPECT_EQ(query->findChild<QComboBox*>("cbEscopo")->currentText(), QStringLiteral("1 - Total"));
    }
    EXPECT_EQ(ScriptedCashier().run(*query), 1);
    EXPECT_EQ(writtenTexts(*host), twin.writes);
    ASSERT_EQ(host->authorizations().size(), 1u);
    EXPECT_EQ(std::memcmp(&host->requestLayouts[0], twin.layout, sizeof(VksRequestLayout)), 0);
    EXPECT_EQ(host->handBackCount(), 1);
}

INSTANTIATE_TEST_SUITE_P(GenericQueries, EachTwin, testing::ValuesIn(kTwins), CaseName());

class RefusedQueryWrite : public testing::TestWithParam<RefusedWrite> {};

TEST_P(RefusedQueryWrite, StopsTheConfirmationThere) {
    const RefusedWrite& refusal = GetParam();
    const Twin& twin = kTwins[refusal.subject];
    ScopedSimulatedHost host;
    supplyEverything(*host, twin);
    refusal.arm(*host);
    auto query = twin.create();
    ScriptedCashier cashier;
    cashier.pause(std::chrono::milliseconds(60)).expectEnabled("btRetorna", true).escape();
    EXPECT_EQ(cashier.run(*query), 2);
    EXPECT_EQ(writtenTexts(*host), refusal.before());
    EXPECT_TRUE(host->authorizations().empty());
}

INSTANTIATE_TEST_SUITE_P(GenericQueries, RefusedQueryWrite, testing::ValuesIn(eachWriteRefusedOf(kTwins)), CaseName());

// The card headers always fill the query code to three digits, the module's
// context included; the free-form CPF header sends it as it stands.
struct QueryCodeCase {
    const char* name;
    std::size_t twin;
    const char* code; // field 1060
    const char* written;
};
const QueryCodeCase kQueryCodes[] = {
    {"miles by card short", 0, "7", "007"},
    {"miles by CPF short", 1, "7", "007"},
    {"mini statement by card too long", 2, "12345", "123"},
    {"mini statement by CPF leading blank", 3, " 9", "0 9"},
    {"free form by card two digits", 4, "12", "012"},
    {"free form by CPF two digits", 5, "12", "12"},
    {"free form by CPF one digit", 5, "7", "7"},
    {"free form by CPF blank", 5, "   ", "005"},
    {"miles by card not ASCII", 0, "\xC3\xA9", "00\xC3\xA9"},
};

class QueryCode : public testing::TestWithParam<QueryCodeCase> {};

TEST_P(QueryCode, IsFilledOnlyWhereTheHeaderSaysSo) {
    const QueryCodeCase& c = GetParam();
    const Twin& twin = kTwins[c.twin];
    ScopedSimulatedHost host;
    supplyEverything(*host, twin);
    host->set(field::QueryCode, c.code);
    auto query = twin.create();
    EXPECT_EQ(ScriptedCashier().run(*query), 1);
    EXPECT_EQ(host->get(field::QueryCode), c.written);
    EXPECT_EQ(state().CodigoConsulta, c.written);
}

INSTANTIATE_TEST_SUITE_P(GenericQueries, QueryCode, testing::ValuesIn(kQueryCodes), CaseName());

// A scope the host supplies outside the list leaves the choice to the
// cashier; confirming without one is refused. An empty start date is sent as
// zeros.
class ScopeOutsideTheList : public testing::TestWithParam<TwinCase> {};

TEST_P(ScopeOutsideTheList, MustBeChosen) {
    const Twin& twin = *GetParam().twin;
    ScopedSimulatedHost host;
    supplyEverything(*host, twin);
    host->set(field::MiniStatementStart, "  ");
    host->set(field::MiniStatementScope, GetParam().taken.value);
    auto query = twin.create();
    EXPECT_TRUE(query->findChild<QComboBox*>("cbEscopo")->isEnabled());
    ScriptedCashier cashier;
    cashier.expectFocus("edDataInicio")
        .expectText("cbEscopo", "")
        .alt('1')
        .dismissMessage(854)
        .expectFocus("cbEscopo")
        .type("2")
        .alt('1');
    EXPECT_EQ(cashier.run(*query), 1);
    EXPECT_EQ(host->get(field::MiniStatementStart), "00000000");
    EXPECT_EQ(host->get(field::MiniStatementScope), "0");
}

INSTANTIATE_TEST_SUITE_P(
    MiniStatement, ScopeOutsideTheList,
    testing::ValuesIn(onTwins(
        isMiniStatement,
        {{"five", "5"}, {"letter", "x"}, {"blank", " "}, {"empty", ""}, {"negative", "-1"}, {"two numbers", "1 1"}})),
    CaseName());

// The start date may be left out, but one that is given must be a real
// date: a wrong one from the host is opened for the cashier to correct.
class StartDateNoRealDate : public testing::TestWithParam<TwinCase> {};

TEST_P(StartDateNoRealDate, IsRefused) {
    const Twin& twin = *GetParam().twin;
    ScopedSimulatedHost host;
    supplyEverything(*host, twin);
    host->set(field::MiniStatementStart, GetParam().taken.value);
    auto query = twin.create();
    ScriptedCashier cashier;
    cashier.dismissMessage(787)
        .expectFocus("edDataInicio")
        .expectText("edDataInicio", "__/__/____")
        .type("29022024")
        .alt('1');
    EXPECT_EQ(cashier.run(*query), 1);
    EXPECT_EQ(host->get(field::MiniStatementStart), "29022024");
}

INSTANTIATE_TEST_SUITE_P(MiniStatement, StartDateNoRealDate,
                         testing::ValuesIn(onTwins(isMiniStatement, {{"31 February", "31022024"},
                                                                     {"29 February 2023", "29022023"},
                                                                     {"month 13", "15132024"},
                                                                     {"day 0", "00122024"},
                                                                     {"day and month 0", "00002024"}})),
                         CaseName());

// The scope list steps itself: "8" never leaves the first item and, with
// nothing chosen yet, chooses nothing; the host's step routine is not asked.
class ScopeListKeys : public testing::TestWithParam<TwinCase> {};

TEST_P(ScopeListKeys, StepTheListThemselvesWith2And8) {
    const Twin& twin = *GetParam().twin;
    const Taken& keys = GetParam().taken;
    ScopedSimulatedHost host;
    supplyEverything(*host, twin);
    host->set(field::MiniStatementScope, "");
    auto query = twin.create();
    ScriptedCashier cashier;
    cashier.expectFocus("cbEscopo").type(keys.value).expectText("cbEscopo", keys.expected).escape();
    EXPECT_EQ(cashier.run(*query), 2);
    EXPECT_EQ(host->callCount("AvancaRetrocedeItemComboBox"), 0);
}

INSTANTIATE_TEST_SUITE_P(MiniStatement, ScopeListKeys,
                         testing::ValuesIn(onTwins(isMiniStatement, {{"keys 8", "8", ""},
                                                                     {"keys 2", "2", "0 - Parcial"},
                                                                     {"keys 22", "22", "1 - Total"},
                                                                     {"keys 222", "222", "1 - Total"},
                                                                     {"keys 228", "228", "0 - Parcial"},
                                                                     {"keys 2288", "2288", "0 - Parcial"}})),
                         CaseName());

// Without a card read, every card twin takes a typed number, checked first,
// and sends it in field 1041.
class CardTwin : public testing::TestWithParam<TwinCase> {};

TEST_P(CardTwin, TakesATypedNumber) {
    const Twin& twin = *GetParam().twin;
    ScopedSimulatedHost host;
    supplyEverything(*host, twin);
    host->set(field::Identification, "   ");
    host->set(field::HostCodeCopy, "0001");
    auto query = twin.create();
    ScriptedCashier cashier;
    cashier.expectFocus("edCartao").alt('1').dismissMessage(198).expectFocus("edCartao").type(kCard).alt('1');
    EXPECT_EQ(cashier.run(*query), 1);
    EXPECT_EQ(host->get(field::DocumentData), kCard);
    EXPECT_FALSE(host->has(field::HostCode));
}

INSTANTIATE_TEST_SUITE_P(GenericQueries, CardTwin, testing::ValuesIn(onTwins(isByCard, {{"typed", ""}})), CaseName());

} // namespace
