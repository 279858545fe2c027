#pragma once

#include "screens/queries/QueryScreen.h"

namespace vks {

// Statement by CPF (transaction type 5). The CPF is sent as it stands, an
// empty one included: the authorizer answers for whatever it is given.
class TFrmExtrato_CPFVKS : public QueryScreen<StatementHeaderScreen<TFrmCPF_VKSAdc>> {
public:
    TFrmExtrato_CPFVKS();
};

} // namespace vks
