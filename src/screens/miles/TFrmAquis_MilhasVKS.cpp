#include "screens/miles/TFrmAquis_MilhasVKS.h"

#include <QComboBox>
#include <QLineEdit>

#include "core/FieldText.h"
#include "core/Text.h"
#include "core/WipedString.h"
#include "host/Messages.h"
#include "host/RequestLayouts.h"
#include "screens/ScreenNames.h"
#include "screens/base/CardNumber.h"
#include "screens/base/FieldStore.h"
#include "screens/base/SharedControls.h"
#include "screens/miles/MilesSettings.h"
#include "screens/miles/PaymentForms.h"
#include "ui/FocusHandlers.h"
#include "ui/MaskedEdit.h"

namespace vks {
namespace {

constexpr MessageId kTitle = 527;
constexpr int kMilesValueWidth = 12;
// The acquisition offers every form but "not informed", so an item's index
// is its code less one.
constexpr int kMilesForm = 10;

// The lists step themselves, only to an item there is: from no selection
// "8" leaves them empty.
constexpr Control kPaymentForm = [] {
    Control form = controls::kPaymentForm;
    form.keys = Keys::OwnSteps;
    return form;
}();

const QStringList kOccurrenceKinds = {
    QStringLiteral("P - Compra vinculada a lista de presentes"),
    QStringLiteral("0 - Demais casos"),
};

// Without the occurrence switch the request says "other cases", no code.
constexpr const char* kNoOccurrenceKind = "0";
constexpr const char* kNoOccurrenceCode = "0000000";

} // namespace

TFrmAquis_MilhasVKS::TFrmAquis_MilhasVKS()
    : TFrmMilhas_VKSTrn(screen::TFrmAquis_MilhasVKS),
      cbFPPagto(addList(kPaymentForm, paymentForms().mid(1))),
      edCartao(addEdit(controls::kCardShown)),
      edValorMilhas(addEdit(controls::kMilesValue)),
      edCupom(addEdit(FiscalCoupon::numberControl(Keys::Any))),
      edDataCupom(addMaskedEdit(FiscalCoupon::kDateControl)),
      edHoraCupom(addMaskedEdit(FiscalCoupon::kTimeControl)),
      edOperador(addEdit(controls::operatorId("Operador:", Keys::Digits))),
      cbIdOcorrencia(addList({.name = "cbIdOcorrencia",
                              .label = "lbIdOcorrencia",
                              .design = "Ocorrência:",
                              .caption = 759,
                              .hint = 113,
                              .keys = Keys::OwnSteps},
                             kOccurrenceKinds)),
      edCodOcorrencia(addEdit({.name = "edCodOcorrencia",
                               .label = "lbCodOcorrencia",
                               .design = "Código da Ocorrência:",
                               .caption = 764,
                               .hint = 114,
                               .maxLength = 7})),
      coupon_(*edCupom, *edDataCupom, *edHoraCupom) {
    cbFPPagto->setCurrentIndex(0);
    ui::onCashierExit(*cbFPPagto, [this] { cbFPPagtoExit(); });
    declareCapture({{cbFPPagto},
                    {edCartao, Start::Disabled},
                    {edValor},
                    {edValorMilhas, Start::Amount},
                    {edCupom},
                    {edDataCupom},
                    {edHoraCupom},
                    {edOperador},
                    {cbIdOcorrencia},
                    {edCodOcorrencia},
                    {edTipoEntrada}});
}

void TFrmAquis_MilhasVKS::IniciaCamposForm() {
    TFrmMilhas_VKSTrn::IniciaCamposForm();
    lbTitulo->setText(text(kTitle));
    setRequestLayout(TrnAquisicaoMilhasVKS);
    readMappingVersion();
    coupon_.fill();

    // The registration comes from the host or not at all.
    edOperador->setText(fieldText(fields::read(field::Operator)));
    if (edOperador->text().isEmpty()) {
        showWithLabel(*edOperador, false);
    } else {
        edOperador->setEnabled(false);
    }

    TrataFormaPagamento(fields::read(field::PaymentForm));
    fillOccurrence();

    const WipedString card(fields::read(field::Identification));
    edCartao->setText(concealedCardNumber(card.view()));
    edCartao->setEnabled(card.empty());
}

// A payment form the host supplies is locked, even one outside the list
// (which leaves cash selected); without one the cashier chooses.
void TFrmAquis_MilhasVKS::TrataFormaPagamento(const std::string& code) {
    if (isBlank(code)) {
        cbFPPagto->setCurrentIndex(0);
        cbFPPagto->setEnabled(true);
    } else {
        const QString given = fieldText(code);
        for (int i = 0; i < cbFPPagto->count(); ++i) {
            if (cbFPPagto->itemText(i).left(2) == given) cbFPPagto->setCurrentIndex(i);
        }
        cbFPPagto->setEnabled(false);
    }
    if (milesSelected()) {
        // Paid in miles: their value comes from the host; when it has none the
        // cashier types it here, since the locked list never leads to it.
        edValorMilhas->setText(fieldText(host().Dollar(host().RemoveFormato(fields::read(field::MilesValue)))));
        edValorMilhas->setEnabled(edValorMilhas->text().isEmpty());
    } else {
        edValorMilhas->setEnabled(false);
    }
}

void TFrmAquis_MilhasVKS::fillOccurrence() {
    if (!treatsOccurrences()) {
        for (QWidget* control : {static_cast<QWidget*>(cbIdOcorrencia), static_cast<QWidget*>(edCodOcorrencia)}) {
            showWithLabel(*control, false);
        }
        return;
    }
    const std::string kind = trimmed(fields::read(field::OccurrenceKind));
    const int index = kind == "P" ? 0 : kind == "0" ? 1 : -1;
    cbIdOcorrencia->setCurrentIndex(index);
    cbIdOcorrencia->setEnabled(index < 0);
    edCodOcorrencia->setText(fieldText(fields::read(field::OccurrenceCode)));
    if (!edCodOcorrencia->text().isEmpty()) edCodOcorrencia->setEnabled(false);
}

bool TFrmAquis_MilhasVKS::milesSelected() const { return cbFPPagto->currentIndex() == kMilesForm; }

// Choosing miles opens their value.
void TFrmAquis_MilhasVKS::cbFPPagtoExit() {
    if (!milesSelected()) return;
    edValorMilhas->setEnabled(true);
    edValorMilhas->setFocus(Qt::OtherFocusReason);
}

bool TFrmAquis_MilhasVKS::ValidaCamposForm() {
    if (!TFrmMilhas_VKSTrn::ValidaCamposForm()) return false;
    if (const auto rejected = coupon_.rejection()) {
        return rejectInput(rejected->message, *rejected->control, Retry::EnableClearFocus);
    }
    return true;
}

bool TFrmAquis_MilhasVKS::GravaCamposKovar() {
    if (!TFrmMilhas_VKSTrn::GravaCamposKovar()) return false;
    const WipedString card(fields::read(field::Identification));
    const WipedString hostCode(fields::read(field::HostCodeCopy));
    const WipedString sentHostCode(hostCode.empty() ? host().PreencherZerosEsquerda("", 4)
                                                    : std::string(hostCode.view()));
    if (!fields::writeAll(
            {{field::OperationCode, "02"}, {field::CardNumber, card.view()}, {field::HostCode, sentHostCode.view()}}) ||
        !storeMappingVersion() || !coupon_.store()) {
        return false;
    }
    std::string kind = kNoOccurrenceKind;
    std::string code = kNoOccurrenceCode;
    if (treatsOccurrences()) {
        kind = trimmed(fieldBytes(cbIdOcorrencia->currentText())).substr(0, 1);
        code = fieldBytes(edCodOcorrencia->text());
    }
    const std::string milesValue =
        host().PreencherZerosEsquerda(host().RemoveFormato(fieldBytes(edValorMilhas->text())), kMilesValueWidth);
    return fields::writeAll({{field::Operator, fieldBytes(edOperador->text())},
                             {field::OccurrenceKind, kind},
                             {field::OccurrenceCode, code},
                             {field::PaymentForm, fieldBytes(cbFPPagto->currentText().left(2))},
                             {field::MilesValue, milesValue}});
}

} // namespace vks
