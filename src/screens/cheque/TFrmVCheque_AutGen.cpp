#include "screens/cheque/TFrmVCheque_AutGen.h"

#include <cstring>
#include <utility>

#include <QComboBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

#include "core/FieldText.h"
#include "core/ModuleState.h"
#include "core/Text.h"
#include "host/Messages.h"
#include "host/RequestLayouts.h"
#include "screens/ScreenTable.h"
#include "screens/base/FieldStore.h"
#include "screens/base/FiscalCoupon.h"
#include "screens/base/ScreenGeometry.h"
#include "screens/base/SharedControls.h"
#include "screens/base/SharedMessages.h"
#include "screens/cheque/ChequeFields.h"
#include "screens/cheque/ChequeSaleControls.h"
#include "screens/cheque/OtherHolderCard.h"
#include "ui/CardEdit.h"
#include "ui/FocusHandlers.h"
#include "ui/MaskedEdit.h"
#include "ui/StoredDates.h"

namespace vks {
namespace {

constexpr MessageId kTitle = 528;
constexpr MessageId kCpfHint = 67;
constexpr MessageId kDownPaymentAboveTotal = 800;
constexpr MessageId kBankMissing = 804;
constexpr MessageId kAgencyMissing = 805;
constexpr MessageId kAccountMissing = 806;
constexpr int kColumns = 4;

const QStringList kSaleKinds = {QStringLiteral("0-Contingência"), QStringLiteral("1-Venda Normal"),
                                QStringLiteral("2-Venda Forçada")};
const QStringList kAccumulate = {QStringLiteral("0 - Sim"), QStringLiteral("1 - Não")};

// A smaller type, so that every control fits the panel.
void makeCompact(QWidget& panel) {
    QFont compact = panel.font();
    if (compact.pointSizeF() > 0) {
        compact.setPointSizeF(compact.pointSizeF() * 0.8);
    } else {
        compact.setPixelSize(compact.pixelSize() * 4 / 5);
    }
    panel.setFont(compact);
}

} // namespace

TFrmVCheque_AutGen::TFrmVCheque_AutGen()
    : TFrmAutGen_VKSTrn(screen::TFrmVCheque_AutGen, kCpfHint),
      cbVenda(addList(sale::kVenda, kSaleKinds)),
      edValorEntrada(addEdit(sale::kValorEntrada)),
      edValorMilhas(addEdit(controls::kMilesValue)),
      edCodConsulta(addEdit(sale::kCodConsulta)),
      cbAcMilhas(addList(sale::kAcMilhas, kAccumulate)),
      edNumParcelas(addEdit(sale::kNumParcelas)),
      edJuros(addEdit(sale::kJuros)),
      Label1(new QLabel(QStringLiteral("%"), pnCaptura)),
      edNumChequeEntr(addEdit(sale::kNumChequeEntr)),
      cbNumChq(addList(sale::kNumChq, {})),
      edDataPrimCheque(addMaskedEdit(sale::kDataPrimCheque)),
      edValorEntradaCh(addEdit(sale::kValorEntradaCh)),
      edBanco(addEdit(sale::kBanco)),
      edAgencia(addEdit(sale::kAgencia)),
      edConta(addEdit(sale::kConta)),
      edAutorizador(addEdit(sale::kAutorizador)),
      edVendedor(addEdit(sale::kVendedor)),
      edCartaoTerceiro(addCardEdit(sale::kCartaoTerceiro)),
      edPrimeiroCodMilhas(addEdit(sale::kPrimeiroCodMilhas)),
      edPrimeiroValorMilhas(addEdit(sale::kPrimeiroValorMilhas)),
      edSegundoCodMilhas(addEdit(sale::kSegundoCodMilhas)),
      edSegundoValorMilhas(addEdit(sale::kSegundoValorMilhas)),
      plan_({*edValor, *edValorEntrada, *edValorEntradaCh, *edValorMilhas, *cbAcMilhas, *edNumParcelas, *edJuros,
             *edNumChequeEntr, *cbNumChq, *edDataPrimCheque}),
      saleKind_(*cbVenda, *edAutorizador,
                [this] {
                    showWithLabel(*edAutorizador, true);
                    arrange();
                }),
      miles_({{{field::FirstMilesCode, edPrimeiroCodMilhas, labelOf(*edPrimeiroCodMilhas), false},
               {field::SecondMilesCode, edSegundoCodMilhas, labelOf(*edSegundoCodMilhas), false},
               {field::FirstMilesValue, edPrimeiroValorMilhas, labelOf(*edPrimeiroValorMilhas), true},
               {field::SecondMilesValue, edSegundoValorMilhas, labelOf(*edSegundoValorMilhas), true}}}) {
    Label1->setObjectName(QStringLiteral("Label1"));
    makeCompact(*pnCaptura);
    pnCaptura->setGeometry(geometry::kChequeSaleCapturePanel);
    // The capture in the cashier's order, which is also its order on screen.
    const CaptureDeclaration capture{{edValor},
                                     {cbVenda},
                                     {edValorEntrada, Start::Amount},
                                     {edValorMilhas, Start::Amount},
                                     {edCodConsulta},
                                     {cbAcMilhas},
                                     {edNumParcelas, Start::Disabled},
                                     {edJuros, Start::Amount},
                                     {edCPF},
                                     {edNumChequeEntr},
                                     {cbNumChq, Start::Disabled},
                                     {edDataPrimCheque},
                                     {edValorEntradaCh, Start::Amount},
                                     {edBanco},
                                     {edAgencia},
                                     {edConta},
                                     {edCupom},
                                     {edDataCupom},
                                     {edHoraCupom},
                                     {edOperador, Start::Hidden},
                                     {edAutorizador, Start::Hidden},
                                     {edVendedor, Start::Hidden},
                                     {edCartao},
                                     {edCartaoTerceiro},
                                     {edPrimeiroCodMilhas},
                                     {edPrimeiroValorMilhas, Start::Amount},
                                     {edSegundoCodMilhas},
                                     {edSegundoValorMilhas, Start::Amount},
                                     {edTipoEntrada}};
    // The lists shrink to their cells as the edits do.
    for (const Captured& entry : capture) {
        if (auto* list = qobject_cast<QComboBox*>(entry.control)) list->setMinimumWidth(0);
    }
    declareCapture(capture);
    cbNumChq->setMaxVisibleItems(15);

    // Entering the down payment shows the whole total again; leaving it
    // shows what is left to finance.
    ui::onEntry(*edValorEntrada, [this] { plan_.showWholeTotal(); });
    ui::onExit(*edValorEntrada, [this] { edValorEntradaExit(); });
    ui::onExit(*cbVenda, [this] { saleKind_.left(); });
    ui::onEntry(*cbNumChq, [this] { cbNumChq->setCurrentIndex(cbNumChq->count() > 0 ? 0 : -1); });
    ui::onEntry(*edNumChequeEntr, [] { armEnterMovesOn(); });
}

void TFrmVCheque_AutGen::IniciaCamposForm() {
    TFrmAutGen_VKSTrn::IniciaCamposForm();
    lbTitulo->setText(text(kTitle));
    setRequestLayout(TrnVChequeAutGenVKS);

    edCodConsulta->setText(fieldText(fields::read(field::QueryType)));
    edCodConsulta->setEnabled(false);
    miles_.fill();
    saleKind_.fill();
    for (auto [field, edit] : {std::pair{field::ChequeBank, edBanco}, std::pair{field::ChequeAgency, edAgencia},
                               std::pair{field::ChequeAccount, edConta}}) {
        edit->setText(fieldText(fields::read(field)));
        if (!edit->text().isEmpty()) edit->setEnabled(false);
    }
    query::load(query::SaidaConsulta);
    edVendedor->setText(fieldText(fields::read(field::Salesperson)));
    if (!edVendedor->text().isEmpty()) {
        showWithLabel(*edVendedor, true);
        edVendedor->setEnabled(false);
    }
    const std::string firstCheque = fields::read(field::FirstChequeNumber);
    edNumChequeEntr->setText(fieldText(firstCheque));
    edNumChequeEntr->setEnabled(trimmed(firstCheque).empty());
    fillOtherHolderCard(*edCartaoTerceiro);
    plan_.fill();
    arrange();
}

void TFrmVCheque_AutGen::edValorEntradaExit() {
    if (plan_.takeDownPayment()) return;
    disarmEnterMovesOn();
    rejectInput(kDownPaymentAboveTotal, *edValorEntrada, Retry::EnableClearFocus);
    // Back to the screen, so that leaving the field again is noticed (the
    // message box was opened from inside a focus change).
    activateWindow();
}

bool TFrmVCheque_AutGen::FormKeyPress(QWidget* focus, const QKeyEvent& event, QString& key) {
    const bool enter = event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
    if (focus == edNumChequeEntr && enter && !(event.modifiers() & Qt::AltModifier) && edNumChequeEntrEnter()) {
        return true;
    }
    return TFrmAutGen_VKSTrn::FormKeyPress(focus, event, key);
}

// The cheque numbers of installments are typed on their own screen; when
// the cashier cancels it, the focus stays on the first cheque's number.
bool TFrmVCheque_AutGen::edNumChequeEntrEnter() {
    if (!plan_.firstChequeNumberEntered()) return false;
    ReferencedScreen numbers(screen::TFrmNumChq, this);
    if (!numbers || numbers.runModal(this) != kModalCancel) return false;
    disarmEnterMovesOn();
    return true;
}

bool TFrmVCheque_AutGen::ValidaCamposForm() {
    if (!TFrmAutGen_VKSTrn::ValidaCamposForm()) return false;
    disarmEnterMovesOn();
    if (!plan_.firstChequeDateValid())
        return rejectInput(msg::kInvalidDate, *edDataPrimCheque, Retry::EnableClearFocus);
    for (auto [edit, message] : {std::pair{edBanco, kBankMissing}, std::pair{edAgencia, kAgencyMissing},
                                 std::pair{edConta, kAccountMissing}}) {
        if (edit->text().isEmpty()) return rejectInput(message, *edit, Retry::EnableFocus);
    }
    if (plan_.chequeNumbersMissing()) {
        return rejectInput(msg::kChequeNumberInvalid, *edNumChequeEntr, Retry::FocusIfEnabled);
    }
    return true;
}

bool TFrmVCheque_AutGen::GravaCamposKovar() {
    if (!TFrmAutGen_VKSTrn::GravaCamposKovar()) return false;
    std::memset(aValorFinanciado, 0, sizeof aValorFinanciado);
    if (!storeChequeHeader("001", "01") || !storeIdentificationCard() || !plan_.store() || !saleKind_.store() ||
        !storeOtherHolderCard(*edCartaoTerceiro) ||
        !fields::writeAll({{field::ConstantZero, "0"},
                           {field::FirstInstallmentDate, ui::storedText(*edDataPrimCheque, ui::kNoDate)}})) {
        return false;
    }
    defaultIfEmpty(*edVendedor, "1");
    defaultIfEmpty(*edOperador, "1");
    return fields::writeAll({{field::Salesperson, fields::textOf(*edVendedor)},
                             {field::Operator, fields::textOf(*edOperador)},
                             {field::ChequeBank, fields::textOf(*edBanco)},
                             {field::ChequeAgency, fields::textOf(*edAgencia)},
                             {field::ChequeAccount, fields::textOf(*edConta)},
                             {field::ChequeQueryCode, fields::textOf(*edCodConsulta)}}) &&
           plan_.storeCheques() && miles_.store();
}

void TFrmVCheque_AutGen::arrange() {
    arrangeCapture(kColumns);
    // The "%" stands right after the interest rate, in its cell.
    auto* grid = qobject_cast<QGridLayout*>(pnCaptura->layout());
    const int at = grid != nullptr ? grid->indexOf(edJuros) : -1;
    if (at < 0) return;
    int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
    grid->getItemPosition(at, &row, &column, &rowSpan, &columnSpan);
    grid->removeWidget(Label1);
    Label1->setContentsMargins(edJuros->maximumWidth() + 4, 0, 0, 0);
    Label1->setFixedHeight(edJuros->sizeHint().height());
    grid->addWidget(Label1, row, column, Qt::AlignLeft | Qt::AlignTop);
}

} // namespace vks
