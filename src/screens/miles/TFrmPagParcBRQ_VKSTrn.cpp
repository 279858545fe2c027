#include "screens/miles/TFrmPagParcBRQ_VKSTrn.h"

#include <QComboBox>
#include <QLineEdit>

#include "entry/WipedString.h"
#include "host/Messages.h"
#include "host/RequestLayouts.h"
#include "screens/base/CardNumber.h"
#include "ui/CardEdit.h"
#include "ui/MaskedEdit.h"

namespace vks {
namespace {

constexpr MessageId kTitle = 522;
constexpr MessageId kDocumentMissing = 846;
constexpr MessageId kCpfInvalid = 803;
constexpr MessageId kCardMissing = 198;
constexpr MessageId kPaymentFormMissing = 849;

// Field 1100: which identification of the account the screen captures.
enum EntryType { Document = 1, Cpf = 4, Card = 5 };

const QStringList kPaymentForms = {
    QStringLiteral("00 - Não Informada"),     QStringLiteral("01 - Dinheiro"),
    QStringLiteral("02 - Cheque à vista"),    QStringLiteral("03 - Cheque pré"),
    QStringLiteral("04 - Cartão de Débito"),  QStringLiteral("05 - Cartão de Crédito"),
    QStringLiteral("06 - Ticket"),            QStringLiteral("07 - Cheque Administrativo"),
    QStringLiteral("08 - Traveller Check"),   QStringLiteral("09 - Desconto em folha"),
    QStringLiteral("10 - Vale"),              QStringLiteral("11- Milhas"),
};

int entryType() { return toInt(host().LeCampo(field::EntryType), 0); }

std::string trimmedText(const QString& text) { return trimmed(text.toStdString()); }

} // namespace

TFrmPagParcBRQ_VKSTrn::TFrmPagParcBRQ_VKSTrn() : TFrmVKS_TrnMod("TFrmPagParcBRQ_VKSTrn") {
    edDadosDocumento = addEdit({.name = "edDadosDocumento", .label = "lbDadosDocumento", .design = "Documento:",
                                .caption = 779, .hint = 295, .maxLength = 13, .keys = Keys::Digits});
    edCPF = addMaskedEdit({.name = "edCPF", .label = "lbCPF", .design = "CPF:", .caption = 589, .hint = 67,
                           .maxLength = 14, .keys = Keys::Digits, .mask = "999.999.999-99;0;_"});
    edCartao = addCardEdit({.name = "edCartao", .label = "lbCartao", .design = "Cartão:", .caption = 782,
                            .hint = 233, .maxLength = 16, .keys = Keys::Digits});
    cbFPPagto = addList({.name = "cbFPPagto", .label = "lbFPPagto", .design = "Forma de Pagamento:", .caption = 587,
                         .hint = 15, .keys = Keys::ListSteps},
                        kPaymentForms);
    edDadosDocumento->setEnabled(false);
    setCaptureTabOrder({edValor, edDadosDocumento, edCPF, edCartao, cbFPPagto, edTipoEntrada});
}

void TFrmPagParcBRQ_VKSTrn::IniciaCamposForm() {
    TFrmVKS_TrnMod::IniciaCamposForm();
    setRequestLayout(TrnPagtoParcVKS);
    lbTitulo->setText(text(kTitle));

    const int type = entryType();
    const std::string paymentForm = host().LeCampo(field::PaymentForm);
    const FieldId source = type == Document ? field::DocumentData : type == Cpf ? field::Cpf : field::CardNumber;
    const WipedString identification(host().LeCampo(source));
    const bool supplied = !identification.empty();

    auto showOnly = [this](QWidget& shown) {
        for (QWidget* control : {static_cast<QWidget*>(edDadosDocumento), static_cast<QWidget*>(edCPF),
                                 static_cast<QWidget*>(edCartao)}) {
            showWithLabel(*control, control == &shown);
        }
        shown.setEnabled(true);
    };
    switch (type) {
    case Document:
        showOnly(*edDadosDocumento);
        showWithLabel(*cbFPPagto, false);
        edDadosDocumento->setText(QString::fromStdString(identification.str()));
        edDadosDocumento->setEnabled(!supplied);
        break;
    case Cpf:
        showOnly(*edCPF);
        edCPF->setMaskedText(QString::fromStdString(identification.str()));
        edCPF->setEnabled(!supplied);
        TrataFormaPagamento(paymentForm);
        break;
    case Card:
        showOnly(*edCartao);
        if (supplied) edCartao->setConcealedNumber(identification.str(), concealedCardNumber(identification.view()));
        edCartao->setEnabled(!supplied);
        TrataFormaPagamento(paymentForm);
        break;
    default:
        break; // every control stays as created
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
    auto shown = [this](const QWidget* control) { return control->isVisibleTo(this); };
    if (shown(edDadosDocumento)) {
        if (trimmedText(edDadosDocumento->text()).empty()) {
            return rejectInput(kDocumentMissing, *edDadosDocumento, Retry::ClearFocusIfEnabled);
        }
    } else if (shown(edCPF)) {
        if (!host().VerificaCPF(host().RemoveFormato(edCPF->maskedText().toStdString()))) {
            return rejectInput(kCpfInvalid, *edCPF, Retry::ClearFocusIfEnabled);
        }
    } else if (shown(edCartao)) {
        if (trimmed(edCartao->number()).empty()) return rejectInput(kCardMissing, *edCartao, Retry::ClearFocusIfEnabled);
    }
    if (shown(cbFPPagto) && cbFPPagto->currentIndex() < 0) {
        return rejectInput(kPaymentFormMissing, *cbFPPagto, Retry::FocusIfEnabled);
    }
    return true;
}

bool TFrmPagParcBRQ_VKSTrn::GravaCamposKovar() {
    if (!TFrmVKS_TrnMod::GravaCamposKovar()) return false;
    if (host().GravaCampoString(field::AuthorizerTag, 0, "36") != 0) return false;

    WipedString identification;
    FieldId target = 0;
    switch (entryType()) {
    case Document:
        identification.assign(trimmedText(edDadosDocumento->text()));
        target = field::DocumentData;
        break;
    case Cpf:
        identification.assign(trimmed(host().RemoveFormato(edCPF->maskedText().toStdString())));
        target = field::Cpf;
        break;
    case Card:
        identification.assign(trimmed(edCartao->number()));
        edCartao->conceal(concealedCardNumber(identification.view()));
        target = field::CardNumber;
        break;
    default:
        break;
    }
    if (target != 0 && host().GravaCampoString(target, 0, identification.str()) != 0) return false;
    if (host().GravaCampoString(field::IdentificationWritten, 0, identification.str()) != 0) return false;
    const std::string paymentForm = cbFPPagto->isVisibleTo(this) ? cbFPPagto->currentText().left(2).toStdString() : "00";
    return host().GravaCampoString(field::PaymentForm, 0, paymentForm) == 0;
}

} // namespace vks
