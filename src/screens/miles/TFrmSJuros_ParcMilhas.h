#pragma once

#include "screens/miles/TFrmParc_VendaCartaoMilhas.h"

namespace vks {

// Miles sale in installments without interest (payment term 2).
class TFrmSJuros_ParcMilhas : public TFrmParc_VendaCartaoMilhas {
public:
    TFrmSJuros_ParcMilhas();

    bool GravaCamposKovar() override;
    void IniciaCamposForm() override;
};

} // namespace vks
