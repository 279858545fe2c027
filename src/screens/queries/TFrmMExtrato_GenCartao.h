#pragma once

#include "screens/queries/MiniStatementScreen.h"
#include "screens/queries/TFrmGenerica_CartaoVKS.h"

namespace vks {

// Mini statement by card (transaction type 12), after the card has been
// read.
class TFrmMExtrato_GenCartao : public MiniStatementScreen<TFrmGenerica_CartaoVKS> {
public:
    TFrmMExtrato_GenCartao();
};

} // namespace vks
