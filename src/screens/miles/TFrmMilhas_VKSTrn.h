#pragma once

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
};

// Refreshes the module-wide occurrence switch from "VKS.INI" in the host
// program's folder; without the file it keeps the value it had.
void readOccurrenceSwitch();

} // namespace vks
