#include "screens/base/TFrmVKS_Adc.h"
#include "core/FieldText.h"
#include "screens/base/FieldStore.h"

#include <QLineEdit>

namespace vks {
namespace {
constexpr MessageId kEntryTypeCaption = 725;
constexpr MessageId kEntryTypeHint = 97;
constexpr MessageId kEntryTypeMissing = 823;
} // namespace

TFrmVKS_Adc::TFrmVKS_Adc(std::string_view className)
    : TFrmAdc_Mod(className),
      clique_(*this, *btConfirma, [this] { btConfirmaClick(); }) {
    edTipoEntrada = addEdit({.name = "edTipoEntrada",
                             .label = "lbTipoEntrada",
                             .design = "Tipo de Entrada:",
                             .caption = kEntryTypeCaption,
                             .hint = kEntryTypeHint,
                             .maxLength = 2,
                             .keys = Keys::Digits});
    lbTipoEntrada = labelOf(*edTipoEntrada);
}

bool TFrmVKS_Adc::ValidaCamposForm() {
    if (edTipoEntrada->text().isEmpty()) return rejectInput(kEntryTypeMissing, *edTipoEntrada, Retry::EnableFocus);
    return true;
}

bool TFrmVKS_Adc::GravaCamposKovar() {
    if (!TFrmAdc_Mod::GravaCamposKovar()) return false;
    QString entryType = edTipoEntrada->text();
    while (entryType.size() < 2) entryType.prepend(QLatin1Char('0'));
    edTipoEntrada->setText(entryType);
    return fields::write(field::QueryEntryType, fieldBytes(entryType));
}

} // namespace vks
