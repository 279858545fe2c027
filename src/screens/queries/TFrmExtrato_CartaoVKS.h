#pragma once

#include "screens/queries/TFrmCartao_VKSAdc.h"

namespace vks {

// Statement by card (transaction type 4), after the card has been read.
class TFrmExtrato_CartaoVKS : public TFrmCartao_VKSAdc {
public:
    TFrmExtrato_CartaoVKS();

    bool GravaCamposKovar() override;
    void IniciaCamposForm() override;
};

} // namespace vks
