#pragma once

#include "screens/base/SelfConfirm.h"
#include "screens/base/TFrmTrn_Mod.h"

namespace vks {

// Base of the VKS transaction screens: an optional entry-type field and the
// self-confirming timer.
class TFrmVKS_TrnMod : public TFrmTrn_Mod {
public:
    explicit TFrmVKS_TrnMod(std::string_view className = "TFrmVKS_TrnMod");

protected:
    QLabel* lbTipoEntrada;
    QLineEdit* edTipoEntrada;
    SelfConfirm clique_;
};

} // namespace vks
