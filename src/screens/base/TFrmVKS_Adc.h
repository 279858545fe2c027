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
    // The customer key of a keyed query (the card or the CPF): its control,
    // nullptr on a screen without one, its write, and the key the host
    // supplied shown (where the screen shows it).
    virtual QWidget* keyControl() const { return nullptr; }
    virtual bool storeKey() { return true; }
    virtual void showHostKey() {}

    QLabel* lbTipoEntrada;
    QLineEdit* edTipoEntrada;
    SelfConfirm clique_;
};

} // namespace vks
