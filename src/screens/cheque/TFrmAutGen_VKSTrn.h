#pragma once

#include "screens/base/FiscalCoupon.h"
#include "screens/base/SharedMessages.h"
#include "screens/base/TFrmVKS_TrnMod.h"
#include "screens/queries/QueryContext.h"

namespace vks {

namespace ui {
class MaskedEdit;
} // namespace ui

// Common base of the generic-authorization screens (cheque sale and its
// cancellation): the customer's identification stored by the dispatcher
// (card or CPF), the fiscal receipt and the operator, and the header fields
// every generic authorization sends. The amount is not checked here.
class TFrmAutGen_VKSTrn : public TFrmVKS_TrnMod {
public:
    // `cpfHint`: what the message line says on entering edCPF.
    explicit TFrmAutGen_VKSTrn(std::string_view className = "TFrmAutGen_VKSTrn", MessageId cpfHint = msg::kCpfHint);

    bool ValidaCamposForm() override;
    bool GravaCamposKovar() override;
    void IniciaCamposForm() override;

protected:
    // The cheque request's constants (fields 1073 and 1074) and the query
    // output the screen loaded (field 1057).
    static bool storeChequeHeader(const char* constant3, const char* constant2);
    // The card part of the identification (its first 16 characters) in 1059.
    static bool storeIdentificationCard();

    // Moves `control` in the capture order to just before `next`.
    void captureBefore(QWidget& next, QWidget& control);
    // Lays the shown capture controls out in `columns` columns, in tab
    // order, each under its label; run again when a control appears.
    void arrangeCapture(int columns);

    QLineEdit* edCartao;
    ui::MaskedEdit* edCPF;
    QLineEdit* edCupom;
    ui::MaskedEdit* edDataCupom;
    ui::MaskedEdit* edHoraCupom;
    QLabel* lbOperador;
    QLineEdit* edOperador;

private:
    FiscalCoupon coupon_;
};

} // namespace vks
