#pragma once

#include "screens/queries/QueryHeaderScreen.h"
#include "screens/queries/TFrmCPF_VKSAdc.h"

namespace vks {

// Free-form query header on the CPF key: query type "05", the output and
// the query code as it stands (the authorizer takes "7" here, "007" on the
// card). Never opened itself; also the base of the basic registration.
class TFrmFLivre_CPFVKS : public QueryHeaderScreen<TFrmCPF_VKSAdc> {
public:
    explicit TFrmFLivre_CPFVKS(std::string_view className = "TFrmFLivre_CPFVKS");
};

} // namespace vks
