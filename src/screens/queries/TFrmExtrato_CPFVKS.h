#pragma once

#include "screens/queries/TFrmCPF_VKSAdc.h"

namespace vks {

// Statement by CPF (transaction type 5). The CPF is sent as it stands, an
// empty one included: the authorizer answers for whatever it is given.
class TFrmExtrato_CPFVKS : public TFrmCPF_VKSAdc {
public:
    TFrmExtrato_CPFVKS();

    bool ValidaCamposForm() override;
    bool GravaCamposKovar() override;
    void IniciaCamposForm() override;
};

} // namespace vks
