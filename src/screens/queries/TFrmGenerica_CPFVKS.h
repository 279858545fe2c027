#pragma once

#include "screens/queries/QueryHeaderScreen.h"
#include "screens/queries/TFrmCPF_VKSAdc.h"

namespace vks {

// Generic query header on the CPF key: query type "04", the output and
// the query code filled to three digits. Never opened itself.
class TFrmGenerica_CPFVKS : public QueryHeaderScreen<TFrmCPF_VKSAdc> {
public:
    explicit TFrmGenerica_CPFVKS(std::string_view className = "TFrmGenerica_CPFVKS");
};

} // namespace vks
