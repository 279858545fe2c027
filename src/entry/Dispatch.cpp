#include "entry/Dispatch.h"

#include <array>
#include <span>

#include "core/FieldText.h"
#include "core/FlagString.h"
#include "core/ModuleState.h"
#include "core/Text.h"
#include "core/WipedString.h"
#include "entry/CardReading.h"
#include "entry/ScreenRunner.h"
#include "host/HostServices.h"
#include "host/Messages.h"
#include "screens/ScreenNames.h"

namespace vks {
namespace {

constexpr MessageId kSubOptionRejected = 823;
constexpr MessageId kPaymentTermRejected = 1204;
constexpr MessageId kStoreFailed = 1591;
constexpr int kIdentificationWidth = 16;

// A precondition of a transaction; each returns false when the transaction
// ends there.
enum class Step {
    SubOption,           // field 1100 must be 1, 4 or 5 (message 823)
    Operator,            // the host validates the operator
    Card,                // card reading with the row's prompt
    CpfOrCardIdentifies, // cheque identification: CPF, else card, else zeros
    CardIdentifies,      // cheque identification: card, else zeros
    HandBack,            // hand the field store back and end
};

struct Precondition {
    Step step;
    MessageId prompt = 0; // for Step::Card
};

// A screen chosen by the value of a field, after the option's own steps.
struct Option {
    int value;
    std::span<const Precondition> steps;
    std::string_view screen; // empty: none
};

struct Choice {
    FieldId field;
    std::span<const Option> options;
    MessageId otherwise; // error reported for any other value; 0: nothing
};

struct DispatchRow {
    int type;
    std::span<const Precondition> steps;
    std::string_view screen; // empty when the choice picks it
    const Choice* choice = nullptr;
};

template <std::size_t N>
using Steps = std::array<Precondition, N>;

constexpr Steps<1> kSubOption{{{Step::SubOption}}};
constexpr Steps<2> kSubOptionOperator{{{Step::SubOption}, {Step::Operator}}};
constexpr Steps<1> kCard517{{{Step::Card, 517}}};
constexpr Steps<1> kCard523{{{Step::Card, 523}}};
constexpr Steps<1> kCard527{{{Step::Card, 527}}};
constexpr Steps<2> kOperatorCard520{{{Step::Operator}, {Step::Card, 520}}};
constexpr Steps<2> kOperatorCard521{{{Step::Operator}, {Step::Card, 521}}};
constexpr Steps<1> kCard511{{{Step::Card, 511}}};
constexpr Steps<1> kCard513{{{Step::Card, 513}}};
constexpr Steps<1> kCard431{{{Step::Card, 431}}};
constexpr Steps<1> kCard1607{{{Step::Card, 1607}}};
constexpr Steps<1> kChequeSale{{{Step::CpfOrCardIdentifies}}};
constexpr Steps<2> kChequeCancellation{{{Step::Operator}, {Step::CardIdentifies}}};
constexpr Steps<1> kHandBack{{{Step::HandBack}}};

constexpr std::array<Option, 3> kPaymentTerms{{
    {1, {}, screen::TFrmAVista_VendaCartaoMilhas},
    {2, {}, screen::TFrmSJuros_ParcMilhas},
    {3, {}, screen::TFrmCJuros_ParcMilhas},
}};
constexpr Choice kMilesSaleTerm{field::PaymentTerm, kPaymentTerms, kPaymentTermRejected};

constexpr std::array<Option, 4> kQuerySelectors{{
    {0, kHandBack, {}},
    {1, kCard511, screen::TFrmMilhas_GenCartao},
    {9, {}, screen::TFrmIdOcorr_GenRegOcorr},
    {10, {}, screen::TFrmCancOcorr_GenRegOcorr},
}};
constexpr Choice kQuerySelector{field::QueryEntryType, kQuerySelectors, 0};

constexpr std::array<DispatchRow, kTransactionTypes> kDispatchTable{{
    {1, kSubOption, screen::TFrmPagParcBRQ_VKSTrn},
    {2, kSubOptionOperator, screen::TFrmPagParcBRQ_CncTrn},
    {3, {}, screen::TFrmValorBRQ_VKSAdc},
    {4, kCard517, screen::TFrmExtrato_CartaoVKS},
    {5, {}, screen::TFrmExtrato_CPFVKS},
    {6, kCard523, {}, &kMilesSaleTerm},
    {7, kCard527, screen::TFrmAquis_MilhasVKS},
    {8, kOperatorCard520, screen::TFrmEstVenda_EstVenAquis},
    {9, kOperatorCard521, screen::TFrmEstAquis_EstVenAquis},
    {10, {}, {}, &kQuerySelector},
    {11, {}, screen::TFrmMilhas_GenCPF},
    {12, kCard513, screen::TFrmMExtrato_GenCartao},
    {13, {}, screen::TFrmMExtrato_GenCPF},
    {14, {}, screen::TFrmCBasico_FLivreCPF},
    {15, {}, screen::TFrmCBasico_FLivreCPF},
    {16, kCard431, screen::TFrmCartao_FLivreCartao},
    {17, {}, screen::TFrmCPF_FLivreCPF},
    {18, kChequeSale, screen::TFrmVCheque_AutGen},
    {19, kChequeCancellation, screen::TFrmCancVCheque_AutGen},
    {20, kCard1607, screen::TFrmCompFatura_GenCartao},
    {21, {}, screen::TFrmCompFatura_GenCPF},
}};

// Stores the customer identification of a cheque transaction in 10104.
bool storeChequeIdentification(bool cpfFirst) {
    HostServices& h = host();
    WipedString identification;
    if (cpfFirst) identification.assign(h.RemoveFormato(h.LeCampo(field::Cpf)));
    if (isBlank(identification.view())) identification.assign(h.LeCampo(field::CardNumber));
    // A blank number is padded from empty, so it becomes sixteen zeros.
    if (isBlank(identification.view())) identification.assign(h.PreencherZerosEsquerda("", kIdentificationWidth));
    const bool stored = h.GravaCampoString(field::Identification, 0, identification.view()) == 0;
    identification.wipe();
    if (!stored) reportError(kStoreFailed);
    return stored;
}

bool subOptionAccepted() {
    const int subOption = toInt(host().LeCampo(field::EntryType));
    if (subOption == 1 || subOption == 4 || subOption == 5) return true;
    reportError(kSubOptionRejected);
    return false;
}

bool run(const Precondition& precondition) {
    switch (precondition.step) {
    case Step::SubOption:
        return subOptionAccepted();
    case Step::Operator:
        return host().ValidarOperador(state().ownerWindow, "3");
    case Step::Card:
        return LeCartaoVKS(precondition.prompt);
    case Step::CpfOrCardIdentifies:
        return storeChequeIdentification(true);
    case Step::CardIdentifies:
        return storeChequeIdentification(false);
    case Step::HandBack:
        host().KovarGravaArquivo();
        return false;
    }
    return false;
}

bool runAll(std::span<const Precondition> steps) {
    for (const Precondition& step : steps) {
        if (!run(step)) return false;
    }
    return true;
}

void runChoice(const Choice& choice) {
    const int value = toInt(host().LeCampo(choice.field));
    for (const Option& option : choice.options) {
        if (option.value != value) continue;
        if (runAll(option.steps) && !option.screen.empty()) runScreen(option.screen);
        return;
    }
    if (choice.otherwise != 0) reportError(choice.otherwise);
}

} // namespace

int transactionTypeOf(std::string_view flags) {
    // Each byte that is not valid UTF-8 counts as one character; the first
    // 21 characters never take more than four bytes each.
    return firstFlagPosition(fieldText(flags.substr(0, kTransactionTypes * 4)), kTransactionTypes);
}

int TransacoesHabilitadasVKS() { return transactionTypeOf(host().LeCampo(field::EnabledTransactions)); }

void runTransaction(int type) {
    if (type < 1 || type > kTransactionTypes) return;
    const DispatchRow& row = kDispatchTable[static_cast<std::size_t>(type - 1)];
    if (!runAll(row.steps)) return;
    if (row.choice != nullptr) {
        runChoice(*row.choice);
    } else {
        runScreen(row.screen);
    }
}

} // namespace vks
