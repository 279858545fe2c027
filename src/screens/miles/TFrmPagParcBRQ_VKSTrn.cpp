#include "screens/miles/TFrmPagParcBRQ_VKSTrn.h"

#include <QComboBox>
#include <QLineEdit>

#include "core/FieldText.h"
#include "core/Text.h"
#include "core/WipedString.h"
#include "host/Messages.h"
#include "host/RequestLayouts.h"
#include "screens/ScreenNames.h"
#include "screens/base/FieldStore.h"
#include "screens/base/SharedControls.h"
#include "screens/miles/PaymentForms.h"
#include "ui/CardEdit.h"
#include "ui/MaskedEdit.h"

namespace vks {
namespace {

constexpr MessageId kTitle = 522;
constexpr MessageId kPaymentFormMissing = 849;

} // namespace

TFrmPagParcBRQ_VKSTrn::TFrmPagParcBRQ_VKSTrn()
    : TFrmVKS_TrnMod(screen::TFrmPagParcBRQ_VKSTrn),
      edDadosDocumento(addEdit({.name = "edDadosDocumento",
                                .label = "lbDadosDocumento",
                                .design = "Documento:",
                                .caption = 779,
                                .hint = 295,
                                .maxLength = 13,
                                .keys = Keys::Digits})),
      edCPF(addMaskedEdit(controls::cpf(67))),
      edCartao(addCardEdit({.name = "edCartao",
                            .label = "lbCartao",
                            .design = "Cartão:",
                            .caption = 782,
                            .hint = 233,
                            .maxLength = 16,
                            .keys = Keys::Digits})),
      cbFPPagto(addList(controls::kPaymentForm, paymentForms())),
      identification_(*edDadosDocumento, *edCPF, *edCartao) {
    declareCapture({{edValor}, {edDadosDocumento, Start::Disabled}, {edCPF}, {edCartao}, {cbFPPagto}, {edTipoEntrada}});
}

void TFrmPagParcBRQ_VKSTrn::IniciaCamposForm() {
    TFrmVKS_TrnMod::IniciaCamposForm();
    setRequestLayout(TrnPagtoParcVKS);
    lbTitulo->setText(text(kTitle));

    const EntryTypeRow* row = readEntryType();
    if (row == nullptr) return; // every control stays as created
    QWidget& shown = identification_.controlFor(*row);
    for (QWidget* control :
         {static_cast<QWidget*>(edDadosDocumento), static_cast<QWidget*>(edCPF), static_cast<QWidget*>(edCartao)}) {
        showWithLabel(*control, control == &shown);
    }
    const WipedString supplied(fields::read(row->field));
    identification_.fill(*row, supplied.view());
    // The document code is paid without a payment form.
    if (row->key == AccountKey::Document) {
        showWithLabel(*cbFPPagto, false);
    } else {
        TrataFormaPagamento(fields::read(field::PaymentForm));
    }
}

void TFrmPagParcBRQ_VKSTrn::TrataFormaPagamento(const std::string& code) {
    const int n = toInt(code, -1);
    if (n >= -1 && n < cbFPPagto->count()) {
        cbFPPagto->setCurrentIndex(n);
        cbFPPagto->setEnabled(n == -1);
    } else {
        cbFPPagto->setEnabled(false);
    }
}

bool TFrmPagParcBRQ_VKSTrn::ValidaCamposForm() {
    if (!TFrmVKS_TrnMod::ValidaCamposForm()) return false;
    if (const auto rejected = identification_.rejection(*this)) {
        return rejectInput(rejected->message, *rejected->control, Retry::ClearFocusIfEnabled);
    }
    if (cbFPPagto->isVisibleTo(this) && cbFPPagto->currentIndex() < 0) {
        return rejectInput(kPaymentFormMissing, *cbFPPagto, Retry::FocusIfEnabled);
    }
    return true;
}

bool TFrmPagParcBRQ_VKSTrn::GravaCamposKovar() {
    if (!TFrmVKS_TrnMod::GravaCamposKovar()) return false;
    if (!fields::writeAuthorizerTag()) return false;
    if (!identification_.store(readEntryType())) return false;
    const std::string paymentForm = cbFPPagto->isVisibleTo(this) ? fieldBytes(cbFPPagto->currentText().left(2)) : "00";
    return fields::write(field::PaymentForm, paymentForm);
}

} // namespace vks
