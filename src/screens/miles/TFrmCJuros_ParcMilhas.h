#pragma once

#include "screens/miles/TFrmParc_VendaCartaoMilhas.h"

namespace vks {

// Miles sale in installments with interest (payment term 3): the interest
// is captured too.
class TFrmCJuros_ParcMilhas : public TFrmParc_VendaCartaoMilhas {
public:
    TFrmCJuros_ParcMilhas();

    bool GravaCamposKovar() override;
    void IniciaCamposForm() override;

protected:
    QLineEdit* edJuros;
};

} // namespace vks
