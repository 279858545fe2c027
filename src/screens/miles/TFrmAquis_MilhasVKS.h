#pragma once

#include "screens/base/FiscalCoupon.h"
#include "screens/miles/TFrmMilhas_VKSTrn.h"

class QComboBox;

namespace vks {

namespace ui {
class MaskedEdit;
} // namespace ui

// Miles acquisition (transaction type 7): a VKS cardholder acquires miles.
// The cashier records the amount, how the customer pays (miles among the
// forms, with their value), the fiscal coupon, the operator registration
// the host supplies and, where the shop works with them, the occurrence.
class TFrmAquis_MilhasVKS : public TFrmMilhas_VKSTrn {
public:
    TFrmAquis_MilhasVKS();

    bool ValidaCamposForm() override;
    bool GravaCamposKovar() override;
    void IniciaCamposForm() override;

protected:
    QComboBox* cbFPPagto;
    QLineEdit* edCartao;
    QLineEdit* edValorMilhas;
    QLineEdit* edCupom;
    ui::MaskedEdit* edDataCupom;
    ui::MaskedEdit* edHoraCupom;
    QLineEdit* edOperador;
    QComboBox* cbIdOcorrencia;
    QLineEdit* edCodOcorrencia;

private:
    void TrataFormaPagamento(const std::string& code);
    void fillOccurrence();
    void cbFPPagtoExit();
    bool milesSelected() const;

    FiscalCoupon coupon_;
};

} // namespace vks
