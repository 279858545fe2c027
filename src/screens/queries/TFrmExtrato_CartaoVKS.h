#pragma once

#include "screens/queries/QueryScreen.h"

namespace vks {

// Statement by card (transaction type 4), after the card has been read.
class TFrmExtrato_CartaoVKS : public QueryScreen<StatementHeaderScreen<TFrmCartao_VKSAdc>> {
public:
    TFrmExtrato_CartaoVKS();
};

} // namespace vks
