#pragma once

#include <functional>

#include "screens/base/TFrmVKS_TrnMod.h"

namespace vks {

// Common base of the miles screens: the occurrence switch of "VKS.INI" and
// the authorizer tag. No controls of its own.
class TFrmMilhas_VKSTrn : public TFrmVKS_TrnMod {
public:
    explicit TFrmMilhas_VKSTrn(std::string_view className = "TFrmMilhas_VKSTrn");

    bool GravaCamposKovar() override;
    void IniciaCamposForm() override;

protected:
    // The occurrence switch is on: the shop works with occurrence codes.
    static bool treatsOccurrences();

    // `handler` runs when the cashier leaves `control` for another control
    // (keys or mouse); not when a rejected check moves the focus to the
    // control it names, which must keep it.
    static void onCashierExit(QWidget& control, std::function<void()> handler);
};

// Refreshes the module-wide occurrence switch from "VKS.INI" in the host
// program's folder; without the file it keeps the value it had.
void readOccurrenceSwitch();

} // namespace vks
