#pragma once

#include "screens/queries/InvoiceCompositionScreen.h"
#include "screens/queries/TFrmGenerica_CPFVKS.h"

namespace vks {

// Invoice composition by CPF (transaction type 21).
class TFrmCompFatura_GenCPF : public InvoiceCompositionScreen<TFrmGenerica_CPFVKS> {
public:
    TFrmCompFatura_GenCPF();
};

} // namespace vks
