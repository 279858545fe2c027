#pragma once

#include "screens/cheque/TFrmAutGen_VKSTrn.h"

namespace vks {

// Cancellation of a cheque sale (transaction type 19): the generic
// authorization with the NSU of the sale being cancelled.
class TFrmCancVCheque_AutGen : public TFrmAutGen_VKSTrn {
public:
    TFrmCancVCheque_AutGen();

    bool ValidaCamposForm() override;
    bool GravaCamposKovar() override;
    void IniciaCamposForm() override;

protected:
    QLineEdit* edNSU;
};

} // namespace vks
