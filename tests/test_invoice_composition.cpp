// The invoice composition by card and by CPF: the twins run through the
// same table. The due date is what sets them apart from the other generic
// queries: mandatory, a real date, today at the latest.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include <QDate>
#include <QLabel>
#include <QLineEdit>

#include "FakeHost.h"
#include "ModalDismisser.h"
#include "Operator.h"
#include "host/Fields.h"
#include "host/RequestLayouts.h"
#include "screens/base/CreateScreen.h"
#include "screens/queries/TFrmCompFatura_GenCPF.h"
#include "screens/queries/TFrmCompFatura_GenCartao.h"

using namespace vks;
using vks::test::FakeHost;
using vks::test::Operator;
using vks::test::ScopedFakeHost;

namespace {

constexpr const char* kCard = "6034567890123456";
constexpr const char* kValidCpf = "52998224725";

using Writes = std::vector<std::pair<FieldId, std::string>>;

std::string day(int fromToday, const char* format = "ddMMyyyy") {
    return QDate::currentDate().addDays(fromToday).toString(QString::fromLatin1(format)).toStdString();
}

struct Twin {
    const char* name;
    std::unique_ptr<QDialog> (*create)();
    bool byCard;
    const char* title;
    const char* keyCaption;
    const char* dateCaption;
    const VksRequestLayout* layout;
    Writes writes; // with 1060 and 1061 empty and the due date of today
};

const Twin kTwins[] = {
    {"card", createScreen<TFrmCompFatura_GenCartao>, true, "Mensagem 1607", "Mensagem 782", "Mensagem 1077",
     &TrnConsultaInformacoesClienteCartao,
     {{1061, "07"}, {1056, "04"}, {1057, "I"}, {1060, "010"}, {10103, "36"}, {1113, day(0)}}},
    {"CPF", createScreen<TFrmCompFatura_GenCPF>, false, "Mensagem 1606", "Mensagem 589", "Data Venc.:",
     &TrnConsultaInformacoesClienteCPF,
     {{1061, "08"}, {1007, kValidCpf}, {1056, "04"}, {1057, "I"}, {1060, "010"}, {1007, kValidCpf}, {10103, "36"},
      {1113, day(0)}}},
};

Writes writtenTexts(const FakeHost& host) {
    Writes written;
    for (const auto& write : host.writes) written.emplace_back(write.field, write.text.value_or("<cleared>"));
    return written;
}

void supplyKey(FakeHost& host, const Twin& twin) {
    host.set(twin.byCard ? field::Identification : field::Cpf, twin.byCard ? kCard : kValidCpf);
}

std::string shown(QDialog& screen, const char* name) {
    if (auto* edit = screen.findChild<QLineEdit*>(name)) return edit->text().toStdString();
    if (auto* label = screen.findChild<QLabel*>(name)) return label->text().toStdString();
    return "<none>";
}

TEST(InvoiceComposition, WithKeyAndDateSuppliedConfirmsItselfInTheWriteOrder) {
    for (const Twin& twin : kTwins) {
        ScopedFakeHost host;
        supplyKey(*host, twin);
        // Formatting around the date is the host's; the digits count.
        host->set(field::InvoiceDueDate, day(0, "dd/MM/yyyy"));
        auto screen = twin.create();
        EXPECT_EQ(shown(*screen, "lbTitulo"), twin.title) << twin.name;
        EXPECT_EQ(shown(*screen, twin.byCard ? "lbCartao" : "lbCPF"), twin.keyCaption) << twin.name;
        EXPECT_EQ(shown(*screen, "lbDataVenc"), twin.dateCaption) << twin.name;
        EXPECT_EQ(shown(*screen, "edDataVenc"), day(0, "dd/MM/yyyy")) << twin.name;
        EXPECT_FALSE(screen->findChild<QLineEdit*>("edDataVenc")->isEnabled()) << twin.name;
        EXPECT_EQ(Operator().run(*screen), 1) << twin.name;
        EXPECT_EQ(writtenTexts(*host), twin.writes) << twin.name;
        ASSERT_EQ(host->authorizations.size(), 1u) << twin.name;
        EXPECT_EQ(std::memcmp(&host->authorizations[0].layout, twin.layout, sizeof(VksRequestLayout)), 0)
            << twin.name;
    }
}

TEST(InvoiceComposition, ARefusedWriteStopsThereAndTheScreenStaysOpen) {
    for (const Twin& twin : kTwins) {
        for (std::size_t refused = 0; refused < twin.writes.size(); ++refused) {
            const FieldId id = twin.writes[refused].first;
            // The CPF goes out twice; the first write is the one refused.
            const auto before = twin.writes.begin() + static_cast<long>(refused);
            if (std::any_of(twin.writes.begin(), before, [&](const auto& w) { return w.first == id; })) continue;
            ScopedFakeHost host;
            supplyKey(*host, twin);
            host->set(field::InvoiceDueDate, day(0));
            host->refuseWrite = {{id, 0}};
            auto screen = twin.create();
            Operator op;
            op.pause(std::chrono::milliseconds(60))
                .check("still open", [&] { EXPECT_TRUE(screen->isVisible()); })
                .expectEnabled("btRetorna", true)
                .escape();
            EXPECT_EQ(op.run(*screen), 2) << twin.name << " refusing " << id;
            EXPECT_EQ(writtenTexts(*host), Writes(twin.writes.begin(), twin.writes.begin() + static_cast<long>(refused)))
                << twin.name << " refusing " << id;
            EXPECT_TRUE(host->authorizations.empty());
        }
    }
}

// Typed due dates: each refusal empties the field and leaves the focus there.
TEST(InvoiceComposition, TheDueDateIsMandatoryRealAndNotAhead) {
    const struct {
        std::string typed;
        bool accepted;
    } cases[] = {
        {day(0), true},    {day(-1), true},    {"29022024", true}, {day(1), false},
        {day(400), false}, {"", false},        {"31022024", false}, {"010120", false},
        {"00000000", false}, {"32012020", false},
    };
    for (const Twin& twin : kTwins) {
        for (const auto& c : cases) {
            ScopedFakeHost host;
            supplyKey(*host, twin);
            auto screen = twin.create();
            Operator op;
            op.expectFocus("edDataVenc").type(c.typed).alt('1');
            if (!c.accepted) {
                op.dismissMessage(787).expectFocus("edDataVenc").expectText("edDataVenc", "__/__/____").escape();
            }
            EXPECT_EQ(op.run(*screen), c.accepted ? 1 : 2) << twin.name << " " << c.typed;
            if (c.accepted) EXPECT_EQ(host->get(field::InvoiceDueDate), c.typed) << twin.name;
            else EXPECT_FALSE(host->has(field::InvoiceDueDate)) << twin.name << " " << c.typed;
        }
    }
}

// A due date the host supplies for tomorrow is refused when the screen
// confirms itself; the field then opens for another date.
TEST(InvoiceComposition, ASuppliedFutureDueDateIsRefusedAndOpenedForTyping) {
    for (const Twin& twin : kTwins) {
        ScopedFakeHost host;
        supplyKey(*host, twin);
        host->set(field::InvoiceDueDate, day(1));
        auto screen = twin.create();
        Operator op;
        op.dismissMessage(787)
            .expectEnabled("edDataVenc", true)
            .expectFocus("edDataVenc")
            .expectText("edDataVenc", "__/__/____")
            .type(day(0))
            .alt('1');
        EXPECT_EQ(op.run(*screen), 1) << twin.name;
        EXPECT_EQ(host->get(field::InvoiceDueDate), day(0)) << twin.name;
    }
}

// The key is checked before the date: the card number, or the entry type
// and the CPF. Nothing is written until every check passes.
TEST(InvoiceComposition, TheKeyIsCheckedBeforeTheDueDate) {
    for (const Twin& twin : kTwins) {
        ScopedFakeHost host;
        host->set(field::InvoiceDueDate, day(1));
        auto screen = twin.create();
        const char* key = twin.byCard ? "edCartao" : "edCPF";
        Operator op;
        op.expectFocus(key)
            .type(twin.byCard ? "" : "11111111111")
            .alt('1')
            .dismissMessage(twin.byCard ? 198 : 803)
            .expectFocus(key)
            .type(twin.byCard ? kCard : kValidCpf)
            .alt('1')
            .dismissMessage(787)
            .expectFocus("edDataVenc")
            .escape();
        EXPECT_EQ(op.run(*screen), 2) << twin.name;
        EXPECT_TRUE(host->writes.empty()) << twin.name;
    }
}

// A typed card goes to field 1041 and is shown concealed; the host code
// field 1102 is never touched.
TEST(InvoiceComposition, ATypedCardIsSentInField1041) {
    ScopedFakeHost host;
    auto screen = createScreen<TFrmCompFatura_GenCartao>();
    Operator op;
    op.expectFocus("edCartao").type(kCard).enter().expectFocus("edDataVenc").type(day(0)).alt('1');
    EXPECT_EQ(op.run(*screen), 1);
    EXPECT_EQ(host->get(field::DocumentData), kCard);
    EXPECT_EQ(shown(*screen, "edCartao"), "603456**********");
    EXPECT_FALSE(host->has(field::HostCode));
}

TEST(InvoiceComposition, SurvivesAnyFieldContent) {
    const std::string garbage[] = {"", "   ", "\xFF\xFE\x80", std::string(1 << 20, '1'), std::string("1\0" "5", 3),
                                   "31/02/2024"};
    const FieldId read[] = {field::Cpf,       field::Identification, field::InvoiceDueDate, field::QueryOutput,
                            field::QueryCode, field::QueryEntryType, field::HostCodeCopy};
    for (const Twin& twin : kTwins) {
        for (const std::string& value : garbage) {
            ScopedFakeHost host;
            for (FieldId id : read) host->set(id, value);
            auto screen = twin.create();
            test::ModalDismisser dismisser;
            screen->exec();
        }
    }
}

} // namespace
