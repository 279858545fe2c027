#pragma once

#include "screens/base/TFrmVKS_Adc.h"

namespace vks {

class WipedString;
namespace ui {
class CardEdit;
}

// Base of every query by card: the card number read before the screen
// (field 10104), shown concealed and locked, or typed by the cashier when
// none came. The number the host supplied is not kept by the screen.
class TFrmCartao_VKSAdc : public TFrmVKS_Adc {
public:
    explicit TFrmCartao_VKSAdc(std::string_view className = "TFrmCartao_VKSAdc");

    bool ValidaCamposForm() override;
    void IniciaCamposForm() override;

protected:
    // When the cashier typed the number: puts it, trimmed, into `number`,
    // shows it concealed and returns true.
    bool takeTypedNumber(WipedString& number);
    // Field 1041 := the number the cashier typed, which is then shown
    // concealed; nothing is written for a number that came from the card read.
    bool storeTypedNumber();
    QWidget* keyControl() const override;
    bool storeKey() override { return storeTypedNumber(); }

    QLabel* lbCartao;
    ui::CardEdit* edCartao;
};

// Field 1102 := "0000" when the host code never reached field 10147.
bool storeMissingHostCode();

} // namespace vks
