#pragma once

#include <map>
#include <span>
#include <string_view>

#include "screens/base/FiscalCoupon.h"
#include "screens/miles/TFrmMilhas_VKSTrn.h"

class QComboBox;

namespace vks {

namespace ui {
class MaskedEdit;
} // namespace ui

// A part of the miles sale's capture; the cash and the installment sales
// tab through the parts in orders of their own.
enum class MilesSalePart;

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

    // Adds the installment screens' own controls to the capture, in their
    // part before `next` (at its end when null), and takes the installment
    // order of the parts.
    void captureInstallments(const CaptureDeclaration& installments, const QWidget* next = nullptr);

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
    // The declared controls, part after part in `turns`.
    CaptureDeclaration inTurns(std::span<const MilesSalePart> turns) const;
    void initOccurrence();
    void initCard();
    bool storeOccurrence();
    void cbIdOcorrenciaExit();

    FiscalCoupon coupon_;
    std::map<MilesSalePart, CaptureDeclaration> parts_;
};

} // namespace vks
