// The occurrence records: identifying an occurrence against a fiscal coupon
// and cancelling one. Whole runs through the entry point are the scenarios'
// business; here, the check and write orders and what the host's values
// lock.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "FakeHost.h"
#include "ModalDismisser.h"
#include "Operator.h"
#include "entry/ModuleState.h"
#include "host/Fields.h"
#include "host/RequestLayouts.h"
#include "screens/base/CreateScreen.h"
#include "screens/queries/TFrmCancOcorr_GenRegOcorr.h"
#include "screens/queries/TFrmIdOcorr_GenRegOcorr.h"

using namespace vks;
using vks::test::FakeHost;
using vks::test::Operator;
using vks::test::ScopedFakeHost;

namespace {

using Fields = std::vector<std::pair<FieldId, std::string>>;
using Writes = Fields;

constexpr const char* kGiftList = "P - Lista de Presentes";

struct Screen {
    const char* name;
    std::unique_ptr<QDialog> (*create)();
    const VksRequestLayout* layout;
    const char* title;
    Fields supplied; // everything the screen asks the cashier for
    Writes writes;   // with 1061 empty and 1060 holding 7
};

const Screen kIdentification{
    "identification", createScreen<TFrmIdOcorr_GenRegOcorr>, &TrnConsultaGenericaRegOcorrencia, "Mensagem 514",
    {{field::CouponNumber, "1234567"}, {field::OccurrenceKind, "P"}, {field::OccurrenceCode, "654321"}},
    {{1061, "09"}, {1050, "1234567"}, {1056, "04"}, {1057, "I"}, {1060, "007"}, {10103, "36"}, {1181, "P"},
     {1182, "654321"}}};
const Screen kCancellation{
    "cancellation", createScreen<TFrmCancOcorr_GenRegOcorr>, &TrnConsultaGenericaCancRegOcorrencia, "Mensagem 515",
    {{field::CouponNumber, "1234567"}, {field::TransactionDate, "31122024"}, {field::StoreNumber, "012"},
     {field::PointOfSale, "03"}},
    {{1061, "10"}, {1050, "1234567"}, {1056, "04"}, {1057, "I"}, {1060, "007"}, {10103, "36"}, {1020, "31122024"},
     {1184, "012"}, {1183, "03"}}};
const Screen* const kScreens[] = {&kIdentification, &kCancellation};

Writes writtenTexts(const FakeHost& host) {
    Writes written;
    for (const auto& write : host.writes) written.emplace_back(write.field, write.text.value_or("<cleared>"));
    return written;
}

// The screen's own fields, the query code 7, and a query type of another
// family that these screens must not send.
void supply(FakeHost& host, const Screen& screen) {
    for (const auto& [id, value] : screen.supplied) host.set(id, value);
    host.set(field::QueryCode, "7");
    host.set(field::QueryType, "01");
}

template <class T>
T& child(QDialog& screen, const char* name) {
    T* found = screen.findChild<T*>(name);
    if (found == nullptr) ADD_FAILURE() << "no control " << name;
    return *found;
}

TEST(OccurrenceRecords, WithEverythingSuppliedConfirmThemselvesInTheWriteOrder) {
    for (const Screen* s : kScreens) {
        ScopedFakeHost host;
        supply(*host, *s);
        auto screen = s->create();
        EXPECT_EQ(child<QLabel>(*screen, "lbTitulo").text().toStdString(), s->title) << s->name;
        EXPECT_FALSE(child<QLineEdit>(*screen, "edCupom").isEnabled()) << s->name;
        EXPECT_FALSE(child<QLineEdit>(*screen, "edTipoEntrada").isVisibleTo(screen.get())) << s->name;
        EXPECT_EQ(Operator().run(*screen), 1) << s->name;
        EXPECT_EQ(writtenTexts(*host), s->writes) << s->name;
        EXPECT_EQ(state().CodigoConsulta, "007") << s->name;
        ASSERT_EQ(host->authorizations.size(), 1u) << s->name;
        EXPECT_EQ(std::memcmp(&host->authorizations[0].layout, s->layout, sizeof(VksRequestLayout)), 0) << s->name;
        EXPECT_EQ(host->handBacks, 1) << s->name;
    }
}

TEST(OccurrenceRecords, ARefusedWriteStopsThereAndTheScreenStaysOpen) {
    for (const Screen* s : kScreens) {
        for (std::size_t refused = 0; refused < s->writes.size(); ++refused) {
            ScopedFakeHost host;
            supply(*host, *s);
            host->refuseWrite = {{s->writes[refused].first, 0}};
            auto screen = s->create();
            Operator op;
            op.pause(std::chrono::milliseconds(60))
                .check("still open", [&] { EXPECT_TRUE(screen->isVisible()); })
                .expectEnabled("btRetorna", true)
                .escape();
            EXPECT_EQ(op.run(*screen), 2) << s->name << " refusing " << s->writes[refused].first;
            EXPECT_EQ(writtenTexts(*host), Writes(s->writes.begin(), s->writes.begin() + static_cast<long>(refused)))
                << s->name << " refusing " << s->writes[refused].first;
            EXPECT_TRUE(host->authorizations.empty());
        }
    }
}

// Coupon, kind, code: each refusal leaves its control ready for the cashier.
TEST(OccurrenceIdentification, ChecksCouponThenKindThenCode) {
    ScopedFakeHost host;
    auto screen = createScreen<TFrmIdOcorr_GenRegOcorr>();
    Operator op;
    op.expectFocus("cbIdOcorrencia")
        .alt('1')
        .dismissMessage(810)
        .expectFocus("edCupom")
        .type("1234567")
        .alt('1')
        .dismissMessage(839)
        .expectFocus("cbIdOcorrencia")
        .type("2")
        .expectText("cbIdOcorrencia", kGiftList)
        .type("8")
        .expectText("cbIdOcorrencia", kGiftList)
        .alt('1')
        .dismissMessage(828)
        .expectFocus("edCodOcorrencia")
        .type("42")
        .alt('1');
    EXPECT_EQ(op.run(*screen), 1);
    EXPECT_EQ(writtenTexts(*host), (Writes{{1061, "09"}, {1050, "1234567"}, {1056, "04"}, {1057, "I"}, {1060, "001"},
                                           {10103, "36"}, {1181, "P"}, {1182, "42"}}));
}

// Coupon, date, store, point of sale; a date left empty is sent as zeros.
TEST(OccurrenceCancellation, ChecksCouponThenDateThenStoreThenPointOfSale) {
    ScopedFakeHost host;
    auto screen = createScreen<TFrmCancOcorr_GenRegOcorr>();
    Operator op;
    op.expectFocus("edCupom")
        .enter()
        .expectFocus("edDataOcorrencia")
        .type("31022024")
        .alt('1')
        .dismissMessage(810)
        .expectFocus("edCupom")
        .type("1234567")
        .alt('1')
        .dismissMessage(787)
        .expectFocus("edDataOcorrencia")
        .expectText("edDataOcorrencia", "__/__/____")
        .alt('1')
        .dismissMessage(844)
        .expectFocus("edLojaOcorrencia")
        .type("12")
        .alt('1')
        .dismissMessage(845)
        .expectFocus("edPDVOcorrencia")
        .type("3")
        .alt('1');
    EXPECT_EQ(op.run(*screen), 1);
    EXPECT_EQ(writtenTexts(*host), (Writes{{1061, "10"}, {1050, "1234567"}, {1056, "04"}, {1057, "I"}, {1060, "001"},
                                           {10103, "36"}, {1020, "00000000"}, {1184, "12"}, {1183, "3"}}));
}

// A kind from the host locks the list; only "P" selects its item. A locked
// list without a selection is refused on confirmation and opened again.
TEST(OccurrenceIdentification, AKindFromTheHostLocksTheList) {
    const struct {
        const char* kind;
        const char* shown;
        bool locked;
    } cases[] = {{"P", kGiftList, true}, {"X", "", true}, {"p", "", true}, {"P ", "", true},
                 {" ", "", false},       {"", "", false}};
    for (const auto& c : cases) {
        ScopedFakeHost host;
        supply(*host, kIdentification);
        host->set(field::OccurrenceKind, c.kind);
        auto screen = createScreen<TFrmIdOcorr_GenRegOcorr>();
        auto& list = child<QComboBox>(*screen, "cbIdOcorrencia");
        EXPECT_EQ(list.currentText().toStdString(), c.shown) << '"' << c.kind << '"';
        EXPECT_EQ(list.isEnabled(), !c.locked) << '"' << c.kind << '"';
        Operator op;
        if (*c.shown == '\0') {
            if (c.locked) op.dismissMessage(839); // it confirmed itself
            else op.alt('1').dismissMessage(839);
            op.expectFocus("cbIdOcorrencia").expectEnabled("cbIdOcorrencia", true).type("2").alt('1');
        }
        EXPECT_EQ(op.run(*screen), 1) << '"' << c.kind << '"';
        EXPECT_EQ(host->get(field::OccurrenceKind), "P") << '"' << c.kind << '"';
    }
}

// "2" and "8" step the list; any other key is the list's own, which picks an
// item by its first letter.
TEST(OccurrenceIdentification, KeysOtherThanTheStepsReachTheList) {
    ScopedFakeHost host;
    supply(*host, kIdentification);
    host->set(field::OccurrenceKind, "");
    auto screen = createScreen<TFrmIdOcorr_GenRegOcorr>();
    Operator op;
    op.expectFocus("cbIdOcorrencia").type("P").expectText("cbIdOcorrencia", kGiftList).alt('1');
    EXPECT_EQ(op.run(*screen), 1);
    EXPECT_EQ(host->callCount("AvancaRetrocedeItemComboBox"), 0);
    EXPECT_EQ(host->get(field::OccurrenceKind), "P");
}

// A date from the host is shown and locked and goes back as it came; an
// impossible one is refused and the field opened for typing.
TEST(OccurrenceCancellation, ADateFromTheHostIsShownLockedAndCheckedOnConfirmation) {
    {
        ScopedFakeHost host;
        supply(*host, kCancellation);
        auto screen = createScreen<TFrmCancOcorr_GenRegOcorr>();
        auto& date = child<QLineEdit>(*screen, "edDataOcorrencia");
        EXPECT_EQ(date.text(), QStringLiteral("31/12/2024"));
        EXPECT_FALSE(date.isEnabled());
    }
    ScopedFakeHost host;
    supply(*host, kCancellation);
    host->set(field::TransactionDate, "31022024");
    auto screen = createScreen<TFrmCancOcorr_GenRegOcorr>();
    Operator op;
    op.dismissMessage(787)
        .expectFocus("edDataOcorrencia")
        .expectText("edDataOcorrencia", "__/__/____")
        .type("29022024")
        .alt('1');
    EXPECT_EQ(op.run(*screen), 1);
    EXPECT_EQ(host->get(field::TransactionDate), "29022024");
}

// What the host supplies goes back byte for byte, however long; the
// declared lengths limit only what the cashier types.
TEST(OccurrenceRecords, LengthsLimitTypingOnly) {
    const std::string supplied[] = {"123456789012", std::string(1 << 20, '7'), "\xFF\xFE 1"};
    const struct {
        const Screen* screen;
        const char* control;
        FieldId field;
        std::size_t limit;
    } cases[] = {{&kIdentification, "edCupom", field::CouponNumber, 7},
                 {&kIdentification, "edCodOcorrencia", field::OccurrenceCode, 6},
                 {&kCancellation, "edLojaOcorrencia", field::StoreNumber, 3},
                 {&kCancellation, "edPDVOcorrencia", field::PointOfSale, 2}};
    for (const auto& c : cases) {
        for (const std::string& value : supplied) {
            ScopedFakeHost host;
            supply(*host, *c.screen);
            host->set(c.field, value);
            auto screen = c.screen->create();
            EXPECT_EQ(Operator().run(*screen), 1) << c.control;
            EXPECT_EQ(host->get(c.field), value) << c.control;
        }
        ScopedFakeHost host;
        supply(*host, *c.screen);
        host->set(c.field, "");
        auto screen = c.screen->create();
        Operator op;
        op.expectFocus(c.control).type("123456789").alt('1');
        EXPECT_EQ(op.run(*screen), 1) << c.control;
        EXPECT_EQ(host->get(c.field), std::string("123456789").substr(0, c.limit)) << c.control;
    }
}

// The entry type is never typed on these screens: the host's goes back
// whole, a single digit filled to two.
TEST(OccurrenceRecords, EntryTypeFromTheHost) {
    for (const Screen* s : kScreens) {
        const std::pair<std::string, std::string> cases[] = {{"5", "05"}, {"123", "123"}, {"  ", s->writes[0].second}};
        for (const auto& [given, written] : cases) {
            ScopedFakeHost host;
            supply(*host, *s);
            host->set(field::QueryEntryType, given);
            auto screen = s->create();
            EXPECT_EQ(Operator().run(*screen), 1) << s->name << " " << given;
            EXPECT_EQ(host->get(field::QueryEntryType), written) << s->name << " " << given;
        }
    }
}

TEST(OccurrenceRecords, SurviveAnyFieldContent) {
    const std::string garbage[] = {"", "   ", "\xFF\xFE\x80", std::string(1 << 20, '1'), std::string("1\0" "5", 3),
                                   "31/02/2024"};
    const FieldId read[] = {field::CouponNumber,  field::OccurrenceKind, field::OccurrenceCode,
                            field::TransactionDate, field::StoreNumber,  field::PointOfSale,
                            field::QueryOutput,   field::QueryCode,      field::QueryEntryType};
    for (const Screen* s : kScreens) {
        for (const std::string& value : garbage) {
            ScopedFakeHost host;
            for (FieldId id : read) host->set(id, value);
            auto screen = s->create();
            test::ModalDismisser dismisser;
            screen->exec();
        }
    }
}

} // namespace
