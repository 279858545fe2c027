#pragma once

#include "screens/base/SelfConfirm.h"
#include "screens/base/TFrmAdc_Mod.h"

namespace vks {

// The VKS query screen: a mandatory two-digit entry type (field 1061) and
// the self-confirming timer.
class TFrmVKS_Adc : public TFrmAdc_Mod {
public:
    explicit TFrmVKS_Adc(std::string_view className = "TFrmVKS_Adc");

    bool ValidaCamposForm() override;
    bool GravaCamposKovar() override;

protected:
    QLabel* lbTipoEntrada;
    QLineEdit* edTipoEntrada;
    SelfConfirm clique_;
};

} // namespace vks
