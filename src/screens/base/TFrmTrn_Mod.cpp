#include "screens/base/TFrmTrn_Mod.h"

#include <QLabel>
#include <QLineEdit>

#include "core/FieldText.h"
#include "core/Text.h"
#include "host/Messages.h"
#include "screens/base/FieldStore.h"
#include "screens/base/SharedMessages.h"
#include "ui/KeyFilters.h"
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

QString formattedAmount(const QString& text) {
    const std::string bare = host().RemoveFormato(fieldBytes(text));
    return fieldText(host().Dollar(bare));
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

void TFrmTrn_Mod::handleAsAmount(QLineEdit& edit) {
    new ui::CharHandler(edit, [this, &edit](const QString& key) { return edValorKeyPress(edit, key); });
    connect(&edit, &QLineEdit::textChanged, this, [this, &edit] { edValorChange(edit); });
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

// Digits, Backspace, Enter and one decimal separator (typed as "," or ".").
bool TFrmTrn_Mod::edValorKeyPress(QLineEdit& edit, const QString& key) {
    if (key == QLatin1String(",") || key == QLatin1String(".")) {
        const QChar separator = QLatin1Char(kDecimalSeparator);
        if (!edit.text().contains(separator)) edit.insert(separator);
        return true;
    }
    return !ui::isDigitBackspaceEnter(key);
}

// The amount is shown formatted as it is typed, the caret at its end.
void TFrmTrn_Mod::edValorChange(QLineEdit& edit) {
    if (edit.text().isEmpty()) return;
    const QString formatted = formattedAmount(edit.text());
    if (formatted != edit.text()) edit.setText(formatted);
    edit.setCursorPosition(static_cast<int>(edit.text().size()));
}

} // namespace vks
