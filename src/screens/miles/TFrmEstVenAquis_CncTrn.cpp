#include "screens/miles/TFrmEstVenAquis_CncTrn.h"

#include <QLineEdit>

#include "core/FieldText.h"
#include "core/Text.h"
#include "core/WipedString.h"
#include "host/Messages.h"
#include "host/RequestLayouts.h"
#include "screens/base/FieldStore.h"
#include "screens/base/SharedMessages.h"
#include "screens/miles/MilesSettings.h"
#include "ui/MaskedEdit.h"

namespace vks {
namespace {} // namespace

TFrmEstVenAquis_CncTrn::TFrmEstVenAquis_CncTrn(std::string_view className, bool showsCard)
    : TFrmCnc_Trn(className),
      edCupom(addEdit(FiscalCoupon::numberControl(Keys::Digits))),
      edDataCupom(addMaskedEdit(FiscalCoupon::kDateControl)),
      edHoraCupom(addMaskedEdit(FiscalCoupon::kTimeControl)),
      edCartao(showsCard ? addEdit({.name = "edCartao",
                                    .label = "lbCartao",
                                    .design = "Cartão:",
                                    .hint = 233,
                                    .maxLength = 16,
                                    .keys = Keys::Digits})
                         : nullptr),
      edMatrOper(addEdit({.name = "edMatrOper",
                          .label = "lbMatrOper",
                          .design = "Matrícula:",
                          .caption = 751,
                          .hint = 109,
                          .maxLength = 6,
                          .keys = Keys::Digits})),
      coupon_(*edCupom, *edDataCupom, *edHoraCupom) {
    if (edCartao != nullptr) edCartao->setEnabled(false);
}

void TFrmEstVenAquis_CncTrn::IniciaCamposForm() {
    TFrmCnc_Trn::IniciaCamposForm();
    setRequestLayout(TrnCancelamentoVendaAquis);
    readMappingVersion();
    coupon_.fill();
    edMatrOper->setText(fieldText(fields::read(field::Operator)));
    if (!edMatrOper->text().isEmpty()) edMatrOper->setEnabled(false);
}

bool TFrmEstVenAquis_CncTrn::ValidaCamposForm() {
    if (!TFrmCnc_Trn::ValidaCamposForm()) return false;
    if (isBlank(fieldBytes(edMatrOper->text()))) {
        return rejectInput(msg::kInvalidOrMissing, *edMatrOper, Retry::EnableClearFocus);
    }
    if (const auto rejected = coupon_.rejection()) {
        return rejectInput(rejected->message, *rejected->control, Retry::EnableClearFocus);
    }
    return true;
}

bool TFrmEstVenAquis_CncTrn::GravaCamposKovar() {
    if (!TFrmCnc_Trn::GravaCamposKovar()) return false;
    const WipedString card(fields::read(field::Identification));
    return fields::writeAll({{field::AuthorizerTag, fields::kAuthorizerTag}, {field::CardNumber, card.view()}}) &&
           storeMappingVersion() && coupon_.store() &&
           fields::writeAll({{field::Operator, fieldBytes(edMatrOper->text())}});
}

} // namespace vks
