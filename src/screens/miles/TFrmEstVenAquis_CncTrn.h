#pragma once

#include "screens/base/FiscalCoupon.h"
#include "screens/base/TFrmCnc_Trn.h"

namespace vks {

// Reversal of a miles sale or acquisition: to the cancellation it adds the
// fiscal coupon and the operator registration. Never opened by itself; the
// sale and acquisition reversals differ only in their title, the card the
// acquisition shows and the operation code they send.
class TFrmEstVenAquis_CncTrn : public TFrmCnc_Trn {
public:
    bool ValidaCamposForm() override;
    bool GravaCamposKovar() override;
    void IniciaCamposForm() override;

protected:
    // `showsCard`: the screen has the card field, ahead of the registration.
    TFrmEstVenAquis_CncTrn(std::string_view className, bool showsCard);

    QLineEdit* edCupom;
    ui::MaskedEdit* edDataCupom;
    ui::MaskedEdit* edHoraCupom;
    QLineEdit* edCartao = nullptr; // only on the screens that show the card
    QLineEdit* edMatrOper;

private:
    FiscalCoupon coupon_;
};

} // namespace vks
