#pragma once

#include "screens/base/TFrmCaptura.h"

namespace vks {

// Template of every screen that captures a transaction: the amount, the
// buttons, the keyboard and the confirm and cancel flows.
class TFrmTrn_Mod : public TFrmCaptura {
public:
    explicit TFrmTrn_Mod(std::string_view className = "TFrmTrn_Mod");

    bool ValidaCamposForm() override;
    bool GravaCamposKovar() override;
    void IniciaCamposForm() override;

protected:
    QLabel* Image1;
    QLabel* lbValor;
    QLineEdit* edValor;
};

} // namespace vks
