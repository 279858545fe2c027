#include "screens/miles/TFrmSJuros_ParcMilhas.h"

#include <QLabel>

#include "screens/base/FieldStore.h"
#include "screens/miles/MilesSettings.h"

namespace vks {

TFrmSJuros_ParcMilhas::TFrmSJuros_ParcMilhas()
    : TFrmParc_VendaCartaoMilhas("TFrmSJuros_ParcMilhas") {}

void TFrmSJuros_ParcMilhas::IniciaCamposForm() {
    TFrmParc_VendaCartaoMilhas::IniciaCamposForm();
    lbTitulo->setText(text(526));
}

// Whatever interest the host held, none is sent.
bool TFrmSJuros_ParcMilhas::GravaCamposKovar() {
    return TFrmParc_VendaCartaoMilhas::GravaCamposKovar() &&
           fields::writeAll({{field::PaymentTerm, "2"}, {field::InterestRate, "0"}});
}

} // namespace vks
