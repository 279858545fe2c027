#include "screens/cheque/TFrmAutGen_VKSTrn.h"

#include <algorithm>
#include <vector>

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "core/FieldText.h"
#include "core/Text.h"
#include "core/WipedString.h"
#include "host/Messages.h"
#include "screens/base/CardNumber.h"
#include "screens/base/FieldStore.h"
#include "screens/base/SharedControls.h"
#include "screens/base/SharedMessages.h"
#include "screens/cheque/ChequeFields.h"
#include "ui/MaskedEdit.h"

namespace vks {
namespace {

constexpr std::size_t kCpfDigits = 11;
constexpr std::size_t kCardLength = 16;
constexpr const char* kNoOperator = "001";

} // namespace

TFrmAutGen_VKSTrn::TFrmAutGen_VKSTrn(std::string_view className, MessageId cpfHint)
    : TFrmVKS_TrnMod(className),
      edCartao(addEdit(controls::kCardShown)),
      edCPF(addMaskedEdit(controls::cpf(cpfHint))),
      edCupom(addEdit({.name = "edCupom",
                       .label = "lbCupom",
                       .design = "Cupom Fiscal:",
                       .caption = 599,
                       .hint = 73,
                       .maxLength = 7})),
      edDataCupom(addMaskedEdit({.name = "edDataCupom",
                                 .label = "lbDataCupom",
                                 .design = "Data Cupom Fiscal:",
                                 .caption = 600,
                                 .hint = 78,
                                 .maxLength = 10,
                                 .mask = "!99/99/9999;1;_"})),
      edHoraCupom(addMaskedEdit({.name = "edHoraCupom",
                                 .label = "lbHoraCupom",
                                 .design = "Hora Cupom Fiscal:",
                                 .caption = 601,
                                 .hint = 79,
                                 .maxLength = 8,
                                 .mask = "!99:99:99;1;_"})),
      edOperador(addEdit(controls::operatorId("Matr. Operador:", Keys::Any))),
      coupon_(*edCupom, *edDataCupom, *edHoraCupom) {
    lbOperador = labelOf(*edOperador);
    setCaptureTabOrder({edValor, edCartao, edTipoEntrada, edCPF, edCupom, edDataCupom, edHoraCupom, edOperador});
}

void TFrmAutGen_VKSTrn::IniciaCamposForm() {
    TFrmVKS_TrnMod::IniciaCamposForm();

    // The dispatcher's identification: a card number when longer than a CPF.
    edCartao->clear();
    edCPF->clearMasked();
    {
        const WipedString stored(fields::read(field::Identification));
        const WipedString identification(trimmed(stored.view()));
        if (identification.view().size() > kCpfDigits) {
            edCartao->setText(concealedCardNumber(identification.view()));
        } else {
            edCPF->setMaskedText(fieldText(fields::read(field::Cpf)));
        }
    }
    edCartao->setEnabled(false);
    edCPF->setEnabled(false);

    coupon_.fill();

    edOperador->setText(fieldText(fields::read(field::Operator)));
    if (!edOperador->text().isEmpty()) {
        showWithLabel(*edOperador, true);
    } else {
        edOperador->setText(QString::fromLatin1(kNoOperator));
        lbOperador->setEnabled(false);
    }
    edOperador->setEnabled(false);
}

// Only a complete CPF is checked; the amount is not.
bool TFrmAutGen_VKSTrn::ValidaCamposForm() {
    const std::string cpf = fields::bare(edCPF->maskedText());
    if (cpf.size() == kCpfDigits && !host().VerificaCPF(cpf)) {
        return rejectInput(msg::kInvalidOrMissing, *edCPF, Retry::EnableClearFocus);
    }
    return true;
}

bool TFrmAutGen_VKSTrn::GravaCamposKovar() {
    if (!TFrmVKS_TrnMod::GravaCamposKovar()) return false;
    return fields::writeAll({{field::AuthorizerTag, fields::kAuthorizerTag},
                             {field::OperationCode, "03"},
                             {field::Cpf, fields::bare(edCPF->maskedText())}}) &&
           coupon_.store() && fields::writeAll({{field::Operator, fieldBytes(edOperador->text())}});
}

bool TFrmAutGen_VKSTrn::storeChequeHeader(const char* constant3, const char* constant2) {
    return fields::writeAll({{field::ChequeConstant3, constant3}, {field::ChequeConstant2, constant2}}) &&
           query::store(query::SaidaConsulta);
}

bool TFrmAutGen_VKSTrn::storeIdentificationCard() {
    const WipedString identification(fields::read(field::Identification));
    const WipedString card(std::string(identification.view().substr(0, kCardLength)));
    return fields::write(field::CardNumber, card.view());
}

void TFrmAutGen_VKSTrn::captureBefore(QWidget& next, QWidget& control) {
    // A control joins the capture order as it is created: it moves.
    std::vector<QWidget*> controls = captureOrder();
    std::erase(controls, &control);
    controls.insert(std::ranges::find(controls, &next), &control);
    setCaptureTabOrder(std::move(controls));
}

void TFrmAutGen_VKSTrn::arrangeCapture(int columns) {
    auto* grid = qobject_cast<QGridLayout*>(pnCaptura->layout());
    if (grid == nullptr || columns < 1) return;
    for (int column = 0; column < std::max(columns, grid->columnCount()); ++column) {
        grid->setColumnStretch(column, column < columns ? 1 : 0);
    }
    grid->setVerticalSpacing(2);
    const QMargins margins = grid->contentsMargins();
    const int cellWidth =
        (pnCaptura->width() - margins.left() - margins.right() - grid->horizontalSpacing() * (columns - 1)) / columns;
    int cell = 0;
    for (QWidget* control : captureOrder()) {
        QLabel* label = labelOf(*control);
        grid->removeWidget(control);
        if (label != nullptr) grid->removeWidget(label);
        if (!control->isVisibleTo(this)) continue;
        if (control->maximumWidth() > cellWidth) control->setMaximumWidth(cellWidth);
        control->setMinimumWidth(std::min(control->minimumWidth(), cellWidth));
        const int row = 2 * (cell / columns);
        const int column = cell % columns;
        if (label != nullptr) {
            label->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
            grid->addWidget(label, row, column, Qt::AlignLeft | Qt::AlignBottom);
        }
        grid->addWidget(control, row + 1, column, Qt::AlignLeft | Qt::AlignTop);
        ++cell;
    }
}

} // namespace vks
