#include "screens/miles/TFrmVendaCartao_MilhasVKS.h"

#include <algorithm>

#include <QComboBox>
#include <QLineEdit>

#include "core/FieldText.h"
#include "core/ModuleState.h"
#include "core/Text.h"
#include "core/WipedString.h"
#include "host/Messages.h"
#include "host/RequestLayouts.h"
#include "screens/base/CardNumber.h"
#include "screens/base/FieldStore.h"
#include "screens/base/SharedControls.h"
#include "screens/base/SharedMessages.h"
#include "screens/miles/CaptureColumns.h"
#include "screens/miles/MilesSaleControls.h"
#include "screens/miles/MilesSettings.h"
#include "ui/FocusHandlers.h"
#include "ui/MaskedEdit.h"

namespace vks {

enum class MilesSalePart {
    Sale,           // the amounts and the card
    Installments,   // the installment screens' own
    Coupon,         // the fiscal coupon
    ContractNumber, // the contract's number and check digit
    Authorization,  // who authorized the sale, and where the contract was made
    Occurrence,     // the occurrence, and the entry type
};

namespace {

using Part = MilesSalePart;

// The cash sale takes the contract's number before who authorized the sale;
// the installment sales take it after, and their own part after the sale's.
constexpr Part kCashTurns[] = {Part::Sale, Part::Coupon, Part::ContractNumber, Part::Authorization, Part::Occurrence};
constexpr Part kInstallmentTurns[] = {Part::Sale,          Part::Installments,   Part::Coupon,
                                      Part::Authorization, Part::ContractNumber, Part::Occurrence};

constexpr MessageId kTitle = 523;
constexpr MessageId kInsuranceCodeMissing = 1611;

constexpr int kInsuranceItem = 0; // "S - Código do Seguro"
constexpr int kOtherCasesItem = 1;
constexpr int kForcedSaleItem = 1;

constexpr std::string_view kNoOccurrenceCode = "0000000000";

} // namespace

TFrmVendaCartao_MilhasVKS::TFrmVendaCartao_MilhasVKS(std::string_view className)
    : TFrmMilhas_VKSTrn(className),
      cbVenda(addList(milesSale::kVenda, {QStringLiteral("1 - Normal"), QStringLiteral("2 - Forçada")})),
      edCartao(addEdit(controls::kCardShown)),
      edValorAvista(addEdit(milesSale::kValorAvista)),
      edValorEntrada(addEdit(milesSale::kValorEntrada)),
      edValorMilhas(addEdit(controls::kMilesValue)),
      edCupom(addEdit(FiscalCoupon::numberControl(Keys::Any))),
      edDataCupom(addMaskedEdit(FiscalCoupon::kDateControl)),
      edHoraCupom(addMaskedEdit(FiscalCoupon::kTimeControl)),
      edNumContrato(addEdit(milesSale::kNumContrato)),
      edDV(addEdit(milesSale::kDV)),
      edMatrAutorizador(addEdit(milesSale::kMatrAutorizador)),
      edOperador(addEdit(controls::operatorId("Operador:", Keys::Digits))),
      edLocalContrato(addEdit(milesSale::kLocalContrato)),
      cbIdOcorrencia(addList(milesSale::kIdOcorrencia,
                             {QStringLiteral("S - Código do Seguro"), QStringLiteral("0 - Demais casos")})),
      edCodOcorrencia(addEdit(milesSale::kCodOcorrencia)),
      coupon_(*edCupom, *edDataCupom, *edHoraCupom),
      parts_{
          {Part::Sale,
           {{cbVenda},
            {edCartao, Start::Disabled},
            {edValor},
            {edValorAvista, Start::Amount | Start::Hidden},
            {edValorEntrada, Start::Amount | Start::Disabled},
            {edValorMilhas, Start::Amount}}},
          {Part::Coupon, {{edCupom, Start::Disabled}, {edDataCupom}, {edHoraCupom}}},
          {Part::ContractNumber, {{edNumContrato, Start::Hidden}, {edDV, Start::Hidden}}},
          {Part::Authorization,
           {{edMatrAutorizador, Start::Hidden}, {edOperador, Start::Hidden}, {edLocalContrato, Start::Hidden}}},
          {Part::Occurrence, {{cbIdOcorrencia}, {edCodOcorrencia}, {edTipoEntrada}}},
      } {
    for (QComboBox* list : {cbVenda, cbIdOcorrencia}) list->setMinimumWidth(150);
    cbIdOcorrencia->setCurrentIndex(kInsuranceItem);
    ui::onCashierExit(*cbIdOcorrencia, [this] { cbIdOcorrenciaExit(); });
    declareCapture(inTurns(kCashTurns));
}

CaptureDeclaration TFrmVendaCartao_MilhasVKS::inTurns(std::span<const MilesSalePart> turns) const {
    CaptureDeclaration capture;
    for (const Part part : turns) {
        if (const auto it = parts_.find(part); it != parts_.end()) {
            capture.insert(capture.end(), it->second.begin(), it->second.end());
        }
    }
    return capture;
}

void TFrmVendaCartao_MilhasVKS::captureInstallments(const CaptureDeclaration& installments, const QWidget* next) {
    startAsDeclared(installments);
    CaptureDeclaration& part = parts_[Part::Installments];
    const auto at = std::ranges::find(part, next, &Captured::control);
    part.insert(at, installments.begin(), installments.end());
    setCaptureTabOrder(controlsOf(inTurns(kInstallmentTurns)));
}

void TFrmVendaCartao_MilhasVKS::fillSupplied(QLineEdit& edit, std::string_view value) {
    const QString text = fieldText(value);
    edit.setText(text);
    edit.setEnabled(edit.text().isEmpty());
}

void TFrmVendaCartao_MilhasVKS::IniciaCamposForm() {
    TFrmMilhas_VKSTrn::IniciaCamposForm();
    lbTitulo->setText(text(kTitle));
    setRequestLayout(TrnVendaMilhasVKS);
    edCodOcorrencia->setEnabled(false);

    fillSupplied(*edValorEntrada, fields::read(field::DownPayment));
    edValorAvista->setText(fieldText(fields::read(field::CashValue)));
    if (!edValorAvista->text().isEmpty()) showWithLabel(*edValorAvista, true);
    coupon_.fill();
    edCupom->setEnabled(edCupom->text().isEmpty());
    edValorMilhas->setText(fieldText(fields::read(field::MilesValue)));
    cbVenda->setCurrentIndex(fields::read(field::SaleKind) == "2" ? kForcedSaleItem : 0);
    cbVenda->setEnabled(false);

    // Values of a forced sale or a contract the host supplies are shown
    // locked; the cashier never types them here.
    const std::pair<QLineEdit*, FieldId> supplied[] = {
        {edOperador, field::Operator},
        {edMatrAutorizador, field::ForcedSaleAuthorizer},
        {edLocalContrato, field::ContractLocation},
        {edNumContrato, field::ContractNumber},
        {edDV, field::ContractCheckDigit},
    };
    for (const auto& [edit, id] : supplied) {
        const std::string value = fields::read(id);
        if (value.empty()) continue;
        fillSupplied(*edit, value);
        showWithLabel(*edit, true);
    }

    readMappingVersion();
    initOccurrence();
    initCard();
}

void TFrmVendaCartao_MilhasVKS::initOccurrence() {
    if (!treatsOccurrences()) {
        showWithLabel(*cbIdOcorrencia, false);
        showWithLabel(*edCodOcorrencia, false);
        host().KovarLimpaCampo(field::OccurrenceCode);
        host().KovarLimpaCampo(field::OccurrenceKind);
        return;
    }
    const std::string kind = trimmed(fields::read(field::OccurrenceKind));
    if (kind == "S") {
        cbIdOcorrencia->setCurrentIndex(kInsuranceItem);
        cbIdOcorrencia->setEnabled(false);
    } else if (kind == "0") {
        cbIdOcorrencia->setCurrentIndex(kOtherCasesItem);
        cbIdOcorrencia->setEnabled(false);
        host().KovarLimpaCampo(field::OccurrenceCode);
    } else {
        cbIdOcorrencia->setCurrentIndex(-1);
        cbIdOcorrencia->setEnabled(true);
    }
    if (cbIdOcorrencia->currentIndex() == kInsuranceItem) {
        fillSupplied(*edCodOcorrencia, fields::read(field::OccurrenceCode));
        edCodOcorrencia->setEnabled(false);
    }
}

void TFrmVendaCartao_MilhasVKS::initCard() {
    const WipedString read(fields::read(field::Identification));
    const WipedString card(trimmed(read.view()));
    edCartao->setText(concealedCardNumber(card.view()));
    edCartao->setEnabled(edCartao->text().isEmpty());
}

// Leaving the list on the insurance item asks for the insurance code.
void TFrmVendaCartao_MilhasVKS::cbIdOcorrenciaExit() {
    if (inputLocked() || cbIdOcorrencia->currentIndex() != kInsuranceItem) return;
    edCodOcorrencia->setEnabled(true);
    edCodOcorrencia->setFocus(Qt::OtherFocusReason);
}

void TFrmVendaCartao_MilhasVKS::FormShow() {
    std::vector<LabelledControl> controls;
    for (QWidget* control : captureOrder()) controls.emplace_back(labelOf(*control), control);
    arrangeInColumns(*pnCaptura, controls);
    TFrmMilhas_VKSTrn::FormShow();
}

bool TFrmVendaCartao_MilhasVKS::ValidaCamposForm() {
    if (!TFrmMilhas_VKSTrn::ValidaCamposForm()) return false;
    if (isBlank(fieldBytes(edCupom->text())))
        return rejectInput(msg::kCouponMissing, *edCupom, Retry::EnableClearFocus);
    if (treatsOccurrences()) {
        if (cbIdOcorrencia->currentIndex() < 0) {
            return rejectInput(msg::kOccurrenceNotChosen, *cbIdOcorrencia, Retry::EnableFocus);
        }
        if (cbIdOcorrencia->currentIndex() == kInsuranceItem && isBlank(fieldBytes(edCodOcorrencia->text()))) {
            return rejectInput(kInsuranceCodeMissing, *edCodOcorrencia, Retry::EnableClearFocus);
        }
    }
    return true;
}

bool TFrmVendaCartao_MilhasVKS::storeOccurrence() {
    std::string kind = "0";
    std::string code(kNoOccurrenceCode);
    if (treatsOccurrences()) {
        kind = trimmed(fieldBytes(cbIdOcorrencia->currentText())).substr(0, 1);
        if (cbIdOcorrencia->currentIndex() == kInsuranceItem) code = fields::textOf(*edCodOcorrencia);
    }
    return fields::writeAll({{field::OccurrenceKind, kind}, {field::OccurrenceCode, code}});
}

bool TFrmVendaCartao_MilhasVKS::GravaCamposKovar() {
    if (!TFrmMilhas_VKSTrn::GravaCamposKovar()) return false;
    std::memset(pCodigoValorMilhas, 0, CodigoValorMilhasLength);
    const bool stored =
        fields::writeAll({{field::OperationCode, "01"}}) && fields::copy(field::CardNumber, field::Identification) &&
        fields::copy(field::HostCode, field::HostCodeCopy) && storeMappingVersion() && coupon_.store() &&
        fields::writeAll({{field::Operator, fields::textOf(*edOperador)}}) && storeOccurrence() &&
        fields::writeAll({{field::MilesValue, fields::bare(edValorMilhas->text())},
                          {field::DownPayment, fields::bare(edValorEntrada->text())},
                          {field::SaleKind, trimmed(fieldBytes(cbVenda->currentText())).substr(0, 1)},
                          {field::ForcedSaleAuthorizer, fields::textOf(*edMatrAutorizador)}});
    if (!stored) return false;
    // The host reads the composed text when it builds the request.
    composeCodigoValorMilhas();
    return fields::writeAll({{field::CashValue, fields::bare(edValorAvista->text())},
                             {field::ConstantZero, "0"},
                             {field::ContractLocation, fields::textOf(*edLocalContrato)},
                             {field::ContractNumber, fields::textOf(*edNumContrato)},
                             {field::ContractCheckDigit, fields::textOf(*edDV)}});
}

} // namespace vks
