#include "screens/cheque/TFrmVCheque_AutGen.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include <QComboBox>
#include <QCoreApplication>
#include <QDate>
#include <QDialog>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

#include "core/ModuleState.h"
#include "core/Text.h"
#include "screens/ScreenTable.h"
#include "core/WipedString.h"
#include "host/Messages.h"
#include "host/RequestLayouts.h"
#include "screens/base/CardNumber.h"
#include "ui/Activation.h"
#include "ui/CardEdit.h"
#include "ui/FocusHandlers.h"
#include "ui/MaskedEdit.h"

namespace vks {
namespace {

constexpr MessageId kTitle = 528;
constexpr MessageId kDateInvalid = 787;
constexpr MessageId kDownPaymentAboveTotal = 800;
constexpr MessageId kChequeNumbersMissing = 1025;
constexpr int kChequeNumberWidth = 6;
constexpr int kFinancedWidth = static_cast<int>(ValorFinanciadoLength);
constexpr int kForcedSale = 2;
constexpr int kNormalSale = 1;
constexpr const char* kNumberScreen = "TFrmNumChq";
constexpr int kColumns = 4;

const QStringList kSaleKinds = {QStringLiteral("0-Contingência"), QStringLiteral("1-Venda Normal"),
                                QStringLiteral("2-Venda Forçada")};
const QStringList kAccumulate = {QStringLiteral("0 - Sim"), QStringLiteral("1 - Não")};

// An amount of the field store as the screen shows it.
QString shownAmount(std::string_view amount) {
    return QString::fromStdString(host().Dollar(host().RemoveFormato(amount)));
}

// The bare amount of an amount field as a number (0 when it is none).
int amountOf(const QLineEdit& edit) { return toInt(host().RemoveFormato(edit.text().toStdString()), 0); }

// The code that leads a list item ("1-Venda Normal": "1"); empty when none
// is selected.
std::string leadingCode(const QComboBox& list) { return list.currentText().left(1).trimmed().toStdString(); }

std::string textOf(const QLineEdit& edit) { return edit.text().toStdString(); }

void defaultIfEmpty(QLineEdit& edit, const char* value) {
    if (edit.text().isEmpty()) edit.setText(QString::fromLatin1(value));
}

} // namespace

TFrmVCheque_AutGen::TFrmVCheque_AutGen()
    : TFrmAutGen_VKSTrn("TFrmVCheque_AutGen", 67),
      cbVenda(addList({.name = "cbVenda", .label = "lbVenda", .design = "Venda:", .caption = 758, .hint = 298,
                       .keys = Keys::ListSteps},
                      kSaleKinds)),
      edValorEntrada(addEdit({.name = "edValorEntrada", .label = "lbValorEntrada", .design = "Valor Entrada:",
                              .caption = 547, .hint = 30, .maxLength = 12})),
      edValorMilhas(addEdit({.name = "edValorMilhas", .label = "lbValorMilhas", .design = "Valor das Milhas:",
                             .caption = 765, .hint = 31, .maxLength = 12})),
      edCodConsulta(addEdit({.name = "edCodConsulta", .label = "lbCodConsulta", .design = "Cód. consulta:",
                             .caption = 776, .hint = 121, .maxLength = 10})),
      cbAcMilhas(addList({.name = "cbAcMilhas", .label = "lbAcMilhas", .design = "Acumula Milhas:", .caption = 773,
                          .hint = 299, .keys = Keys::ListSteps},
                         kAccumulate)),
      edNumParcelas(addEdit({.name = "edNumParcelas", .label = "lbNumParcelas", .design = "Nº de Parcelas:",
                             .caption = 550, .hint = 23, .maxLength = 2, .keys = Keys::Digits})),
      edJuros(addEdit({.name = "edJuros", .label = "lbJuros", .design = "Juros:", .caption = 771, .hint = 297,
                       .maxLength = 7})),
      Label1(new QLabel(QStringLiteral("%"), pnCaptura)),
      edNumChequeEntr(addEdit({.name = "edNumChequeEntr", .label = "lbNumChequeEntr", .design = "Nº Cheque Entrada:",
                               .caption = 777, .hint = 301, .maxLength = 6, .keys = Keys::Digits})),
      cbNumChq(addList({.name = "cbNumChq", .label = "lbNumChq", .design = "Nº dos Cheques:", .caption = 778,
                        .hint = 1026, .keys = Keys::ListSteps},
                       {})),
      edDataPrimCheque(addMaskedEdit({.name = "edDataPrimCheque", .label = "lbDataPrimCheque",
                                      .design = "Data do 1º Cheque:", .caption = 774, .hint = 300, .maxLength = 10,
                                      .mask = "!99/99/9999;1;_"})),
      edValorEntradaCh(addEdit({.name = "edValorEntradaCh", .label = "lbValorEntradaCh",
                                .design = "Valor Entrada Cheque:", .caption = 772, .hint = 26, .maxLength = 12})),
      edBanco(addEdit({.name = "edBanco", .label = "lbBanco", .design = "Banco:", .caption = 570, .hint = 54,
                       .maxLength = 4, .keys = Keys::Digits})),
      edAgencia(addEdit({.name = "edAgencia", .label = "lbAgencia", .design = "Agência:", .caption = 571, .hint = 55,
                         .maxLength = 5, .keys = Keys::Digits})),
      edConta(addEdit({.name = "edConta", .label = "lbConta", .design = "Conta:", .caption = 572, .hint = 56,
                       .maxLength = 10, .keys = Keys::Digits})),
      edAutorizador(addEdit({.name = "edAutorizador", .label = "lbAutorizador", .design = "Matr. Autorizador:",
                             .caption = 756, .hint = 116, .maxLength = 6})),
      edVendedor(addEdit({.name = "edVendedor", .label = "lbVendedor", .design = "Matr. Vendedor:", .caption = 775,
                          .hint = 124, .maxLength = 6})),
      edCartaoTerceiro(addCardEdit({.name = "edCartaoTerceiro", .label = "lbCartaoTerceiro",
                                    .design = "Cartão terceiro:", .hint = 233, .maxLength = 16,
                                    .keys = Keys::Digits})),
      edPrimeiroCodMilhas(addEdit({.name = "edPrimeiroCodMilhas", .label = "lbPrimeiroCodMilhas",
                                   .design = "1º Cód. Milhas:", .caption = 1675, .hint = 1679, .maxLength = 2})),
      edPrimeiroValorMilhas(addEdit({.name = "edPrimeiroValorMilhas", .label = "lbPrimeiroValorMilhas",
                                     .design = "1º Valor Milhas:", .caption = 1677, .hint = 1681, .maxLength = 9})),
      edSegundoCodMilhas(addEdit({.name = "edSegundoCodMilhas", .label = "lbSegundoCodMilhas",
                                  .design = "2º Cód. Milhas:", .caption = 1676, .hint = 1680, .maxLength = 2})),
      edSegundoValorMilhas(addEdit({.name = "edSegundoValorMilhas", .label = "lbSegundoValorMilhas",
                                    .design = "2º Valor Milhas:", .caption = 1678, .hint = 1682, .maxLength = 9})) {
    Label1->setObjectName(QStringLiteral("Label1"));
    // Up to 28 controls at once: a smaller type and a taller panel.
    QFont compact = pnCaptura->font();
    if (compact.pointSizeF() > 0) {
        compact.setPointSizeF(compact.pointSizeF() * 0.8);
    } else {
        compact.setPixelSize(compact.pixelSize() * 4 / 5);
    }
    pnCaptura->setFont(compact);
    pnCaptura->setGeometry(20, 42, 583, 272);
    for (QLineEdit* amount : {edValorEntrada, edValorMilhas, edJuros, edValorEntradaCh, edPrimeiroValorMilhas,
                              edSegundoValorMilhas}) {
        handleAsAmount(*amount);
    }
    for (QComboBox* list : {cbVenda, cbAcMilhas, cbNumChq}) list->setMinimumWidth(0);
    edNumParcelas->setEnabled(false);
    cbNumChq->setEnabled(false);
    cbNumChq->setMaxVisibleItems(15);
    for (QWidget* hidden : {static_cast<QWidget*>(edOperador), static_cast<QWidget*>(edAutorizador),
                            static_cast<QWidget*>(edVendedor), static_cast<QWidget*>(edPrimeiroCodMilhas),
                            static_cast<QWidget*>(edPrimeiroValorMilhas), static_cast<QWidget*>(edSegundoCodMilhas),
                            static_cast<QWidget*>(edSegundoValorMilhas)}) {
        showWithLabel(*hidden, false);
    }

    // Entering the down payment shows the whole total again; leaving it
    // shows what is left to finance.
    ui::onEntry(*edValorEntrada, [this] { edValor->setText(shownAmount(host().LeCampo(field::Amount))); });
    ui::onExit(*edValorEntrada, [this] { edValorEntradaExit(); });
    ui::onExit(*cbVenda, [this] { cbVendaExit(); });
    ui::onEntry(*cbNumChq, [this] { cbNumChq->setCurrentIndex(cbNumChq->count() > 0 ? 0 : -1); });
    ui::onEntry(*edNumChequeEntr, [] { state().bControlaKeyPreview = true; });

    orderCapture({edValor,         cbVenda,          edValorEntrada,      edValorMilhas,         edCodConsulta,
                  cbAcMilhas,      edNumParcelas,    edJuros,             edCPF,                 edNumChequeEntr,
                  cbNumChq,        edDataPrimCheque, edValorEntradaCh,    edBanco,               edAgencia,
                  edConta,         edCupom,          edDataCupom,         edHoraCupom,           edOperador,
                  edAutorizador,   edVendedor,       edCartao,            edCartaoTerceiro,      edPrimeiroCodMilhas,
                  edPrimeiroValorMilhas, edSegundoCodMilhas, edSegundoValorMilhas, edTipoEntrada});
}

QString TFrmVCheque_AutGen::numberOfInstallments() const { return edNumParcelas->text(); }

QString TFrmVCheque_AutGen::firstChequeNumber() const { return edNumChequeEntr->text(); }

void TFrmVCheque_AutGen::replaceChequeNumbers(const QStringList& numbers) {
    cbNumChq->clear();
    cbNumChq->addItems(numbers);
}

void TFrmVCheque_AutGen::IniciaCamposForm() {
    TFrmAutGen_VKSTrn::IniciaCamposForm();
    lbTitulo->setText(text(kTitle));
    setRequestLayout(TrnVChequeAutGenVKS);

    const std::string installmentsText = trimmed(host().LeCampo(field::InstallmentCount));
    const int installments = toInt(installmentsText, 0);
    const std::string firstChequeDate = trimmed(host().LeCampo(field::FirstInstallmentDate));
    if (!firstChequeDate.empty()) {
        edDataPrimCheque->setMaskedText(joinedPieces(firstChequeDate, {2, 2, 4}, u'/'));
        edDataPrimCheque->setEnabled(false);
    }
    const std::string total = host().LeCampo(field::Amount);
    const std::string interest = host().LeCampo(field::InterestRate);
    if (!interest.empty()) edJuros->setText(shownAmount(interest));
    edJuros->setEnabled(false);
    edCodConsulta->setText(QString::fromStdString(host().LeCampo(field::QueryType)));
    edCodConsulta->setEnabled(false);

    fillMiles();
    fillSaleKind();
    for (auto [field, edit] : {std::pair{field::ChequeBank, edBanco}, std::pair{field::ChequeAgency, edAgencia},
                               std::pair{field::ChequeAccount, edConta}}) {
        edit->setText(QString::fromStdString(host().LeCampo(field)));
        if (!edit->text().isEmpty()) edit->setEnabled(false);
    }
    query::load(query::SaidaConsulta);
    edVendedor->setText(QString::fromStdString(host().LeCampo(field::Salesperson)));
    if (!edVendedor->text().isEmpty()) {
        showWithLabel(*edVendedor, true);
        edVendedor->setEnabled(false);
    }
    const std::string firstCheque = host().LeCampo(field::FirstChequeNumber);
    edNumChequeEntr->setText(QString::fromStdString(firstCheque));
    edNumChequeEntr->setEnabled(trimmed(firstCheque).empty());
    fillOtherHolderCard();

    if (!total.empty()) fillPaymentPlan(installments, installmentsText, total, firstChequeDate.empty());
    if (installments != 0) {
        cbAcMilhas->setCurrentIndex(-1);
        cbAcMilhas->setEnabled(false);
    }
    arrange();
}

// The miles codes and values, each shown only when the host supplies it.
// Listed in the order they are written back.
std::array<TFrmVCheque_AutGen::MilesControl, 4> TFrmVCheque_AutGen::milesControls() const {
    return {{{field::FirstMilesCode, edPrimeiroCodMilhas, false},
             {field::SecondMilesCode, edSegundoCodMilhas, false},
             {field::FirstMilesValue, edPrimeiroValorMilhas, true},
             {field::SecondMilesValue, edSegundoValorMilhas, true}}};
}

void TFrmVCheque_AutGen::fillMiles() {
    for (const MilesControl& miles : milesControls()) {
        const std::string value = host().LeCampo(miles.field);
        if (value.empty()) continue;
        showWithLabel(*miles.edit, true);
        const std::string shown = trimmed(value);
        miles.edit->setText(miles.amount ? shownAmount(shown) : QString::fromStdString(shown));
        miles.edit->setEnabled(trimmed(textOf(*miles.edit)).empty());
    }
}

// A sale kind from the host is locked; without one the sale is normal and
// the cashier may change it.
void TFrmVCheque_AutGen::fillSaleKind() {
    const std::string kind = host().LeCampo(field::SaleKind);
    const int item = kind.size() == 1 && kind[0] >= '0' && kind[0] <= '2' ? kind[0] - '0' : -1;
    if (item < 0) {
        cbVenda->setCurrentIndex(kNormalSale);
        return;
    }
    cbVenda->setCurrentIndex(item);
    cbVenda->setEnabled(false);
    if (item == kForcedSale) showAuthorizer();
}

void TFrmVCheque_AutGen::fillOtherHolderCard() {
    const WipedString stored(host().LeCampo(field::OtherHolderCard));
    const WipedString card(trimmed(stored.view()));
    edCartaoTerceiro->clear();
    if (card.empty()) return;
    edCartaoTerceiro->setText(concealedCardNumber(card.view()));
    edCartaoTerceiro->setEnabled(false);
}

// The payment plan by the number of installments: cash (0), a single cheque
// (1) or installments (2 and more, or a negative number).
void TFrmVCheque_AutGen::fillPaymentPlan(int installments, const std::string& installmentsText,
                                         const std::string& total, bool firstChequeDateMissing) {
    const QString zero = shownAmount("0");
    edValor->clear();
    if (installments == 0) {
        edValor->setText(zero);
        edValor->setEnabled(false);
        for (QLineEdit* downPayment : {edValorEntrada, edValorEntradaCh}) {
            downPayment->setText(shownAmount(total));
            downPayment->setEnabled(downPayment->text().isEmpty());
        }
        edNumParcelas->setText(QStringLiteral("0"));
        if (firstChequeDateMissing) {
            edDataPrimCheque->setMaskedText(QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy")));
            edDataPrimCheque->setEnabled(false);
        }
        const std::string miles = host().RemoveFormato(host().LeCampo(field::MilesValue));
        edValorMilhas->setText(shownAmount(miles));
        edValorMilhas->setEnabled(trimmed(miles).empty());
        cbAcMilhas->setCurrentIndex(host().LeCampo(field::AccumulateMiles) == "0" ? 0 : 1);
        cbAcMilhas->setEnabled(false);
        return;
    }
    edValor->setText(shownAmount(total));
    edValor->setEnabled(false);
    if (installments == 1) {
        for (QLineEdit* locked : {edValorEntrada, edValorEntradaCh, edValorMilhas}) {
            locked->setText(zero);
            locked->setEnabled(false);
        }
        edNumParcelas->setText(QStringLiteral("1"));
        edNumChequeEntr->setEnabled(false);
        return;
    }
    edNumParcelas->setText(QString::fromStdString(installmentsText));
    cbNumChq->setEnabled(true);
    const std::string downPayment = host().LeCampo(field::DownPayment);
    if (!trimmed(downPayment).empty()) {
        edValorEntrada->setText(shownAmount(downPayment));
        edValor->setText(shownAmount(std::to_string(amountOf(*edValor) - amountOf(*edValorEntrada))));
    }
    edValorMilhas->setEnabled(false);
}

void TFrmVCheque_AutGen::showAuthorizer() {
    showWithLabel(*edAutorizador, true);
    edAutorizador->setText(QString::fromStdString(host().LeCampo(field::ForcedSaleAuthorizer)));
    edAutorizador->setEnabled(trimmed(textOf(*edAutorizador)).empty());
    arrange();
}

// The amount shows what is left to finance once the down payment is known.
void TFrmVCheque_AutGen::edValorEntradaExit() {
    edValor->setText(shownAmount(host().LeCampo(field::Amount)));
    const int total = amountOf(*edValor);
    const int downPayment = amountOf(*edValorEntrada);
    const int rest = total - downPayment;
    if (downPayment > 0 && rest >= 0) edValor->setText(shownAmount(std::to_string(rest)));
    if (rest < 0) {
        state().bControlaKeyPreview = false;
        rejectInput(kDownPaymentAboveTotal, *edValorEntrada, Retry::EnableClearFocus);
        // Back to the screen, so that leaving the field again is noticed
        // (the message box was opened from inside a focus change).
        activateWindow();
        return;
    }
    edValorEntradaCh->setText(shownAmount(textOf(*edValorEntrada)));
    if (downPayment == 0) {
        edValorEntradaCh->setText(shownAmount("0"));
        edValorEntradaCh->setEnabled(false);
    }
}

void TFrmVCheque_AutGen::cbVendaExit() {
    if (cbVenda->currentIndex() == kForcedSale) showAuthorizer();
}

bool TFrmVCheque_AutGen::FormKeyPress(QWidget* focus, const QKeyEvent& event, QString& key) {
    const bool enter = event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
    if (focus == edNumChequeEntr && enter && !(event.modifiers() & Qt::AltModifier) && edNumChequeEntrEnter()) {
        return true;
    }
    return TFrmAutGen_VKSTrn::FormKeyPress(focus, event, key);
}

// Enter on the first cheque's number: with several installments the
// cashier types the cheque numbers on their own screen; with one, that
// number is the only one.
bool TFrmVCheque_AutGen::edNumChequeEntrEnter() {
    const int installments = typedInstallments();
    if (installments == 1) {
        replaceChequeNumbers({edNumChequeEntr->text()});
        return false;
    }
    if (installments < 1) return false;

    if (!trimmed(textOf(*edNumChequeEntr)).empty()) {
        edNumChequeEntr->setText(
            QString::fromStdString(host().PreencherZerosEsquerda(textOf(*edNumChequeEntr), kChequeNumberWidth)));
    }
    const ScreenClass* numbers = findScreenClass(kNumberScreen);
    std::unique_ptr<QDialog> screen = numbers != nullptr ? numbers->create() : nullptr;
    if (!screen) return false;
    const std::string reference = referenceNameOf(kNumberScreen);
    state().screens[reference] = screen.get();
    const int result = ui::runModal(*screen, this);
    state().screens.erase(reference);
    screen.reset();
    if (result != TFrmMod::kModalCancel) return false;
    state().bControlaKeyPreview = false;
    return true;
}

int TFrmVCheque_AutGen::typedInstallments() const { return toInt(textOf(*edNumParcelas), 0); }

bool TFrmVCheque_AutGen::ValidaCamposForm() {
    if (!TFrmAutGen_VKSTrn::ValidaCamposForm()) return false;
    state().bControlaKeyPreview = false;
    const QString firstChequeDate = edDataPrimCheque->maskedText();
    if (!trimmed(bare(firstChequeDate)).empty() &&
        !QDate::fromString(firstChequeDate, QStringLiteral("dd/MM/yyyy")).isValid()) {
        return rejectInput(kDateInvalid, *edDataPrimCheque, Retry::EnableClearFocus);
    }
    for (auto [edit, message] : {std::pair{edBanco, 804}, std::pair{edAgencia, 805}, std::pair{edConta, 806}}) {
        if (edit->text().isEmpty()) return rejectInput(message, *edit, Retry::EnableFocus);
    }
    // One number per cheque is sent; without them the sale cannot go.
    const int installments = typedInstallments();
    if (installments > 1 && cbNumChq->count() < installments) {
        return rejectInput(kChequeNumbersMissing, *edNumChequeEntr, Retry::FocusIfEnabled);
    }
    return true;
}

bool TFrmVCheque_AutGen::GravaCamposKovar() {
    if (!TFrmAutGen_VKSTrn::GravaCamposKovar()) return false;
    std::memset(aValorFinanciado, 0, sizeof aValorFinanciado);
    if (!storeChequeHeader("001", "01") || !storeIdentificationCard()) return false;
    if (!storeAll({{field::InstallmentCount, textOf(*edNumParcelas)}})) return false;

    // The financed amount: what is left of the total in installments, none
    // otherwise.
    const int installments = typedInstallments();
    std::string financed(kFinancedWidth, '0');
    if (installments > 1) {
        financed = host().PreencherZerosEsquerda(bare(edValor->text()), kFinancedWidth);
        if (financed.size() > ValorFinanciadoLength) return false;
        if (!storeAll({{field::Amount, financed}, {field::InterestRate, bare(edJuros->text())}})) return false;
    }
    std::memcpy(aValorFinanciado, financed.data(), financed.size());

    if (!storeAll({{field::DownPayment, bare(edValorEntrada->text())},
                   {field::DownPaymentByCheque, bare(edValorEntradaCh->text())},
                   {field::AccumulateMiles, leadingCode(*cbAcMilhas)},
                   {field::MilesValue, bare(edValorMilhas->text())},
                   {field::SaleKind, leadingCode(*cbVenda)}})) {
        return false;
    }
    defaultIfEmpty(*edAutorizador, "1");
    if (!storeAll({{field::ForcedSaleAuthorizer, textOf(*edAutorizador)}})) return false;
    if (edCartaoTerceiro->isEnabled()) {
        const WipedString typed(edCartaoTerceiro->number());
        const WipedString card(trimmed(typed.view()));
        if (host().GravaCampoString(field::OtherHolderCard, 0, card.view()) != 0) return false;
        edCartaoTerceiro->conceal(concealedCardNumber(card.view()));
    }
    if (!storeAll({{field::ConstantZero, "0"},
                   {field::FirstInstallmentDate, bareOrZeros(*edDataPrimCheque, "00000000")}})) {
        return false;
    }
    defaultIfEmpty(*edVendedor, "1");
    defaultIfEmpty(*edOperador, "1");
    if (!storeAll({{field::Salesperson, textOf(*edVendedor)},
                   {field::Operator, textOf(*edOperador)},
                   {field::ChequeBank, textOf(*edBanco)},
                   {field::ChequeAgency, textOf(*edAgencia)},
                   {field::ChequeAccount, textOf(*edConta)},
                   {field::ChequeQueryCode, textOf(*edCodConsulta)}})) {
        return false;
    }
    defaultIfEmpty(*edNumChequeEntr, "000000");
    if (!storeAll({{field::FirstChequeNumber, textOf(*edNumChequeEntr)}})) return false;
    TrnVChequeAutGenVKS.entries[ChequeInstallmentsEntry].occurrence =
        static_cast<std::uint16_t>(std::clamp(installments, 0, 0xFFFF));
    if (!storeChequeNumbers(installments)) return false;

    for (const MilesControl& miles : milesControls()) {
        if (!storeAll({{miles.field, host().RemoveFormato(trimmed(textOf(*miles.edit)))}})) return false;
    }
    return true;
}

// One occurrence of field 10154 per cheque of the installments; none
// otherwise.
bool TFrmVCheque_AutGen::storeChequeNumbers(int installments) {
    if (installments <= 1) {
        host().KovarLimpaCampo(field::IdentificationWritten);
        return true;
    }
    for (int i = 0; i < installments && i < cbNumChq->count(); ++i) {
        const std::string number = host().PreencherZerosEsquerda(cbNumChq->itemText(i).toStdString(),
                                                                 kChequeNumberWidth);
        if (host().GravaCampoString(field::IdentificationWritten, static_cast<std::uint16_t>(i), number) != 0) {
            return false;
        }
    }
    return true;
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
