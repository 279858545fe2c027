#pragma once

#include "screens/base/TFrmVKS_Adc.h"
#include "screens/queries/SuppliedEdit.h"

namespace vks {

// Base of the occurrence records: the fiscal coupon the occurrence belongs
// to, after the entry type. Never opened itself.
class TFrmRegOcorr_VKSAdc : public TFrmVKS_Adc {
public:
    explicit TFrmRegOcorr_VKSAdc(std::string_view className = "TFrmRegOcorr_VKSAdc");

    bool ValidaCamposForm() override;
    bool GravaCamposKovar() override;

protected:
    // edCupom := field 1050, locked when the host supplied a coupon.
    void showHostCoupon();

    QLabel* lbCupom;
    QLineEdit* edCupom;

private:
    SuppliedEdit coupon_;
};

} // namespace vks
