#pragma once

#include "screens/miles/TFrmEstVenAquis_CncTrn.h"

namespace vks {

// Reversal of a miles sale (transaction type 8).
class TFrmEstVenda_EstVenAquis : public TFrmEstVenAquis_CncTrn {
public:
    TFrmEstVenda_EstVenAquis();

    bool GravaCamposKovar() override;
    void IniciaCamposForm() override;
};

} // namespace vks
