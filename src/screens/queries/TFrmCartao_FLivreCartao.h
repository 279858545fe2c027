#pragma once

#include "screens/queries/QueryScreen.h"
#include "screens/queries/TFrmFLivre_CartaoVKS.h"

namespace vks {

// Free-form query by card (transaction type 16), after the card has been
// read.
class TFrmCartao_FLivreCartao : public QueryScreen<TFrmFLivre_CartaoVKS> {
public:
    TFrmCartao_FLivreCartao();
};

} // namespace vks
