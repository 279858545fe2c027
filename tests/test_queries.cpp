// The query context and the first query screens: value by document, the
// card and CPF bases, and the statements by card and by CPF.
#include <gtest/gtest.h>

#include <cstring>
#include <optional>

#include <QLabel>
#include <QLineEdit>

#include "RefusedWrites.h"
#include "TestData.h"
#include "core/ModuleState.h"
#include "core/Text.h"
#include "host/Messages.h"
#include "host/RequestLayouts.h"
#include "screens/miles/TFrmPagParcBRQ_CncTrn.h"
#include "screens/queries/QueryContext.h"
#include "screens/queries/TFrmCPF_VKSAdc.h"
#include "screens/queries/TFrmCartao_VKSAdc.h"
#include "screens/queries/TFrmExtrato_CPFVKS.h"
#include "screens/queries/TFrmExtrato_CartaoVKS.h"
#include "screens/queries/TFrmValorBRQ_VKSAdc.h"

namespace {

std::vector<FieldId> writtenFields(const SimulatedHost& host) {
    std::vector<FieldId> fields;
    for (const auto& write : host.writes()) fields.push_back(write.field);
    return fields;
}

// --- Query context -------------------------------------------------------------

struct LoadCase {
    const char* name;
    const query::ContextValue* value;
    std::optional<std::string> field; // nullopt: never set
    std::string loaded;
};

const LoadCase kLoadCases[] = {
    {"longer text is cut", &query::TipoConsulta, "1234", "12"},
    {"blanks take the default", &query::TipoConsulta, "  ", "01"},
    {"unset takes the default", &query::TipoConsulta, std::nullopt, "01"},
    {"not trimmed", &query::TipoConsulta, " 5", " 5"},
    {"blank head, text after", &query::TipoConsulta, "  7", "01"},
    {"output first character", &query::SaidaConsulta, "X9", "X"},
    {"code three characters", &query::CodigoConsulta, "12345", "123"},
    {"code blank", &query::CodigoConsulta, "   9", "001"},
    {"characters, not bytes", &query::TipoConsulta, "\xC3\xA9\xC3\xA7x", "\xC3\xA9\xC3\xA7"},
    {"invalid UTF-8", &query::TipoConsulta, "\xFF\xFE\xFD", "\xFF\xFE"},
    {"huge field", &query::CodigoConsulta, std::string(1 << 20, 'z'), "zzz"},
    {"stray continuation bytes", &query::SaidaConsulta, "P" + std::string(50, '\xBF'), "P"},
    {"only stray continuation bytes", &query::TipoConsulta, std::string(1 << 20, '\xBF'), "\xBF\xBF"},
    {"a lead byte without its continuation", &query::CodigoConsulta, "\xC3xyz", "\xC3xy"},
    {"four-byte characters", &query::CodigoConsulta,
     "\xF0\x9F\x98\x80\xC3\xA9"
     "ab",
     "\xF0\x9F\x98\x80\xC3\xA9"
     "a"},
};

class QueryContextLoading : public testing::TestWithParam<LoadCase> {};

TEST_P(QueryContextLoading, TakesItsLengthInCharactersAndSendsWhatItTook) {
    const LoadCase& c = GetParam();
    ScopedSimulatedHost host;
    if (c.field) host->set(c.value->field, *c.field);
    query::load(*c.value);
    EXPECT_EQ(query::valueOf(*c.value), c.loaded);
    ASSERT_TRUE(query::store(*c.value));
    EXPECT_EQ(host->get(c.value->field), c.loaded);
}

INSTANTIATE_TEST_SUITE_P(QueryContext, QueryContextLoading, testing::ValuesIn(kLoadCases), CaseName());

TEST(QueryContext, KeepsItsValuesUntilUnload) {
    ScopedSimulatedHost host;
    host->set(field::QueryType, "07");
    query::load(query::TipoConsulta);
    host->set(field::QueryType, "99");
    EXPECT_EQ(query::valueOf(query::TipoConsulta), "07"); // a screen that does not load sends what is there
    resetModuleState();
    EXPECT_EQ(query::valueOf(query::TipoConsulta), "");
}

// --- Value query by document ------------------------------------------------------

struct ValueCase {
    const char* name;
    const char* entryType; // field 1100
    const char* shownType;
    const char* label;
};

const ValueCase kValueCases[] = {
    {"one", "1", "01", "Mensagem 779"},
    {"two", "2", "02", "Mensagem 780"},
    {"three with a zero", "03", "03", "Mensagem 781"},
    {"unknown", "7", "07", "Código Resumido:"},
    {"missing", "", "00", "Código Resumido:"},
    {"two after a blank", " 2", " 2", "Código Resumido:"},
};

class ValueQueryDocument : public testing::TestWithParam<ValueCase> {};

TEST_P(ValueQueryDocument, IsLockedLabelledByEntryTypeAndSentUnchanged) {
    const ValueCase& c = GetParam();
    ScopedSimulatedHost host;
    host->set(field::EntryType, c.entryType);
    host->set(field::DocumentData, " 12.345,67 ");
    host->set(field::QueryType, "1234");
    host->set(field::QueryOutput, "X9");
    auto screen = createScreen<TFrmValorBRQ_VKSAdc>();
    EXPECT_EQ(shown(*screen, "lbTitulo"), "Mensagem 518");
    EXPECT_EQ(shown(*screen, "edTipoEntrada"), c.shownType);
    EXPECT_EQ(shown(*screen, "lbDadosDocumento"), c.label);
    EXPECT_FALSE(screen->findChild<QLineEdit*>("edDadosDocumento")->isEnabled());

    // Nothing to type: the screen confirms itself.
    EXPECT_EQ(ScriptedCashier().run(*screen), 1);
    EXPECT_EQ(writtenFields(*host), (std::vector<FieldId>{field::QueryEntryType, field::AuthorizerTag, field::QueryType,
                                                          field::QueryOutput, field::EntryType, field::DocumentData}));
    EXPECT_EQ(host->get(field::QueryEntryType), c.shownType);
    EXPECT_EQ(host->get(field::EntryType), c.shownType);
    EXPECT_EQ(host->get(field::DocumentData), " 12.345,67 ");
    EXPECT_EQ(host->get(field::QueryType), "12");
    EXPECT_EQ(host->get(field::QueryOutput), "X");
    ASSERT_EQ(host->authorizations().size(), 1u);
    EXPECT_EQ(std::memcmp(&host->requestLayouts[0], &TrnConsultaValorDocumentoBRQ, sizeof(VksRequestLayout)), 0);
}

INSTANTIATE_TEST_SUITE_P(ValueQuery, ValueQueryDocument, testing::ValuesIn(kValueCases), CaseName());

// A write the host refuses stops the screen's writes there: nothing after it
// is written and nothing is sent.
struct RefusalCase {
    const char* name;
    std::unique_ptr<QDialog> (*create)();
    std::vector<FieldId> writes;
};

const RefusalCase kRefusalCases[] = {
    {"value",
     createScreen<TFrmValorBRQ_VKSAdc>,
     {field::QueryEntryType, field::AuthorizerTag, field::QueryType, field::QueryOutput, field::EntryType,
      field::DocumentData}},
    {"card statement",
     createScreen<TFrmExtrato_CartaoVKS>,
     {field::QueryEntryType, field::AuthorizerTag, field::QueryType, field::QueryOutput, field::HostCode}},
    {"CPF statement",
     createScreen<TFrmExtrato_CPFVKS>,
     {field::QueryEntryType, field::Cpf, field::AuthorizerTag, field::QueryType, field::QueryOutput}},
};

class RefusedQueryScreenWrite : public testing::TestWithParam<RefusedWrite> {};

TEST_P(RefusedQueryScreenWrite, StopsTheConfirmation) {
    const RefusedWrite& refusal = GetParam();
    ScopedSimulatedHost host;
    host->set(field::DocumentData, "123");
    host->set(field::Identification, kCard);
    host->set(field::Cpf, kValidCpf);
    refusal.arm(*host);
    auto screen = kRefusalCases[refusal.subject].create();
    ScriptedCashier cashier;
    cashier.expectOpenThenCancel(*screen);
    EXPECT_EQ(cashier.run(*screen), 2);
    EXPECT_EQ(writtenFields(*host), refusal.fieldsBefore());
    EXPECT_TRUE(host->authorizations().empty());
    EXPECT_EQ(host->handBackCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(QueryScreens, RefusedQueryScreenWrite, testing::ValuesIn(eachWriteRefusedOf(kRefusalCases)),
                         CaseName());

// --- Card base and card statement ------------------------------------------------------

struct CardShownCase {
    const char* name;
    std::string read; // field 10104
    std::string shownText;
    bool enabled;
};

const CardShownCase kConcealedCardCases[] = {
    {"card", kCard, kConcealedCard, false},
    {"card between blanks", "  6034567890123456  ", kConcealedCard, false},
    {"seven digits", "1234567", "123456*", false},
    {"six digits", "123456", "123456", false},
    {"blank", "   ", "", true},
};

class ReadCard : public testing::TestWithParam<CardShownCase> {};

TEST_P(ReadCard, IsShownConcealedAndLocked) {
    const CardShownCase& c = GetParam();
    ScopedSimulatedHost host;
    host->set(field::Identification, c.read);
    auto screen = createScreen<TFrmCartao_VKSAdc>();
    auto* card = screen->findChild<QLineEdit*>("edCartao");
    EXPECT_EQ(card->text().toStdString(), c.shownText);
    EXPECT_EQ(card->isEnabled(), c.enabled);
    // The clear number is on no control of the screen.
    const std::string clear = trimmed(c.read);
    if (clear.size() > 6) {
        for (const QLineEdit* edit : screen->findChildren<QLineEdit*>()) {
            EXPECT_EQ(edit->text().toStdString().find(clear), std::string::npos);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(CardQuery, ReadCard, testing::ValuesIn(kConcealedCardCases), CaseName());

TEST(CardQuery, TheCardIsCheckedBeforeTheEntryType) {
    ScopedSimulatedHost host;
    auto screen = createScreen<TFrmCartao_VKSAdc>();
    ScriptedCashier cashier;
    cashier.expectFocus("edTipoEntrada")
        .alt('1')
        .dismissMessage(198)
        .expectFocus("edCartao")
        .type("6034")
        .alt('1')
        .dismissMessage(823)
        .expectFocus("edTipoEntrada")
        .type("7")
        .alt('1');
    EXPECT_EQ(cashier.run(*screen), 1);
    EXPECT_EQ(host->get(field::QueryEntryType), "07");
    EXPECT_FALSE(host->has(field::DocumentData)); // the base sends only the entry type
}

struct CardStatementCase {
    const char* name;
    std::string hostCode; // field 10147
    bool hostCodeWritten; // "0000" into 1102
};

const CardStatementCase kCardStatementCases[] = {
    {"no host code", "", true},
    {"host code present", "1234", false},
    {"host code blank", "  ", false},
};

class CardStatement : public testing::TestWithParam<CardStatementCase> {};

TEST_P(CardStatement, ConfirmsItselfWithTheReadCardAndFillsTheHostCodeOnlyWhenMissing) {
    const CardStatementCase& c = GetParam();
    ScopedSimulatedHost host;
    host->set(field::Identification, kCard);
    host->set(field::HostCodeCopy, c.hostCode);
    host->set(field::QueryOutput, "X");
    auto screen = createScreen<TFrmExtrato_CartaoVKS>();
    EXPECT_EQ(shown(*screen, "lbTitulo"), "Mensagem 517");
    EXPECT_EQ(ScriptedCashier().run(*screen), 1);
    EXPECT_EQ(host->get(field::QueryEntryType), "02");
    EXPECT_EQ(host->get(field::QueryType), "01");
    EXPECT_EQ(host->get(field::QueryOutput), "X");
    EXPECT_FALSE(host->has(field::DocumentData)); // a read card is not written
    EXPECT_EQ(host->has(field::HostCode), c.hostCodeWritten);
    if (c.hostCodeWritten) {
        EXPECT_EQ(host->get(field::HostCode), "0000");
    }
    ASSERT_EQ(host->authorizations().size(), 1u);
    EXPECT_EQ(std::memcmp(&host->requestLayouts[0], &TrnConsultaExtratoCartao, sizeof(VksRequestLayout)), 0);
}

INSTANTIATE_TEST_SUITE_P(CardStatement, CardStatement, testing::ValuesIn(kCardStatementCases), CaseName());

TEST(CardStatement, ATypedCardGoesToField1041AndIsThenShownConcealed) {
    ScopedSimulatedHost host;
    host->set(field::HostCodeCopy, "0001");
    auto screen = createScreen<TFrmExtrato_CartaoVKS>();
    ScriptedCashier cashier;
    cashier.expectFocus("edCartao")
        .type("60a34567890123456")
        .expectText("edCartao", kCard)
        .enter()
        .expectFocus("btConfirma");
    // The host refuses 1041 once: the cashier sees the concealed number and
    // confirms again; the clear number is still what is sent.
    cashier.check("refuse 1041", [&] { host->refuseWrite(field::DocumentData, 0); })
        .enter()
        .expectText("edCartao", kConcealedCard)
        .check("accept 1041", [&] { host->acceptWrite(field::DocumentData, 0); })
        .expectFocus("btConfirma")
        .enter();
    EXPECT_EQ(cashier.run(*screen), 1);
    EXPECT_EQ(host->get(field::DocumentData), kCard);
    EXPECT_EQ(host->authorizations().size(), 1u);
}

// --- CPF base and CPF statement -------------------------------------------------------

TEST(CpfQuery, TheEntryTypeThenTheCpfAreChecked) {
    ScopedSimulatedHost host;
    auto screen = createScreen<TFrmCPF_VKSAdc>();
    EXPECT_EQ(shown(*screen, "lbCPF"), "Mensagem 589");
    ScriptedCashier cashier;
    cashier.expectFocus("edTipoEntrada")
        .alt('1')
        .dismissMessage(823)
        .type("4")
        .enter()
        .expectFocus("edCPF")
        .type("11111111111")
        .alt('1')
        .dismissMessage(803)
        .expectFocus("edCPF")
        .expectText("edCPF", "___.___.___-__")
        .type(kValidCpf)
        .alt('1');
    EXPECT_EQ(cashier.run(*screen), 1);
    EXPECT_EQ(writtenFields(*host), (std::vector<FieldId>{field::QueryEntryType, field::Cpf}));
    EXPECT_EQ(host->get(field::QueryEntryType), "04");
    EXPECT_EQ(host->get(field::Cpf), kValidCpf);
}

struct CpfStatementCase {
    const char* name;
    std::string cpf; // field 1007
    bool locked;
    std::string sent;
};

const CpfStatementCase kCpfStatementCases[] = {
    {"valid from the host", kValidCpf, true, kValidCpf},
    {"formatted from the host", "529.982.247-25", true, kValidCpf},
    {"invalid from the host is not checked", "11111111111", true, "11111111111"},
    {"empty", "", false, ""},
};

class CpfStatement : public testing::TestWithParam<CpfStatementCase> {};

TEST_P(CpfStatement, SendsTheCpfAsItStandsWithoutChecks) {
    const CpfStatementCase& c = GetParam();
    ScopedSimulatedHost host;
    host->set(field::Cpf, c.cpf);
    auto screen = createScreen<TFrmExtrato_CPFVKS>();
    EXPECT_EQ(shown(*screen, "lbTitulo"), "Mensagem 516");
    EXPECT_EQ(screen->findChild<QWidget*>("edCPF")->isEnabled(), !c.locked);
    ScriptedCashier cashier;
    if (!c.locked) cashier.expectFocus("edCPF").alt('1');
    EXPECT_EQ(cashier.run(*screen), 1);
    EXPECT_EQ(writtenFields(*host), (std::vector<FieldId>{field::QueryEntryType, field::Cpf, field::AuthorizerTag,
                                                          field::QueryType, field::QueryOutput, field::Cpf}));
    EXPECT_EQ(host->get(field::Cpf), c.sent);
    EXPECT_EQ(host->get(field::QueryEntryType), "02");
    ASSERT_EQ(host->authorizations().size(), 1u);
    EXPECT_EQ(std::memcmp(&host->requestLayouts[0], &TrnConsultaExtratoCPF, sizeof(VksRequestLayout)), 0);
}

INSTANTIATE_TEST_SUITE_P(CpfStatement, CpfStatement, testing::ValuesIn(kCpfStatementCases), CaseName());

} // namespace
