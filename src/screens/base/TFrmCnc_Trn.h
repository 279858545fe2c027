#pragma once

#include "screens/base/SelfConfirm.h"
#include "screens/base/TFrmTrn_Mod.h"

namespace vks {

namespace ui {
class MaskedEdit;
}

// Template of the screens that cancel an earlier transaction: to the amount
// it adds the date (field 1020) and the NSU (field 1013) of the transaction
// being cancelled, and it confirms itself when nothing is left to type.
class TFrmCnc_Trn : public TFrmTrn_Mod {
public:
    explicit TFrmCnc_Trn(std::string_view className = "TFrmCnc_Trn");

    bool ValidaCamposForm() override;
    bool GravaCamposKovar() override;
    void IniciaCamposForm() override;

protected:
    QLabel* lbDtTransacao;
    ui::MaskedEdit* edDtTransacao;
    QLabel* lbNumDocumento;
    QLineEdit* edNumDocumento;
    SelfConfirm clique_;

private:
    bool transactionDateValid() const;
};

} // namespace vks
