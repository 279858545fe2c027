#pragma once

#include "screens/queries/QueryScreen.h"
#include "screens/queries/TFrmFLivre_CPFVKS.h"

namespace vks {

// Free-form query by CPF (transaction type 17).
class TFrmCPF_FLivreCPF : public QueryScreen<TFrmFLivre_CPFVKS> {
public:
    TFrmCPF_FLivreCPF();
};

} // namespace vks
