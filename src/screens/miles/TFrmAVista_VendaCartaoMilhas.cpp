#include "screens/miles/TFrmAVista_VendaCartaoMilhas.h"

#include <QLabel>

#include "screens/ScreenNames.h"
#include "screens/base/FieldStore.h"
#include "screens/miles/MilesSettings.h"

namespace vks {
namespace {
constexpr MessageId kTitle = 524;
} // namespace

TFrmAVista_VendaCartaoMilhas::TFrmAVista_VendaCartaoMilhas()
    : TFrmVendaCartao_MilhasVKS(screen::TFrmAVista_VendaCartaoMilhas) {}

void TFrmAVista_VendaCartaoMilhas::IniciaCamposForm() {
    TFrmVendaCartao_MilhasVKS::IniciaCamposForm();
    lbTitulo->setText(text(kTitle));
}

bool TFrmAVista_VendaCartaoMilhas::GravaCamposKovar() {
    return TFrmVendaCartao_MilhasVKS::GravaCamposKovar() &&
           fields::writeAll({{field::PaymentTerm, "1"},
                             {field::InstallmentCount, "01"},
                             {field::InterestRate, "0"},
                             {field::FirstInstallmentDate, "00000000"}});
}

} // namespace vks
