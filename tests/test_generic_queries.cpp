// The generic and free-form query screens: miles balance, mini statement
// and free-form query, each by card and by CPF. The twins run through the
// same tables; what the scenarios already cover is left to them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

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
void supplyEverything(FakeHost& host, const Twin& twin) {
    host.set(twin.byCard ? field::Identification : field::Cpf, twin.byCard ? kCard : kValidCpf);
    host.set(field::MiniStatementStart, "31122023");
    host.set(field::MiniStatementScope, "1");
}

const char* keyControl(const Twin& twin) { return twin.byCard ? "edCartao" : "edCPF"; }

TEST(GenericQueries, WithTheKeySuppliedConfirmThemselvesAndSendHeaderTagAndKey) {
    for (const Twin& twin : kTwins) {
        ScopedFakeHost host;
        supplyEverything(*host, twin);
        auto query = twin.create();
        EXPECT_EQ(query->findChild<QLabel*>("lbTitulo")->text().toStdString(), twin.title) << twin.name;
        EXPECT_FALSE(query->findChild<QWidget*>(keyControl(twin))->isEnabled()) << twin.name;
        if (twin.miniStatement) {
            EXPECT_EQ(query->findChild<QLineEdit*>("edDataInicio")->text(), QStringLiteral("31/12/2023"));
            EXPECT_EQ(query->findChild<QComboBox*>("cbEscopo")->currentText(), QStringLiteral("1 - Total"));
        }
        EXPECT_EQ(Operator().run(*query), 1) << twin.name;
        EXPECT_EQ(writtenTexts(*host), twin.writes) << twin.name;
        ASSERT_EQ(host->authorizations.size(), 1u) << twin.name;
        EXPECT_EQ(std::memcmp(&host->authorizations[0].layout, twin.layout, sizeof(VksRequestLayout)), 0) << twin.name;
        EXPECT_EQ(host->handBacks, 1) << twin.name;
    }
}

TEST(GenericQueries, ARefusedWriteStopsTheConfirmationThere) {
    for (const Twin& twin : kTwins) {
        for (std::size_t refused = 0; refused < twin.writes.size(); ++refused) {
            const FieldId field = twin.writes[refused].first;
            // A field written twice is refused the first time.
            if (std::find_if(twin.writes.begin(), twin.writes.begin() + static_cast<long>(refused), [&](const auto& w) {
                    return w.first == field;
                }) != twin.writes.begin() + static_cast<long>(refused)) {
                continue;
            }
            ScopedFakeHost host;
            supplyEverything(*host, twin);
            host->refuseWrite = {{field, 0}};
            auto query = twin.create();
            Operator op;
            op.pause(std::chrono::milliseconds(60)).expectEnabled("btRetorna", true).escape();
            EXPECT_EQ(op.run(*query), 2) << twin.name << " refusing " << field;
            EXPECT_EQ(writtenTexts(*host),
                      Writes(twin.writes.begin(), twin.writes.begin() + static_cast<long>(refused)))
                << twin.name << " refusing " << field;
            EXPECT_TRUE(host->authorizations.empty());
        }
    }
}

// The card headers always fill the query code to three digits, the module's
// context included; the free-form CPF header sends it as it stands.
TEST(GenericQueries, QueryCodeFilledOnlyWhereTheHeaderSaysSo) {
    const struct {
        std::size_t twin;
        const char* code; // field 1060
        const char* written;
    } cases[] = {
        {0, "7", "007"},  {1, "7", "007"},   {2, "12345", "123"},
        {3, " 9", "0 9"}, {4, "12", "012"},  {5, "12", "12"},
        {5, "7", "7"},    {5, "   ", "005"}, {0, "\xC3\xA9", "00\xC3\xA9"},
    };
    for (const auto& c : cases) {
        const Twin& twin = kTwins[c.twin];
        ScopedFakeHost host;
        supplyEverything(*host, twin);
        host->set(field::QueryCode, c.code);
        auto query = twin.create();
        EXPECT_EQ(Operator().run(*query), 1) << twin.name << " " << c.code;
        EXPECT_EQ(host->get(field::QueryCode), c.written) << twin.name << " " << c.code;
        EXPECT_EQ(state().CodigoConsulta, c.written) << twin.name << " " << c.code;
    }
}

// A scope the host supplies outside the list leaves the choice to the
// cashier; confirming without one is refused. An empty start date is sent as
// zeros.
TEST(MiniStatement, ScopeOutsideTheListMustBeChosen) {
    for (const char* scope : {"5", "x", " ", "", "-1", "1 1"}) {
        for (const Twin& twin : kTwins) {
            if (!twin.miniStatement) continue;
            ScopedFakeHost host;
            supplyEverything(*host, twin);
            host->set(field::MiniStatementStart, "  ");
            host->set(field::MiniStatementScope, scope);
            auto query = twin.create();
            EXPECT_TRUE(query->findChild<QComboBox*>("cbEscopo")->isEnabled()) << twin.name << " " << scope;
            Operator op;
            op.expectFocus("edDataInicio")
                .expectText("cbEscopo", "")
                .alt('1')
                .dismissMessage(854)
                .expectFocus("cbEscopo")
                .type("2")
                .alt('1');
            EXPECT_EQ(op.run(*query), 1) << twin.name << " " << scope;
            EXPECT_EQ(host->get(field::MiniStatementStart), "00000000") << twin.name;
            EXPECT_EQ(host->get(field::MiniStatementScope), "0") << twin.name;
        }
    }
}

// The start date may be left out, but one that is given must be a real
// date: a wrong one from the host is opened for the cashier to correct.
TEST(MiniStatement, AStartDateThatIsNoRealDateIsRefused) {
    for (const char* date : {"31022024", "29022023", "15132024", "00122024", "00002024"}) {
        for (const Twin& twin : kTwins) {
            if (!twin.miniStatement) continue;
            ScopedFakeHost host;
            supplyEverything(*host, twin);
            host->set(field::MiniStatementStart, date);
            auto query = twin.create();
            Operator op;
            op.dismissMessage(787)
                .expectFocus("edDataInicio")
                .expectText("edDataInicio", "__/__/____")
                .type("29022024")
                .alt('1');
            EXPECT_EQ(op.run(*query), 1) << twin.name << " " << date;
            EXPECT_EQ(host->get(field::MiniStatementStart), "29022024") << twin.name << " " << date;
        }
    }
}

// The scope list steps itself: "8" never leaves the first item and, with
// nothing chosen yet, chooses nothing; the host's step routine is not asked.
TEST(MiniStatement, TheScopeListStepsItselfWith2And8) {
    const struct {
        const char* keys;
        const char* shown;
    } cases[] = {{"8", ""},
                 {"2", "0 - Parcial"},
                 {"22", "1 - Total"},
                 {"222", "1 - Total"},
                 {"228", "0 - Parcial"},
                 {"2288", "0 - Parcial"}};
    for (const auto& c : cases) {
        for (const Twin& twin : kTwins) {
            if (!twin.miniStatement) continue;
            ScopedFakeHost host;
            supplyEverything(*host, twin);
            host->set(field::MiniStatementScope, "");
            auto query = twin.create();
            Operator op;
            op.expectFocus("cbEscopo").type(c.keys).expectText("cbEscopo", c.shown).escape();
            EXPECT_EQ(op.run(*query), 2) << twin.name << " " << c.keys;
            EXPECT_EQ(host->callCount("AvancaRetrocedeItemComboBox"), 0) << twin.name << " " << c.keys;
        }
    }
}

// Without a card read, every card twin takes a typed number, checked first,
// and sends it in field 1041.
TEST(GenericQueries, CardTwinsTakeATypedNumber) {
    for (const Twin& twin : kTwins) {
        if (!twin.byCard) continue;
        ScopedFakeHost host;
        supplyEverything(*host, twin);
        host->set(field::Identification, "   ");
        host->set(field::HostCodeCopy, "0001");
        auto query = twin.create();
        Operator op;
        op.expectFocus("edCartao").alt('1').dismissMessage(198).expectFocus("edCartao").type(kCard).alt('1');
        EXPECT_EQ(op.run(*query), 1) << twin.name;
        EXPECT_EQ(host->get(field::DocumentData), kCard) << twin.name;
        EXPECT_FALSE(host->has(field::HostCode)) << twin.name;
    }
}

} // namespace
