#pragma once

#include "screens/miles/TFrmEstVenAquis_CncTrn.h"

namespace vks {

// Reversal of a miles acquisition (transaction type 9): also shows the card
// read, concealed.
class TFrmEstAquis_EstVenAquis : public TFrmEstVenAquis_CncTrn {
public:
    TFrmEstAquis_EstVenAquis();

    bool GravaCamposKovar() override;
    void IniciaCamposForm() override;
};

} // namespace vks
