#include "screens/miles/TFrmEstVenda_EstVenAquis.h"

#include "screens/ScreenNames.h"
#include "screens/base/FieldStore.h"
#include "screens/miles/MilesSettings.h"

namespace vks {
namespace {
constexpr MessageId kTitle = 520;
constexpr const char* kSaleReversal = "11";
} // namespace

TFrmEstVenda_EstVenAquis::TFrmEstVenda_EstVenAquis()
    : TFrmEstVenAquis_CncTrn(screen::TFrmEstVenda_EstVenAquis, false) {}

void TFrmEstVenda_EstVenAquis::IniciaCamposForm() {
    TFrmEstVenAquis_CncTrn::IniciaCamposForm();
    lbTitulo->setText(text(kTitle));
}

bool TFrmEstVenda_EstVenAquis::GravaCamposKovar() {
    return TFrmEstVenAquis_CncTrn::GravaCamposKovar() && fields::writeAll({{field::OperationCode, kSaleReversal}});
}

} // namespace vks
