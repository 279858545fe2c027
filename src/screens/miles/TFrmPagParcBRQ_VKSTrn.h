#pragma once

#include "screens/base/TFrmVKS_TrnMod.h"
#include "screens/miles/AccountIdentification.h"

class QComboBox;

namespace vks {

namespace ui {
class CardEdit;
class MaskedEdit;
} // namespace ui

// Installment payment (transaction type 1): the amount, the account's
// identification by entry type (field 1100: 1 document code, 4 CPF, 5 card)
// and the payment form.
class TFrmPagParcBRQ_VKSTrn : public TFrmVKS_TrnMod {
public:
    TFrmPagParcBRQ_VKSTrn();

    bool ValidaCamposForm() override;
    bool GravaCamposKovar() override;
    void IniciaCamposForm() override;

    // Presets the payment-form list from a code of the field store.
    void TrataFormaPagamento(const std::string& code);

protected:
    QLineEdit* edDadosDocumento;
    ui::MaskedEdit* edCPF;
    ui::CardEdit* edCartao;
    QComboBox* cbFPPagto;

private:
    AccountIdentification identification_;
};

} // namespace vks
