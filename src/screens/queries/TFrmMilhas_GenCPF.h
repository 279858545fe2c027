#pragma once

#include "screens/queries/QueryScreen.h"
#include "screens/queries/TFrmGenerica_CPFVKS.h"

namespace vks {

// Miles balance by CPF (transaction type 11).
class TFrmMilhas_GenCPF : public QueryScreen<TFrmGenerica_CPFVKS> {
public:
    TFrmMilhas_GenCPF();
};

} // namespace vks
