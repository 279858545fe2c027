#include "screens/queries/TFrmRegOcorr_VKSAdc.h"
#include "screens/base/SharedMessages.h"

#include <QLineEdit>

namespace vks {
namespace {} // namespace

TFrmRegOcorr_VKSAdc::TFrmRegOcorr_VKSAdc(std::string_view className)
    : TFrmVKS_Adc(className),
      edCupom(addEdit({.name = "edCupom",
                       .label = "lbCupom",
                       .design = "Cupom Fiscal:",
                       .caption = 599,
                       .hint = 73,
                       .maxLength = 7,
                       .keys = Keys::Digits})),
      coupon_(*edCupom) {
    lbCupom = labelOf(*edCupom);
}

bool TFrmRegOcorr_VKSAdc::ValidaCamposForm() {
    if (!TFrmVKS_Adc::ValidaCamposForm()) return false;
    if (edCupom->text().isEmpty()) return rejectInput(msg::kCouponMissing, *edCupom, Retry::EnableFocus);
    return true;
}

bool TFrmRegOcorr_VKSAdc::GravaCamposKovar() {
    if (!TFrmVKS_Adc::GravaCamposKovar()) return false;
    return coupon_.store(field::CouponNumber);
}

void TFrmRegOcorr_VKSAdc::showHostCoupon() { coupon_.fill(field::CouponNumber); }

} // namespace vks
