// The occurrence records: identifying an occurrence against a fiscal coupon
// and cancelling one. Whole runs through the entry point are the scenarios'
// business; here, the check and write orders and what the host's values
// lock.
#include <gtest/gtest.h>

#include <cstring>

#include <QComboBox>
#include <QLineEdit>

#include "RefusedWrites.h"
#include "TestData.h"
#include "core/ModuleState.h"
#include "host/RequestLayouts.h"
#include "screens/queries/TFrmCancOcorr_GenRegOcorr.h"
#include "screens/queries/TFrmIdOcorr_GenRegOcorr.h"

namespace {

constexpr const char* kGiftList = "P - Lista de Presentes";

struct Screen {
    const char* name;
    std::unique_ptr<QDialog> (*create)();
    const VksRequestLayout* layout;
    Fields supplied; // everything the screen asks the cashier for
    Writes writes;   // with 1061 empty and 1060 holding 7
};

const Screen kIdentification{
    "identification",
    createScreen<TFrmIdOcorr_GenRegOcorr>,
    &TrnConsultaGenericaRegOcorrencia,
    {{field::CouponNumber, "1234567"}, {field::OccurrenceKind, "P"}, {field::OccurrenceCode, "654321"}},
    {{1061, "09"},
     {1050, "1234567"},
     {1056, "04"},
     {1057, "I"},
     {1060, "007"},
     {10103, "36"},
     {1181, "P"},
     {1182, "654321"}}};
const Screen kCancellation{"cancellation",
                           createScreen<TFrmCancOcorr_GenRegOcorr>,
                           &TrnConsultaGenericaCancRegOcorrencia,
                           {{field::CouponNumber, "1234567"},
                            {field::TransactionDate, "31122024"},
                            {field::StoreNumber, "012"},
                            {field::PointOfSale, "03"}},
                           {{1061, "10"},
                            {1050, "1234567"},
                            {1056, "04"},
                            {1057, "I"},
                            {1060, "007"},
                            {10103, "36"},
                            {1020, "31122024"},
                            {1184, "012"},
                            {1183, "03"}}};
const Screen* const kScreens[] = {&kIdentification, &kCancellation};

// The screen's own fields, the query code 7, and a query type of another
// family that these screens must not send.
void supply(SimulatedHost& host, const Screen& screen) {
    for (const auto& [id, value] : screen.supplied) host.set(id, value);
    host.set(field::QueryCode, "7");
    host.set(field::QueryType, "01");
}

// With everything supplied the screens confirm themselves and write in their
// order; a write the host refuses stops them there, the screen left open.
class OccurrenceWrites : public testing::TestWithParam<RefusedWrite> {};

TEST_P(OccurrenceWrites, AreMadeInOrderAndStopAtARefusedWrite) {
    const RefusedWrite& refusal = GetParam();
    const Screen* s = kScreens[refusal.subject];
    ScopedSimulatedHost host;
    supply(*host, *s);
    refusal.arm(*host);
    auto screen = s->create();
    ScriptedCashier cashier;
    if (refusal.refuses()) {
        cashier.expectOpenThenCancel(*screen);
    }
    EXPECT_EQ(cashier.run(*screen), refusal.refuses() ? 2 : 1);
    EXPECT_EQ(writtenTexts(*host), refusal.before());
    ASSERT_EQ(host->authorizations().size(), refusal.refuses() ? 0u : 1u);
    if (!refusal.refuses()) {
        EXPECT_EQ(std::memcmp(&host->requestLayouts[0], s->layout, sizeof(VksRequestLayout)), 0);
        EXPECT_EQ(state().CodigoConsulta, "007");
    }
}

INSTANTIATE_TEST_SUITE_P(OccurrenceRecords, OccurrenceWrites,
                         testing::ValuesIn(eachWriteRefusedOf(kScreens, UnrefusedRun::Included)), CaseName());

// Coupon, kind, code: each refusal leaves its control ready for the cashier.
// A key other than the steps "2" and "8" is the list's own, which picks an
// item by its first letter.
TEST(OccurrenceIdentification, ChecksCouponThenKindThenCode) {
    ScopedSimulatedHost host;
    auto screen = createScreen<TFrmIdOcorr_GenRegOcorr>();
    ScriptedCashier cashier;
    cashier.expectFocus("cbIdOcorrencia").alt('1').dismissMessage(810).expectFocus("edCupom");
    cashier.type("1234567").alt('1').dismissMessage(839).expectFocus("cbIdOcorrencia");
    cashier.type("P").expectText("cbIdOcorrencia", kGiftList);
    cashier.alt('1').dismissMessage(828).expectFocus("edCodOcorrencia").type("42").alt('1');
    EXPECT_EQ(cashier.run(*screen), 1);
    EXPECT_EQ(host->callCount("AvancaRetrocedeItemComboBox"), 0);
    EXPECT_EQ(writtenTexts(*host), (Writes{{1061, "09"},
                                           {1050, "1234567"},
                                           {1056, "04"},
                                           {1057, "I"},
                                           {1060, "001"},
                                           {10103, "36"},
                                           {1181, "P"},
                                           {1182, "42"}}));
}

// The list takes its keys as typed, not as the host's keyboard routine reads
// them: "2" steps to the gift list, a letter picks the item it begins.
struct OccurrenceListKeysCase {
    const char* typed;
    const char* hostReads;
    const char* shown;
    std::string name = std::string(typed) + " read as " + (*hostReads == '\0' ? "nothing" : hostReads);
};
const OccurrenceListKeysCase kOccurrenceListKeys[] = {
    {"2", "x", kGiftList}, {"2", "", kGiftList}, {"p", "9", kGiftList}, {"x", "2", ""}, {"8", "2", ""}};

class OccurrenceListKeys : public testing::TestWithParam<OccurrenceListKeysCase> {};

TEST_P(OccurrenceListKeys, AreReadAsTyped) {
    const OccurrenceListKeysCase& c = GetParam();
    ScopedSimulatedHost host;
    host->mapKey(c.typed, c.hostReads);
    auto screen = createScreen<TFrmIdOcorr_GenRegOcorr>();
    ScriptedCashier cashier;
    cashier.expectFocus("cbIdOcorrencia").type(c.typed).expectText("cbIdOcorrencia", c.shown).escape();
    EXPECT_EQ(cashier.run(*screen), 2);
}

INSTANTIATE_TEST_SUITE_P(OccurrenceIdentification, OccurrenceListKeys, testing::ValuesIn(kOccurrenceListKeys),
                         CaseName());

// Coupon, date, store, point of sale; a date left empty is sent as zeros.
TEST(OccurrenceCancellation, ChecksCouponThenDateThenStoreThenPointOfSale) {
    ScopedSimulatedHost host;
    auto screen = createScreen<TFrmCancOcorr_GenRegOcorr>();
    ScriptedCashier cashier;
    cashier.expectFocus("edCupom").enter().type("31022024").alt('1').dismissMessage(810).expectFocus("edCupom");
    cashier.type("1234567").alt('1').dismissMessage(787).expectFocus("edDataOcorrencia");
    cashier.expectText("edDataOcorrencia", "__/__/____");
    cashier.alt('1').dismissMessage(844).expectFocus("edLojaOcorrencia").type("12");
    cashier.alt('1').dismissMessage(845).expectFocus("edPDVOcorrencia").type("3").alt('1');
    EXPECT_EQ(cashier.run(*screen), 1);
    EXPECT_EQ(writtenTexts(*host), (Writes{{1061, "10"},
                                           {1050, "1234567"},
                                           {1056, "04"},
                                           {1057, "I"},
                                           {1060, "001"},
                                           {10103, "36"},
                                           {1020, "00000000"},
                                           {1184, "12"},
                                           {1183, "3"}}));
}

// A kind from the host locks the list; only "P" selects its item. A locked
// list without a selection is refused on confirmation and opened again.
struct SuppliedOccurrenceKindCase {
    const char* name;
    const char* kind;
    const char* shown;
    bool locked;
};
const SuppliedOccurrenceKindCase kSuppliedOccurrenceKinds[] = {{"gift list", "P", kGiftList, true},
                                                               {"unknown", "X", "", true},
                                                               {"with a blank after", "P ", "", true},
                                                               {"blank", " ", "", false}};

class SuppliedOccurrenceKind : public testing::TestWithParam<SuppliedOccurrenceKindCase> {};

TEST_P(SuppliedOccurrenceKind, LocksTheList) {
    const SuppliedOccurrenceKindCase& c = GetParam();
    ScopedSimulatedHost host;
    supply(*host, kIdentification);
    host->set(field::OccurrenceKind, c.kind);
    auto screen = createScreen<TFrmIdOcorr_GenRegOcorr>();
    auto& list = child<QComboBox>(*screen, "cbIdOcorrencia");
    EXPECT_EQ(list.currentText().toStdString(), c.shown);
    EXPECT_EQ(list.isEnabled(), !c.locked);
    ScriptedCashier cashier;
    if (*c.shown == '\0') {
        if (c.locked)
            cashier.dismissMessage(839); // it confirmed itself
        else
            cashier.alt('1').dismissMessage(839);
        cashier.expectFocus("cbIdOcorrencia").expectEnabled("cbIdOcorrencia", true).type("2").alt('1');
    }
    EXPECT_EQ(cashier.run(*screen), 1);
    EXPECT_EQ(host->get(field::OccurrenceKind), "P");
}

INSTANTIATE_TEST_SUITE_P(OccurrenceIdentification, SuppliedOccurrenceKind, testing::ValuesIn(kSuppliedOccurrenceKinds),
                         CaseName());

// What the host supplies goes back byte for byte, however long; the declared
// lengths limit only what is typed.
struct LengthCase {
    const char* name;
    const Screen* screen;
    const char* control;
    FieldId field;
    std::size_t limit;
};
const LengthCase kLengths[] = {
    {"identification coupon", &kIdentification, "edCupom", field::CouponNumber, 7},
    {"identification code", &kIdentification, "edCodOcorrencia", field::OccurrenceCode, 6},
    {"cancellation store", &kCancellation, "edLojaOcorrencia", field::StoreNumber, 3},
    {"cancellation point of sale", &kCancellation, "edPDVOcorrencia", field::PointOfSale, 2}};

class Length : public testing::TestWithParam<LengthCase> {};

TEST_P(Length, LimitsTypingOnly) {
    const LengthCase& c = GetParam();
    for (const std::string& value : {std::string("1234567890"), std::string(1 << 20, '7'), std::string("\xFF 1")}) {
        ScopedSimulatedHost host;
        supply(*host, *c.screen);
        host->set(c.field, value);
        auto screen = c.screen->create();
        EXPECT_EQ(ScriptedCashier().run(*screen), 1);
        EXPECT_EQ(host->get(c.field), value);
    }
    ScopedSimulatedHost host;
    supply(*host, *c.screen);
    host->set(c.field, "");
    auto screen = c.screen->create();
    ScriptedCashier cashier;
    cashier.expectFocus(c.control).type("123456789").alt('1');
    EXPECT_EQ(cashier.run(*screen), 1);
    EXPECT_EQ(host->get(c.field), std::string("123456789").substr(0, c.limit));
}

INSTANTIATE_TEST_SUITE_P(OccurrenceRecords, Length, testing::ValuesIn(kLengths), CaseName());

// Nobody types the hidden entry type either.
TEST(OccurrenceRecords, TheHiddenEntryTypeGoesBackAsSupplied) {
    ScopedSimulatedHost host;
    supply(*host, kCancellation);
    host->set(field::QueryEntryType, "123");
    auto screen = kCancellation.create();
    EXPECT_EQ(ScriptedCashier().run(*screen), 1);
    EXPECT_EQ(host->get(field::QueryEntryType), "123");
}

} // namespace
