#include "screens/base/TFrmTrn_Mod.h"

#include <QLabel>
#include <QLineEdit>

#include "core/FieldText.h"
#include "core/Text.h"
#include "host/Messages.h"
#include "screens/base/AmountEdit.h"
#include "screens/base/FieldStore.h"
#include "screens/base/SharedMessages.h"
#include "ui/Pictures.h"

namespace vks {
namespace {

constexpr MessageId kAmountCaption = 546;
constexpr MessageId kAmountInvalid = 790;

// An amount as typed: digits with at most one decimal separator, and at
// least one digit. Its value is greater than zero when any digit is not 0.
bool isPositiveAmount(const QString& text) {
    bool separator = false;
    bool digit = false;
    bool nonZero = false;
    for (QChar c : text) {
        if (c == QLatin1Char(kDecimalSeparator) && !separator) {
            separator = true;
        } else if (c.unicode() >= '0' && c.unicode() <= '9') {
            digit = true;
            nonZero = nonZero || c != QLatin1Char('0');
        } else {
            return false;
        }
    }
    return digit && nonZero;
}

} // namespace

TFrmTrn_Mod::TFrmTrn_Mod(std::string_view className)
    : TFrmCaptura(className) {
    lbTitulo->setText(QStringLiteral("FORMULÁRIO PADRÃO PARA CAPTURA DE DADOS"));
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(rect());
    Image1->setPixmap(ui::backgroundPicture(Image1->size()));
    Image1->setAttribute(Qt::WA_OpaquePaintEvent); // covers the background below
    Image1->stackUnder(lbTitulo);

    edValor = addEdit({.name = "edValor",
                       .label = "lbValor",
                       .design = "Valor:",
                       .caption = kAmountCaption,
                       .hint = msg::kAmountHint,
                       .maxLength = 12});
    lbValor = labelOf(*edValor);
    handleAsAmount(*edValor);
}

bool TFrmTrn_Mod::ValidaCamposForm() {
    if (edValor->text().isEmpty()) return rejectInput(msg::kAmountHint, *edValor, Retry::EnableClearFocus);
    if (!isPositiveAmount(edValor->text())) return rejectInput(kAmountInvalid, *edValor, Retry::EnableClearFocus);
    return true;
}

bool TFrmTrn_Mod::GravaCamposKovar() {
    return fields::write(field::Amount, host().RemoveFormato(fieldBytes(edValor->text())));
}

void TFrmTrn_Mod::IniciaCamposForm() {
    TFrmCaptura::IniciaCamposForm();
    edValor->setText(formattedAmount(fieldText(fields::read(field::Amount))));
    edValor->setEnabled(trimmed(fieldBytes(edValor->text())).empty());
}

} // namespace vks
