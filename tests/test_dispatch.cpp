// Entry points and transaction dispatch, driven through the exported C
// functions with the simulated host.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "ModalDismisser.h"
#include "TestData.h"
#include "core/ModuleState.h"
#include "entry/Dispatch.h"
#include "entry/ScreenRunner.h"
#include "host/RequestLayouts.h"
#include "vks/vks.h"

namespace {

constexpr VksWindow kHostWindow = 0x4711;
constexpr VksWindow kPreviousOwner = 0x99;

std::string repeated(std::string_view text, int times) {
    std::string result;
    for (int i = 0; i < times; ++i) result += text;
    return result;
}

std::string flagsFor(int type) {
    std::string flags(21, '0');
    flags[static_cast<std::size_t>(type - 1)] = '1';
    return flags;
}

// Reference names of the screens a call tried to run: the screens that
// opened and the ones reported missing with message 802.
std::vector<std::string> attemptedScreens(const ModalDismisser& modal) {
    std::vector<std::string> names = modal.screens;
    const std::string prefix = SimulatedHost::messageText(802).substr(0, SimulatedHost::messageText(802).find("%s"));
    for (const std::string& box : modal.boxes) {
        if (box.rfind(prefix, 0) == 0) names.push_back(box.substr(prefix.size()));
    }
    return names;
}

class Dispatch : public ::testing::Test {
protected:
    void run(int type) {
        fake->set(field::EnabledTransactions, flagsFor(type));
        runRaw();
    }
    void runRaw() {
        state().ownerWindow = kPreviousOwner;
        ExecutaGenerico(kHostWindow, 0);
        EXPECT_EQ(state().ownerWindow, kPreviousOwner) << "owner window not restored";
    }
    std::vector<std::string> attempted() const { return attemptedScreens(modal); }

    ScopedSimulatedHost fake;
    ModalDismisser modal;
};

struct FlagsCase {
    const char* name;
    std::string flags;
    int type;
};

const FlagsCase kFlags[] = {
    {"empty", "", 0},
    {"all zeros", "000000000000000000000", 0},
    {"first", "1", 1},
    {"sixth before the last", "000001000000000000001", 6},
    {"last", "000000000000000000001", 21},
    {"position 23", "00000000000000000000001", 0},
    {"position 22", "0000000000000000000001", 0},
    {"after letters", "xx1", 3},
    {"after other digits", "2221", 4},
    {"after a megabyte", std::string(1 << 20, '0') + "1", 0},
    // Positions are characters: multi-byte ones and stray bytes count once.
    {"after a two byte character",
     "\xc3\xa9"
     "1",
     2},
    {"after three and four byte characters",
     "\xe2\x82\xac\xf0\x9f\x98\x80"
     "1",
     3},
    {"after stray bytes",
     "\xff\xfe"
     "1",
     3},
    {"after a cut sequence, each byte one",
     "\xe2\x82"
     "1",
     3},
    {"after 20 two byte characters", repeated("\xc3\xa9", 20) + "1", 21},
    {"after 21 four byte characters", repeated("\xf0\x9f\x98\x80", 21) + "1", 0},
    {"after 21 stray bytes", repeated("\xff", 21) + "1", 0},
};

class TransactionFlags : public testing::TestWithParam<FlagsCase> {};

TEST_P(TransactionFlags, GiveThePositionOfTheFirstOneWithinTwentyOnePlaces) {
    EXPECT_EQ(transactionTypeOf(GetParam().flags), GetParam().type);
}

INSTANTIATE_TEST_SUITE_P(TransactionType, TransactionFlags, testing::ValuesIn(kFlags), CaseName());

struct HostCodeCase {
    const char* name;
    std::string hostCode;
    std::string copy;
};
const HostCodeCase kHostCodes[] = {{"missing", "", "0000"},
                                   {"two digits", "12", "12"},
                                   {"letters", "ABCD", "ABCD"},
                                   {"stray bytes", "\xff\xfe", "\xff\xfe"}};

class HostCode : public Dispatch, public testing::WithParamInterface<HostCodeCase> {};

TEST_P(HostCode, TagsTheFieldStoreAndIsCopied) {
    const HostCodeCase& c = GetParam();
    fake->set(field::HostCode, c.hostCode);
    runRaw();
    ASSERT_GE(fake->writes().size(), 2u);
    EXPECT_EQ(fake->writes()[0], (SimulatedHost::Write{field::ModuleTag, 0, "36"}));
    EXPECT_EQ(fake->writes()[1], (SimulatedHost::Write{field::HostCodeCopy, 0, c.copy}));
}

INSTANTIATE_TEST_SUITE_P(Dispatch, HostCode, testing::ValuesIn(kHostCodes), CaseName());

TEST_F(Dispatch, RefusedHostCodeCopyEndsBeforeAnyTransaction) {
    fake->refuseWrite(field::HostCodeCopy, 0);
    run(5);
    EXPECT_EQ(fake->errorIds(), std::vector<int>{1591});
    EXPECT_EQ(fake->errors().at(0).code, 255);
    EXPECT_TRUE(attempted().empty());
}

TEST_F(Dispatch, NothingEnabledRunsNothing) {
    runRaw();
    EXPECT_TRUE(attempted().empty());
    EXPECT_TRUE(fake->errors().empty());
    EXPECT_EQ(fake->handBackCount(), 0);
    EXPECT_EQ(fake->writes().size(), 2u);
}

struct EachTypeCase {
    int type;
    const char* screen;
    std::string name = "type " + std::to_string(type);
};
const EachTypeCase kTypeScreens[] = {
    {1, "FrmPagParcBRQ_VKSTrn"},    {2, "FrmPagParcBRQ_CncTrn"},    {3, "FrmValorBRQ_VKSAdc"},
    {4, "FrmExtrato_CartaoVKS"},    {5, "FrmExtrato_CPFVKS"},       {7, "FrmAquis_MilhasVKS"},
    {8, "FrmEstVenda_EstVenAquis"}, {9, "FrmEstAquis_EstVenAquis"}, {11, "FrmMilhas_GenCPF"},
    {12, "FrmMExtrato_GenCartao"},  {13, "FrmMExtrato_GenCPF"},     {14, "FrmCBasico_FLivreCPF"},
    {15, "FrmCBasico_FLivreCPF"},   {16, "FrmCartao_FLivreCartao"}, {17, "FrmCPF_FLivreCPF"},
    {18, "FrmVCheque_AutGen"},      {19, "FrmCancVCheque_AutGen"},  {20, "FrmCompFatura_GenCartao"},
    {21, "FrmCompFatura_GenCPF"},
};

class EachType : public Dispatch, public testing::WithParamInterface<EachTypeCase> {};

TEST_P(EachType, RunsItsScreen) {
    const EachTypeCase& row = GetParam();
    fake->set(field::EntryType, "4");
    fake->set(field::CardNumber, "6034567890123456");
    run(row.type);
    EXPECT_EQ(attempted(), std::vector<std::string>{row.screen});
    EXPECT_TRUE(fake->errors().empty());
}

INSTANTIATE_TEST_SUITE_P(Dispatch, EachType, testing::ValuesIn(kTypeScreens), CaseName());

struct SubOptionCase {
    const char* name;
    const char* value;
    bool accepted;
};
const SubOptionCase kSubOptions[] = {
    {"one", "1", true},
    {"four", "4", true},
    {"four with zeros", "0004", true},
    {"five", "5", true},
    {"empty", "", false},
    {"letters", "abc", false},
    {"seven", "7", false},
    {"four and a letter", "4a", false},
    {"too long", "99999999999999", false},
};
struct InstallmentType {
    const char* name;
    int type;
};
const InstallmentType kInstallmentTypes[] = {{"payment", 1}, {"cancellation", 2}};

class SubOption : public Dispatch, public testing::WithParamInterface<std::tuple<InstallmentType, SubOptionCase>> {};

TEST_P(SubOption, AcceptsOnlyOneFourAndFive) {
    const auto& [installment, c] = GetParam();
    fake->set(field::EntryType, c.value);
    run(installment.type);
    EXPECT_EQ(attempted().size(), c.accepted ? 1u : 0u);
    EXPECT_EQ(fake->errorIds(), c.accepted ? std::vector<int>{} : std::vector<int>{823});
}

INSTANTIATE_TEST_SUITE_P(Dispatch, SubOption,
                         testing::Combine(testing::ValuesIn(kInstallmentTypes), testing::ValuesIn(kSubOptions)),
                         CaseName());

// A transaction type by its number.
struct TypeRow {
    int type;
    std::string name = "type " + std::to_string(type);
};

const TypeRow kOperatorChecked[] = {{2}, {8}, {9}, {19}};

class RefusedOperator : public Dispatch, public testing::WithParamInterface<TypeRow> {};

TEST_P(RefusedOperator, EndsTheTransactionSilently) {
    fake->setOperatorValid(false);
    fake->set(field::EntryType, "1");
    fake->set(field::CardNumber, "6034567890123456");
    run(GetParam().type);
    EXPECT_EQ(fake->operatorChecks(), std::vector<VksWindow>{kHostWindow});
    EXPECT_TRUE(attempted().empty());
    EXPECT_TRUE(fake->errors().empty());
    EXPECT_EQ(fake->handBackCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(Dispatch, RefusedOperator, testing::ValuesIn(kOperatorChecked), CaseName());

struct CardTransactionCase {
    int type;
    int prompt;
    std::string name = "type " + std::to_string(type);
};
const CardTransactionCase kCardPrompts[] = {{4, 517}, {6, 523},  {7, 527},  {8, 520},
                                            {9, 521}, {12, 513}, {16, 431}, {20, 1607}};

class CardTransaction : public Dispatch, public testing::WithParamInterface<CardTransactionCase> {};

TEST_P(CardTransaction, AsksThePinPadWithItsPrompt) {
    const CardTransactionCase& row = GetParam();
    fake->setCard(3, "");
    run(row.type);
    ASSERT_EQ(fake->cardReads().size(), 1u);
    EXPECT_EQ(fake->cardReads()[0].first, kHostWindow);
    EXPECT_EQ(fake->cardReads()[0].second, SimulatedHost::messageText(row.prompt));
    EXPECT_EQ(fake->handBackCount(), 1);
    EXPECT_TRUE(attempted().empty());
    EXPECT_TRUE(fake->errors().empty());
}

INSTANTIATE_TEST_SUITE_P(Dispatch, CardTransaction, testing::ValuesIn(kCardPrompts), CaseName());

struct MilesSaleTermCase {
    const char* name;
    const char* term;
    const char* screen; // nullptr: message 1204
};
const MilesSaleTermCase kMilesSaleTerms[] = {{"cash", "1", "FrmAVista_VendaCartaoMilhas"},
                                             {"no interest", "2", "FrmSJuros_ParcMilhas"},
                                             {"interest with a leading zero", "03", "FrmCJuros_ParcMilhas"},
                                             {"unknown", "4", nullptr},
                                             {"missing", "", nullptr}};

class MilesSaleTerm : public Dispatch, public testing::WithParamInterface<MilesSaleTermCase> {};

TEST_P(MilesSaleTerm, ChoosesTheScreen) {
    const MilesSaleTermCase& c = GetParam();
    fake->set(field::CardNumber, "6034567890123456");
    fake->set(field::PaymentTerm, c.term);
    run(6);
    if (c.screen != nullptr) {
        EXPECT_EQ(attempted(), std::vector<std::string>{c.screen});
        EXPECT_TRUE(fake->errors().empty());
    } else {
        EXPECT_TRUE(attempted().empty());
        EXPECT_EQ(fake->errorIds(), std::vector<int>{1204});
    }
}

INSTANTIATE_TEST_SUITE_P(Dispatch, MilesSaleTerm, testing::ValuesIn(kMilesSaleTerms), CaseName());

struct QuerySelectorCase {
    const char* selector;
    const char* screen;
    int handBacks;
    int cardReads;
    std::string name = std::string("selector ") + selector;
};
const QuerySelectorCase kQuerySelectors[] = {
    {"0", nullptr, 1, 0},
    {"2", nullptr, 0, 0},
    {"abc", nullptr, 1, 0}, // not a number reads as 0
    {"1", "FrmMilhas_GenCartao", 0, 1},
    {"9", "FrmIdOcorr_GenRegOcorr", 0, 0},
    {"10", "FrmCancOcorr_GenRegOcorr", 0, 0},
};

class QuerySelector : public Dispatch, public testing::WithParamInterface<QuerySelectorCase> {};

TEST_P(QuerySelector, OfTypeTenChoosesTheQuery) {
    const QuerySelectorCase& c = GetParam();
    fake->set(field::QueryEntryType, c.selector);
    run(10);
    const auto expected = c.screen ? std::vector<std::string>{c.screen} : std::vector<std::string>{};
    EXPECT_EQ(attempted(), expected);
    // A screen that opens and is cancelled hands back once more.
    const int cancelledScreens = static_cast<int>(modal.screens.size());
    EXPECT_EQ(fake->handBackCount() - cancelledScreens, c.handBacks);
    EXPECT_EQ(static_cast<int>(fake->cardReads().size()), c.cardReads);
    EXPECT_TRUE(fake->errors().empty());
}

INSTANTIATE_TEST_SUITE_P(Dispatch, QuerySelector, testing::ValuesIn(kQuerySelectors), CaseName());

struct ChequeIdentificationCase {
    const char* name;
    int type;
    const char* cpf;
    const char* card;
    const char* identification;
};
const ChequeIdentificationCase kChequeIdentifications[] = {
    {"sale by CPF before card", 18, "529.982.247-25", "6034567890123456", "52998224725"},
    {"sale by card when the CPF is blank", 18, "   ", "6034567890123456", "6034567890123456"},
    {"sale with neither", 18, "", "", "0000000000000000"},
    {"sale with a blank card", 18, "", "   ", "0000000000000000"},
    {"cancellation by card though a CPF is there", 19, "529.982.247-25", "6034567890123456", "6034567890123456"},
    {"cancellation without a card", 19, "529.982.247-25", "", "0000000000000000"},
};

class ChequeIdentification : public Dispatch, public testing::WithParamInterface<ChequeIdentificationCase> {};

TEST_P(ChequeIdentification, IsTheCpfOrTheCard) {
    const ChequeIdentificationCase& c = GetParam();
    fake->set(field::Cpf, c.cpf);
    fake->set(field::CardNumber, c.card);
    run(c.type);
    EXPECT_EQ(fake->get(field::Identification), c.identification);
    EXPECT_TRUE(fake->errors().empty());
}

INSTANTIATE_TEST_SUITE_P(Dispatch, ChequeIdentification, testing::ValuesIn(kChequeIdentifications), CaseName());

const TypeRow kChequeTypes[] = {{18}, {19}};

class RefusedChequeIdentification : public Dispatch, public testing::WithParamInterface<TypeRow> {};

TEST_P(RefusedChequeIdentification, Reports1591) {
    fake->refuseWrite(field::Identification, 0);
    run(GetParam().type);
    EXPECT_EQ(fake->errorIds(), std::vector<int>{1591});
    EXPECT_TRUE(attempted().empty());
}

INSTANTIATE_TEST_SUITE_P(Dispatch, RefusedChequeIdentification, testing::ValuesIn(kChequeTypes), CaseName());

struct EntryPoint {
    const char* name;
    decltype(&ExecutaVenda) call;
};

const EntryPoint kUnsupportedEntryPoints[] = {{"sale", &ExecutaVenda},
                                              {"administrative function", &ExecutaFuncaoADM},
                                              {"cheque query", &ExecutaConsultaCheque},
                                              {"pre-authorization", &ExecutaPreAutorizacao}};

class UnsupportedEntryPoint : public Dispatch, public testing::WithParamInterface<EntryPoint> {};

TEST_P(UnsupportedEntryPoint, Reports130AndRestoresTheOwner) {
    state().ownerWindow = kPreviousOwner;
    GetParam().call(kHostWindow, 7);
    EXPECT_EQ(fake->errorIds(), std::vector<int>{130});
    EXPECT_EQ(state().ownerWindow, kPreviousOwner);
    EXPECT_TRUE(fake->writes().empty());
}

INSTANTIATE_TEST_SUITE_P(Dispatch, UnsupportedEntryPoint, testing::ValuesIn(kUnsupportedEntryPoints), CaseName());

TEST_F(Dispatch, NestedCallDuringATransactionIsRefused) {
    std::size_t writesBefore = 0;
    std::size_t writesAfter = 0;
    modal.onModal = [&] {
        writesBefore = fake->writes().size();
        ExecutaGenerico(kHostWindow + 1, 0);
        ExecutaVenda(kHostWindow + 1, 0);
        writesAfter = fake->writes().size();
        EXPECT_EQ(state().ownerWindow, kHostWindow);
    };
    // A box counts as well: the nested call happens while the module is modal.
    fake->set(field::EntryType, "4");
    run(1);
    EXPECT_EQ(writesBefore, writesAfter);
    EXPECT_TRUE(fake->errors().empty());
}

// Initialize and Finalize from a host callback while a screen is open are
// refused like nested calls: the state under the screen stays, the guard
// holds, no second screen opens.
TEST_F(Dispatch, InitializeAndFinalizeDuringATransactionAreRefused) {
    bool checked = false;
    std::size_t writesBefore = 0;
    std::size_t writesAfter = 0;
    modal.onModal = [&] {
        if (checked) return;
        checked = true;
        const ModuleState* during = &state();
        const std::vector<std::string> openScreens = [] {
            std::vector<std::string> names;
            for (const auto& [name, screen] : state().screens) names.push_back(name);
            return names;
        }();
        const std::string version = state().versaoDoModulo;
        const VksRequestLayout layout = TrnPagtoParcVKS;
        writesBefore = fake->writes().size();
        Initialize();
        Finalize();
        ExecutaGenerico(kHostWindow + 1, 0); // the guard still holds
        writesAfter = fake->writes().size();
        EXPECT_EQ(&state(), during) << "the module state was replaced under the open screen";
        EXPECT_TRUE(state().running);
        EXPECT_EQ(state().ownerWindow, kHostWindow);
        EXPECT_EQ(state().versaoDoModulo, version);
        ASSERT_EQ(state().screens.size(), openScreens.size());
        EXPECT_EQ(state().screens.begin()->first, openScreens.front());
        EXPECT_NE(state().screens.begin()->second, nullptr);
        EXPECT_EQ(std::memcmp(&TrnPagtoParcVKS, &layout, sizeof layout), 0) << "request layout reset";
    };
    fake->set(field::EntryType, "4");
    run(1);
    EXPECT_TRUE(checked);
    EXPECT_EQ(modal.screens, std::vector<std::string>{"FrmPagParcBRQ_VKSTrn"}) << "a second screen opened";
    EXPECT_EQ(writesBefore, writesAfter);
    EXPECT_TRUE(fake->errors().empty());
    EXPECT_FALSE(state().running);
    // Between calls they do their work as before.
    state().TipoConsulta = "02";
    Initialize();
    EXPECT_TRUE(state().TipoConsulta.empty());
}

TEST_F(Dispatch, AnyFieldContentIsSurvived) {
    const std::string huge(1 << 20, '7');
    const std::string invalidUtf8 = "\xc3\x28\xff\xfe\x80";
    const std::string values[] = {"", "   ", "abc", huge, invalidUtf8, std::string(1 << 20, '1')};
    for (const std::string& value : values) {
        for (FieldId f : {field::EnabledTransactions, field::HostCode, field::EntryType, field::PaymentTerm,
                          field::QueryEntryType, field::Cpf, field::CardNumber}) {
            fake->set(f, value);
        }
        fake->setCard(1, "");
        runRaw();
        fake->set(field::EnabledTransactions, "000001");
        runRaw();
        fake->set(field::EnabledTransactions, "0000000001");
        runRaw();
        fake->set(field::EnabledTransactions, "000000000000000001");
        runRaw();
    }
    // The huge host code and card number travel unchanged.
    fake->set(field::HostCode, huge);
    runRaw();
    EXPECT_EQ(fake->get(field::HostCodeCopy), huge);
}

// A screen class that yields no screen: CriaExecutaForm does nothing else,
// the dispatcher shows message 802 naming the screen's reference.
TEST_F(Dispatch, AScreenThatCannotBeCreatedIsNamedInMessage802) {
    EXPECT_FALSE(CriaExecutaForm("TFrmSemClasse"));
    EXPECT_TRUE(modal.boxes.empty());
    runScreen("TFrmSemClasse");
    EXPECT_EQ(modal.boxes, std::vector<std::string>{"Mensagem 802: FrmSemClasse"});
    EXPECT_TRUE(modal.screens.empty());
    EXPECT_EQ(fake->handBackCount(), 0);
    EXPECT_TRUE(fake->errors().empty());
}

} // namespace
