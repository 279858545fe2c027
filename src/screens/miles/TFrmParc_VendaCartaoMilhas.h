#pragma once

#include "screens/miles/TFrmVendaCartao_MilhasVKS.h"

namespace vks {

// Miles sale paid in installments: the number of installments and the date
// of the first. Never opened by itself: the screens with and without
// interest are.
class TFrmParc_VendaCartaoMilhas : public TFrmVendaCartao_MilhasVKS {
public:
    explicit TFrmParc_VendaCartaoMilhas(std::string_view className = "TFrmParc_VendaCartaoMilhas");

    bool ValidaCamposForm() override;
    bool GravaCamposKovar() override;
    void IniciaCamposForm() override;

protected:
    // The installment tab order, with the interest field after the number of
    // installments when the screen has one.
    void setInstallmentTabOrder(QWidget* interest);

    QLineEdit* edNumParc;
    ui::MaskedEdit* edDtPrimParcela;
};

} // namespace vks
