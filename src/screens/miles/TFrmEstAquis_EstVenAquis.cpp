#include "screens/miles/TFrmEstAquis_EstVenAquis.h"

#include <QLineEdit>

#include "core/WipedString.h"
#include "screens/ScreenNames.h"
#include "screens/base/CardNumber.h"
#include "screens/base/FieldStore.h"
#include "screens/miles/MilesSettings.h"

namespace vks {
namespace {
constexpr MessageId kTitle = 521;
constexpr const char* kAcquisitionReversal = "12";
} // namespace

TFrmEstAquis_EstVenAquis::TFrmEstAquis_EstVenAquis()
    : TFrmEstVenAquis_CncTrn(screen::TFrmEstAquis_EstVenAquis, true) {}

void TFrmEstAquis_EstVenAquis::IniciaCamposForm() {
    TFrmEstVenAquis_CncTrn::IniciaCamposForm();
    lbTitulo->setText(text(kTitle));
    const WipedString card(fields::read(field::Identification));
    edCartao->setText(concealedCardNumber(card.view()));
}

bool TFrmEstAquis_EstVenAquis::GravaCamposKovar() {
    return TFrmEstVenAquis_CncTrn::GravaCamposKovar() &&
           fields::writeAll({{field::OperationCode, kAcquisitionReversal}});
}

} // namespace vks
