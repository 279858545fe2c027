#pragma once

#include <string_view>
#include <vector>

#include "screens/base/FiscalCoupon.h"
#include "screens/miles/TFrmMilhas_VKSTrn.h"

class QComboBox;

namespace vks {

namespace ui {
class MaskedEdit;
} // namespace ui

// Miles sale paid with the VKS card: the sale amount, the value of the
// miles, the down payment, the fiscal coupon and the occurrence code. Never
// opened by itself: its payment-term screens are.
class TFrmVendaCartao_MilhasVKS : public TFrmMilhas_VKSTrn {
public:
    explicit TFrmVendaCartao_MilhasVKS(std::string_view className = "TFrmVendaCartao_MilhasVKS");

    bool ValidaCamposForm() override;
    bool GravaCamposKovar() override;
    void IniciaCamposForm() override;

protected:
    void FormShow() override;

    // The sale's controls in the order the installment screens tab through
    // them, with theirs inserted after the miles value.
    void setInstallmentTabOrder(std::vector<QWidget*> installmentControls, QWidget* firstInstallmentDate);

    // Puts a value the host supplied into `edit` whole (its maximum length
    // only limits typing); the control is enabled only when it stays empty.
    static void fillSupplied(QLineEdit& edit, std::string_view value);

    QComboBox* cbVenda;
    QLineEdit* edCartao;
    QLineEdit* edValorAvista;
    QLineEdit* edValorEntrada;
    QLineEdit* edValorMilhas;
    QLineEdit* edCupom;
    ui::MaskedEdit* edDataCupom;
    ui::MaskedEdit* edHoraCupom;
    QLineEdit* edNumContrato;
    QLineEdit* edDV;
    QLineEdit* edMatrAutorizador;
    QLineEdit* edOperador;
    QLineEdit* edLocalContrato;
    QComboBox* cbIdOcorrencia;
    QLineEdit* edCodOcorrencia;

private:
    void useTabOrder(std::vector<QWidget*> order);
    void initOccurrence();
    void initCard();
    bool storeOccurrence();
    void cbIdOcorrenciaExit();

    // The capture controls in tab order, which is also their order on the
    // panel.
    std::vector<QWidget*> tabOrder_;
    FiscalCoupon coupon_;
};

} // namespace vks
