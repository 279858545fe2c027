#include "screens/miles/TFrmCJuros_ParcMilhas.h"

#include <QLabel>
#include <QLineEdit>

#include "screens/ScreenNames.h"
#include "screens/base/FieldStore.h"
#include "screens/miles/MilesSettings.h"
#include "ui/MaskedEdit.h"

namespace vks {
namespace {
constexpr MessageId kTitle = 525;
} // namespace

TFrmCJuros_ParcMilhas::TFrmCJuros_ParcMilhas()
    : TFrmParc_VendaCartaoMilhas(screen::TFrmCJuros_ParcMilhas),
      edJuros(addEdit({.name = "edJuros",
                       .label = "lbJuros",
                       .design = "Juros:",
                       .caption = 771,
                       .hint = 297,
                       .maxLength = 8,
                       .keys = Keys::Digits})) {
    captureInstallments({{edJuros}}, edDtPrimParcela);
}

void TFrmCJuros_ParcMilhas::IniciaCamposForm() {
    TFrmParc_VendaCartaoMilhas::IniciaCamposForm();
    lbTitulo->setText(text(kTitle));
    fillSupplied(*edJuros, fields::read(field::InterestRate));
}

// The interest is sent as typed, not checked.
bool TFrmCJuros_ParcMilhas::GravaCamposKovar() {
    return TFrmParc_VendaCartaoMilhas::GravaCamposKovar() &&
           fields::writeAll({{field::PaymentTerm, "3"}, {field::InterestRate, fields::bare(edJuros->text())}});
}

} // namespace vks
