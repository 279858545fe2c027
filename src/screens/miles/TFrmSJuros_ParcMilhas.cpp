#include "screens/miles/TFrmSJuros_ParcMilhas.h"

#include <QLabel>

#include "screens/ScreenNames.h"
#include "screens/base/FieldStore.h"
#include "screens/miles/MilesSettings.h"

namespace vks {
namespace {
constexpr MessageId kTitle = 526;
} // namespace

TFrmSJuros_ParcMilhas::TFrmSJuros_ParcMilhas()
    : TFrmParc_VendaCartaoMilhas(screen::TFrmSJuros_ParcMilhas) {}

void TFrmSJuros_ParcMilhas::IniciaCamposForm() {
    TFrmParc_VendaCartaoMilhas::IniciaCamposForm();
    lbTitulo->setText(text(kTitle));
}

// Whatever interest the host held, none is sent.
bool TFrmSJuros_ParcMilhas::GravaCamposKovar() {
    return TFrmParc_VendaCartaoMilhas::GravaCamposKovar() &&
           fields::writeAll({{field::PaymentTerm, "2"}, {field::InterestRate, "0"}});
}

} // namespace vks
