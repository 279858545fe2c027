#pragma once

#include "screens/queries/MiniStatementScreen.h"
#include "screens/queries/TFrmGenerica_CPFVKS.h"

namespace vks {

// Mini statement by CPF (transaction type 13).
class TFrmMExtrato_GenCPF : public MiniStatementScreen<TFrmGenerica_CPFVKS> {
public:
    TFrmMExtrato_GenCPF();
};

} // namespace vks
