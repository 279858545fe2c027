#pragma once

#include "screens/queries/QueryScreen.h"
#include "screens/queries/TFrmGenerica_CartaoVKS.h"

namespace vks {

// Miles balance by card (transaction type 10, selector 1), after the card
// has been read.
class TFrmMilhas_GenCartao : public QueryScreen<TFrmGenerica_CartaoVKS> {
public:
    TFrmMilhas_GenCartao();
};

} // namespace vks
