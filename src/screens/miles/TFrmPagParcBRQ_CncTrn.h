#pragma once

#include "screens/base/TFrmCnc_Trn.h"
#include "screens/miles/AccountIdentification.h"

namespace vks {

// Installment payment cancellation (transaction type 2): the amount, date
// and NSU of the payment being cancelled, and the account's identification
// by entry type (field 1100: 1 document code, 4 CPF, 5 card) under one label.
class TFrmPagParcBRQ_CncTrn : public TFrmCnc_Trn {
public:
    TFrmPagParcBRQ_CncTrn();

    bool ValidaCamposForm() override;
    bool GravaCamposKovar() override;
    void IniciaCamposForm() override;

protected:
    QLabel* lbDadosDocumento;
    QLineEdit* edDadosDocumento;
    ui::MaskedEdit* edCPF;
    ui::CardEdit* edCartao;

private:
    AccountIdentification identification_;
};

} // namespace vks
