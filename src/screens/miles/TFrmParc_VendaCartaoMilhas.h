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
    QLineEdit* edNumParc;
    ui::MaskedEdit* edDtPrimParcela;
};

} // namespace vks
