#pragma once

#include "screens/queries/QueryHeaderScreen.h"
#include "screens/queries/TFrmCartao_VKSAdc.h"

namespace vks {

// Generic query header on the card key: query type "04", the output and
// the query code filled to three digits. Never opened itself.
class TFrmGenerica_CartaoVKS : public QueryHeaderScreen<TFrmCartao_VKSAdc> {
public:
    explicit TFrmGenerica_CartaoVKS(std::string_view className = "TFrmGenerica_CartaoVKS");
};

} // namespace vks
