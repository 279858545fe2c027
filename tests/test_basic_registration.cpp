// The basic registration by CPF: inclusion (type 14) and alteration (type
// 15) of one record. The scenarios walk the cashier through both; these
// tests pin the rules per field.
#include <gtest/gtest.h>

#include <map>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "RefusedWrites.h"
#include "TestData.h"
#include "screens/queries/TFrmCBasico_FLivreCPF.h"

namespace {

constexpr const char* kInclusion = "00000000000001";
constexpr const char* kAlteration = "000000000000001";

// Every record control with its field and a value the host may supply.
struct RecordField {
    const char* control;
    FieldId field;
    const char* supplied;
    const char* written; // on confirmation, untouched
};
const RecordField kRecord[] = {
    {"edNome", 1081, "maria josé", "MARIA JOSé"},
    {"edCPF", 1007, kValidCpf, kValidCpf},
    {"edIdentidade", 1044, "12.345-x", "12.345-x"},
    {"edOrgao", 1082, "ssp", "SSP"},
    {"cbUFIdentidade", 1083, "MG", "MG"},
    {"edExpedicao", 1084, "01022003", "01022003"},
    {"edNascimento", 1085, "15031980", "15031980"},
    {"cbSexo", 1086, "F", "F"},
    {"edNomeMae", 1087, "ana", "ANA"},
    {"edEndereco", 1088, "rua b, 2", "RUA B, 2"},
    {"edBairro", 1089, "sé", "Sé"},
    {"edCidade", 1091, "são paulo", "SãO PAULO"},
    {"cbUF", 1092, "SP", "SP"},
    {"edCep", 1090, "01310-100", "01310100"},
    {"edDDDRes", 1038, "11", "11"},
    {"edTelResid", 1039, "3222-1234", "32221234"},
    {"edRamalRes", 1175, "12", "12"},
    {"edDDDCom", 1180, "19", "19"},
    {"edTelCom", 1093, "37771234", "37771234"},
    {"edRamalCom", 1094, "3", "3"},
    {"edMatrOper", 1080, "111111", "111111"},
    {"edMatrConf", 1095, "222222", "222222"},
};

void supplyRecord(SimulatedHost& host, const char* flags) {
    host.set(field::EnabledTransactions, flags);
    for (const RecordField& r : kRecord) host.set(r.field, r.supplied);
}

// The header, the operation, the key and the tag, then the record in its
// order (the key apart).
Writes expectedWrites(const char* operation) {
    Writes writes{{1061, "05"},  {1007, kValidCpf}, {1056, "05"},      {1057, "I"},
                  {1060, "003"}, {1058, operation}, {1007, kValidCpf}, {10103, "36"}};
    for (const RecordField& r : kRecord) {
        if (r.field != field::Cpf) writes.emplace_back(r.field, r.written);
    }
    return writes;
}

bool isDate(const RecordField& r) { return r.field == field::IdentityIssueDate || r.field == field::BirthDate; }

struct OperationCase {
    const char* name;
    const char* flags;
    const char* title;
    const char* operation; // field 1058
    bool locksSupplied;
};
const OperationCase kOperations[] = {
    {"inclusion", kInclusion, "Mensagem 508", "1", true},
    {"alteration", kAlteration, "Mensagem 509", "2", false},
    {"both, the inclusion flag read first", "000000000000011", "Mensagem 508", "1", true},
};

class Operation : public testing::TestWithParam<OperationCase> {};

TEST_P(Operation, LocksWhatTheHostSuppliedAndTheRecordIsWrittenInOrder) {
    const OperationCase& c = GetParam();
    ScopedSimulatedHost host;
    supplyRecord(*host, c.flags);
    auto screen = createScreen<TFrmCBasico_FLivreCPF>();
    EXPECT_EQ(screen->findChild<QLabel*>("lbTitulo")->text().toStdString(), c.title);
    for (const RecordField& r : kRecord) {
        const bool locked = c.locksSupplied || isDate(r);
        EXPECT_EQ(screen->findChild<QWidget*>(r.control)->isEnabled(), !locked) << r.control;
    }
    // With everything fixed, nothing is left to type: the screen confirms itself.
    ScriptedCashier cashier;
    if (!c.locksSupplied) cashier.alt('1');
    EXPECT_EQ(cashier.run(*screen), 1);
    EXPECT_EQ(writtenTexts(*host), expectedWrites(c.operation));
    ASSERT_EQ(host->authorizations().size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(BasicRegistration, Operation, testing::ValuesIn(kOperations), CaseName());

// What counts as supplied differs by kind: a list by its field (1083 and
// 1086 trimmed), an edit by the text it then shows.
struct SuppliedOnAnInclusionCase {
    FieldId field;
    const char* value;
    const char* control;
    bool locked;
    const char* shown;
    std::string name =
        std::string(control) + " " + (std::string(value).find_first_not_of(' ') == std::string::npos ? "blank" : value);
};
const SuppliedOnAnInclusionCase kSuppliedOnInclusion[] = {
    {1083, "AC", "cbUFIdentidade", true, ""},
    {1083, "sp", "cbUFIdentidade", true, ""},
    {1083, "  ", "cbUFIdentidade", false, ""},
    {1086, " M", "cbSexo", true, ""},
    {1092, "  ", "cbUF", true, ""},
    {1092, "TO", "cbUF", true, "TO"},
    {1085, " ", "edNascimento", false, "__/__/____"},
    {1090, "abc", "edCep", false, "_____-___"},
    {1081, "  ", "edNome", true, "  "},
    {1044, "", "edIdentidade", false, ""},
};

class SuppliedOnAnInclusion : public testing::TestWithParam<SuppliedOnAnInclusionCase> {};

TEST_P(SuppliedOnAnInclusion, AreLockedAndShownByKind) {
    const SuppliedOnAnInclusionCase& c = GetParam();
    ScopedSimulatedHost host;
    host->set(field::EnabledTransactions, kInclusion);
    host->set(c.field, c.value);
    auto screen = createScreen<TFrmCBasico_FLivreCPF>();
    auto* control = screen->findChild<QWidget*>(c.control);
    EXPECT_EQ(control->isEnabled(), !c.locked);
    auto* list = qobject_cast<QComboBox*>(control);
    const QString shown = list ? list->currentText() : static_cast<QLineEdit*>(control)->text();
    EXPECT_EQ(shown.toStdString(), c.shown);
}

INSTANTIATE_TEST_SUITE_P(BasicRegistration, SuppliedOnAnInclusion, testing::ValuesIn(kSuppliedOnInclusion), CaseName());

class RefusedRegistrationWrite : public testing::TestWithParam<RefusedWrite> {};

TEST_P(RefusedRegistrationWrite, StopsThereAndTheScreenStaysOpen) {
    const RefusedWrite& refusal = GetParam();
    ScopedSimulatedHost host;
    supplyRecord(*host, kAlteration);
    refusal.arm(*host);
    auto screen = createScreen<TFrmCBasico_FLivreCPF>();
    ScriptedCashier cashier;
    cashier.alt('1').pause(std::chrono::milliseconds(30)).expectEnabled("btConfirma", true).escape();
    EXPECT_EQ(cashier.run(*screen), 2);
    EXPECT_EQ(writtenTexts(*host), refusal.before());
    EXPECT_TRUE(host->authorizations().empty());
}

INSTANTIATE_TEST_SUITE_P(BasicRegistration, RefusedRegistrationWrite,
                         testing::ValuesIn(eachWriteRefused("alteration", expectedWrites("2"))), CaseName());

// The CPF first, then the issue date, then the birth date; each refusal
// clears and focuses its control, and nothing is written before all pass.
TEST(BasicRegistration, ChecksInOrderBeforeAnyWrite) {
    ScopedSimulatedHost host;
    host->set(field::EnabledTransactions, kAlteration);
    host->set(field::Cpf, "11111111111");
    host->set(field::IdentityIssueDate, "31042000");
    host->set(field::BirthDate, "00132000");
    auto screen = createScreen<TFrmCBasico_FLivreCPF>();
    ScriptedCashier cashier;
    cashier.alt('1').dismissMessage(803).expectFocus("edCPF").expectText("edCPF", "___.___.___-__").type(kValidCpf);
    cashier.alt('1').dismissMessage(787).expectFocus("edExpedicao").expectText("edExpedicao", "__/__/____");
    cashier.check("nothing written", [&] { EXPECT_TRUE(host->writes().empty()); }).type("30042000");
    cashier.alt('1').dismissMessage(787).expectFocus("edNascimento").expectText("edNascimento", "__/__/____");
    cashier.alt('1');
    EXPECT_EQ(cashier.run(*screen), 1);
    EXPECT_EQ(host->get(field::IdentityIssueDate), "30042000");
    EXPECT_EQ(host->get(field::BirthDate), "00000000");
}

struct BirthDateFromTheHostCase {
    const char* stored;
    bool accepted;
    const char* written;
    std::string name = std::string("stored ") + stored;
};
const BirthDateFromTheHostCase kBirthDatesFromTheHost[] = {
    {"29022024", true, "29022024"}, {"29022023", false, ""},  {"00000000", true, "00000000"},   {"3112", false, ""},
    {"99999999", false, ""},        {"ab", true, "00000000"}, {"3112202099", true, "31122020"},
};

class BirthDateFromTheHost : public testing::TestWithParam<BirthDateFromTheHostCase> {};

TEST_P(BirthDateFromTheHost, IsCheckedAndWritten) {
    const BirthDateFromTheHostCase& c = GetParam();
    ScopedSimulatedHost host;
    host->set(field::EnabledTransactions, kAlteration);
    host->set(field::Cpf, kValidCpf);
    host->set(field::BirthDate, c.stored);
    auto screen = createScreen<TFrmCBasico_FLivreCPF>();
    ScriptedCashier cashier;
    cashier.alt('1');
    if (!c.accepted) cashier.dismissMessage(787).expectFocus("edNascimento").escape();
    EXPECT_EQ(cashier.run(*screen), c.accepted ? 1 : 2);
    EXPECT_EQ(host->get(field::BirthDate), c.accepted ? c.written : c.stored);
}

INSTANTIATE_TEST_SUITE_P(BasicRegistration, BirthDateFromTheHost, testing::ValuesIn(kBirthDatesFromTheHost),
                         CaseName());

// Where the record keeps names every typed letter shows in upper case,
// accented ones too; the write then turns only a to z, so a lower-case
// accent the host supplied stays as it is.
struct TypedLettersCase {
    const char* control;
    FieldId field;
    const char* shown;
    const char* written;
    std::string name = control;
};
const TypedLettersCase kTypedLetters[] = {
    {"edNome", 1081, "AÇÃO Z-1 ß", "AÇÃO Z-1 ß"},
    {"edCidade", 1091, "AÇÃO Z-1 ß", "AÇÃO Z-1 ß"},
    {"edOrgao", 1082, "aÇão z", "AÇãO Z"},
    {"edIdentidade", 1044, "aÇão z", "aÇão z"},
};

class TypedLetters : public testing::TestWithParam<TypedLettersCase> {};

TEST_P(TypedLetters, ShowInUpperCase) {
    const TypedLettersCase& c = GetParam();
    ScopedSimulatedHost host;
    host->set(field::EnabledTransactions, kAlteration);
    host->set(field::Cpf, kValidCpf);
    auto screen = createScreen<TFrmCBasico_FLivreCPF>();
    ScriptedCashier cashier;
    cashier.focusOn(c.control)
        .type(c.field == 1081 || c.field == 1091 ? "aÇão z-1 ß" : "aÇão z")
        .expectText(c.control, c.shown)
        .alt('1');
    EXPECT_EQ(cashier.run(*screen), 1);
    EXPECT_EQ(host->get(c.field), c.written);
}

INSTANTIATE_TEST_SUITE_P(BasicRegistration, TypedLetters, testing::ValuesIn(kTypedLetters), CaseName());

// A maximum length limits typing only: longer values from the host are
// shown and written whole.
TEST(BasicRegistration, MaximumLengthLimitsTypingOnly) {
    const std::pair<const char*, int> limited[] = {
        {"edIdentidade", 14}, {"edOrgao", 9},    {"edNome", 60},   {"edNomeMae", 60}, {"edEndereco", 60},
        {"edBairro", 20},     {"edCidade", 40},  {"edDDDRes", 4},  {"edRamalRes", 4}, {"edDDDCom", 4},
        {"edRamalCom", 4},    {"edMatrOper", 6}, {"edMatrConf", 6}};
    ScopedSimulatedHost host;
    host->set(field::EnabledTransactions, kAlteration);
    host->set(field::Cpf, kValidCpf);
    const std::string huge(1 << 20, '7');
    host->set(field::CustomerName, huge);
    auto screen = createScreen<TFrmCBasico_FLivreCPF>();
    ScriptedCashier cashier;
    for (const auto& [control, limit] : limited) {
        if (std::string(control) == "edNome") continue;
        cashier.focusOn(control)
            .type(std::string(static_cast<std::size_t>(limit) + 3, '5'))
            .expectText(control, std::string(static_cast<std::size_t>(limit), '5'));
    }
    cashier.alt('1');
    EXPECT_EQ(cashier.run(*screen), 1);
    EXPECT_EQ(host->get(field::CustomerName), huge);
    EXPECT_EQ(host->get(field::District), std::string(20, '5'));
}

struct RegistrationListKeysCase {
    const char* list;
    const char* keys;
    const char* shown;
    std::string name = std::string(list) + " keys " + keys;
};
const RegistrationListKeysCase kRegistrationListKeys[] = {
    {"cbUF", "8", ""},   {"cbUF", "2", "AL"},  {"cbUF", "28", "AL"}, {"cbUF", "228", "AL"},   {"cbUF", "222", "BA"},
    {"cbUF", "t", "TO"}, {"cbUF", "t2", "TO"}, {"cbSexo", "m", "M"}, {"cbSexo", "2228", "F"},
};

class RegistrationListKeys : public testing::TestWithParam<RegistrationListKeysCase> {};

TEST_P(RegistrationListKeys, StepWithTwoAndEightAndTakeTheirOwnKeys) {
    const RegistrationListKeysCase& c = GetParam();
    ScopedSimulatedHost host;
    host->set(field::EnabledTransactions, kInclusion);
    host->set(field::Cpf, kValidCpf);
    auto screen = createScreen<TFrmCBasico_FLivreCPF>();
    ScriptedCashier cashier;
    cashier.focusOn(c.list).type(c.keys).expectText(c.list, c.shown).escape();
    EXPECT_EQ(cashier.run(*screen), 2);
}

INSTANTIATE_TEST_SUITE_P(BasicRegistration, RegistrationListKeys, testing::ValuesIn(kRegistrationListKeys), CaseName());

} // namespace
