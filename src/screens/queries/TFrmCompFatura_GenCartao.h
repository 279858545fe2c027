#pragma once

#include "screens/queries/InvoiceCompositionScreen.h"
#include "screens/queries/TFrmGenerica_CartaoVKS.h"

namespace vks {

// Invoice composition by card (transaction type 20), after the card has
// been read.
class TFrmCompFatura_GenCartao : public InvoiceCompositionScreen<TFrmGenerica_CartaoVKS> {
public:
    TFrmCompFatura_GenCartao();
};

} // namespace vks
