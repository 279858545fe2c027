#pragma once

#include "screens/miles/TFrmVendaCartao_MilhasVKS.h"

namespace vks {

// Miles sale paid in cash (payment term 1): one installment, no interest.
class TFrmAVista_VendaCartaoMilhas : public TFrmVendaCartao_MilhasVKS {
public:
    TFrmAVista_VendaCartaoMilhas();

    bool GravaCamposKovar() override;
    void IniciaCamposForm() override;
};

} // namespace vks
