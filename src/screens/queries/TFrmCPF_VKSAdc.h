#pragma once

#include <string>

#include "screens/base/TFrmVKS_Adc.h"

namespace vks {

namespace ui {
class MaskedEdit;
}

// Base of every query by CPF: the customer's CPF, checked by the host and
// written to field 1007 as bare digits.
class TFrmCPF_VKSAdc : public TFrmVKS_Adc {
public:
    explicit TFrmCPF_VKSAdc(std::string_view className = "TFrmCPF_VKSAdc");

    bool ValidaCamposForm() override;
    bool GravaCamposKovar() override;

protected:
    // The digits of edCPF, without the mask's points and hyphen.
    std::string cpfDigits() const;
    // edCPF := field 1007 through the mask, locked when the host supplied
    // one.
    void showHostCpf();
    // Field 1007 := the digits of edCPF.
    bool storeCpf();

    QWidget* keyControl() const override;
    bool storeKey() override { return storeCpf(); }
    void showHostKey() override { showHostCpf(); }

    QLabel* lbCPF;
    ui::MaskedEdit* edCPF;
};

} // namespace vks
