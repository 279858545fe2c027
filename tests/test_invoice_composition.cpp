// The invoice composition by card and by CPF: the twins run through the
// same table. The due date is what sets them apart from the other generic
// queries: mandatory, a real date, today at the latest.
#include <gtest/gtest.h>

#include <cstring>

#include <QDate>
#include <QLineEdit>

#include "RefusedWrites.h"
#include "TestData.h"
#include "host/RequestLayouts.h"
#include "screens/queries/TFrmCompFatura_GenCPF.h"
#include "screens/queries/TFrmCompFatura_GenCartao.h"

namespace {

struct Twin {
    const char* name;
    std::unique_ptr<QDialog> (*create)();
    bool byCard;
    const VksRequestLayout* layout;
    Writes writes; // with 1060 and 1061 empty and the due date of today
};

const Twin kTwins[] = {
    {"card",
     createScreen<TFrmCompFatura_GenCartao>,
     true,
     &TrnConsultaInformacoesClienteCartao,
     {{1061, "07"}, {1056, "04"}, {1057, "I"}, {1060, "010"}, {10103, "36"}, {1113, day(0)}}},
    {"CPF",
     createScreen<TFrmCompFatura_GenCPF>,
     false,
     &TrnConsultaInformacoesClienteCPF,
     {{1061, "08"},
      {1007, kValidCpf},
      {1056, "04"},
      {1057, "I"},
      {1060, "010"},
      {1007, kValidCpf},
      {10103, "36"},
      {1113, day(0)}}},
};

void supplyKey(SimulatedHost& host, const Twin& twin) {
    host.set(twin.byCard ? field::Identification : field::Cpf, twin.byCard ? kCard : kValidCpf);
}

// With key and date supplied the twins confirm themselves and write in their
// order (the date's digits, whatever formatting the host gave it); a write
// the host refuses stops them there, the screen left open.
class InvoiceWrites : public testing::TestWithParam<RefusedWrite> {};

TEST_P(InvoiceWrites, AreMadeInOrderAndStopAtARefusedWrite) {
    const RefusedWrite& refusal = GetParam();
    const Twin& twin = kTwins[refusal.subject];
    ScopedSimulatedHost host;
    supplyKey(*host, twin);
    host->set(field::InvoiceDueDate, day(0, "dd/MM/yyyy"));
    refusal.arm(*host);
    auto screen = twin.create();
    ScriptedCashier cashier;
    if (refusal.refuses()) {
        cashier.expectOpenThenCancel(*screen);
    }
    EXPECT_EQ(cashier.run(*screen), refusal.refuses() ? 2 : 1);
    EXPECT_EQ(writtenTexts(*host), refusal.before());
    ASSERT_EQ(host->authorizations().size(), refusal.refuses() ? 0u : 1u);
    if (!refusal.refuses()) {
        EXPECT_EQ(std::memcmp(&host->requestLayouts[0], twin.layout, sizeof(VksRequestLayout)), 0);
    }
}

// The CPF goes out twice; the first write is the one refused.
INSTANTIATE_TEST_SUITE_P(InvoiceComposition, InvoiceWrites,
                         testing::ValuesIn(eachWriteRefusedOf(kTwins, UnrefusedRun::Included)), CaseName());

// Typed due dates: each refusal empties the field and leaves the focus there.
struct DueDateCase {
    const char* name;
    std::string typed;
    bool accepted;
};
const DueDateCase kDueDates[] = {
    {"today", day(0), true},
    {"yesterday", day(-1), true},
    {"29 February 2024", "29022024", true},
    {"tomorrow", day(1), false},
    {"in 400 days", day(400), false},
    {"empty", "", false},
    {"31 February", "31022024", false},
    {"six digits", "010120", false},
    {"zeros", "00000000", false},
    {"day 32", "32012020", false},
};

class DueDate : public testing::TestWithParam<std::tuple<Twin, DueDateCase>> {};

TEST_P(DueDate, IsMandatoryRealAndNotAhead) {
    const auto& [twin, c] = GetParam();
    ScopedSimulatedHost host;
    supplyKey(*host, twin);
    auto screen = twin.create();
    ScriptedCashier cashier;
    cashier.expectFocus("edDataVenc").type(c.typed).alt('1');
    if (!c.accepted) {
        cashier.dismissMessage(787).expectFocus("edDataVenc").expectText("edDataVenc", "__/__/____").escape();
    }
    EXPECT_EQ(cashier.run(*screen), c.accepted ? 1 : 2);
    EXPECT_EQ(host->get(field::InvoiceDueDate), c.accepted ? c.typed : "");
}

INSTANTIATE_TEST_SUITE_P(InvoiceComposition, DueDate,
                         testing::Combine(testing::ValuesIn(kTwins), testing::ValuesIn(kDueDates)), CaseName());

// The key is checked before the date: the card number, or the entry type
// and the CPF. A typed card goes out in field 1041 and is then concealed.
class InvoiceKey : public testing::TestWithParam<Twin> {};

TEST_P(InvoiceKey, IsCheckedBeforeTheDueDate) {
    const Twin& twin = GetParam();
    ScopedSimulatedHost host;
    host->set(field::InvoiceDueDate, day(1));
    auto screen = twin.create();
    const char* key = twin.byCard ? "edCartao" : "edCPF";
    ScriptedCashier cashier;
    cashier.expectFocus(key).type(twin.byCard ? "" : "11111111111").alt('1').dismissMessage(twin.byCard ? 198 : 803);
    cashier.expectFocus(key).type(twin.byCard ? kCard : kValidCpf).alt('1').dismissMessage(787);
    cashier.check("nothing written yet", [&] { EXPECT_TRUE(host->writes().empty()); });
    cashier.expectFocus("edDataVenc").type(day(0)).alt('1');
    EXPECT_EQ(cashier.run(*screen), 1);
    EXPECT_EQ(host->get(field::DocumentData), twin.byCard ? kCard : "");
    if (twin.byCard) {
        EXPECT_EQ(shown(*screen, "edCartao"), "603456**********");
    }
}

INSTANTIATE_TEST_SUITE_P(InvoiceComposition, InvoiceKey, testing::ValuesIn(kTwins), CaseName());

} // namespace
