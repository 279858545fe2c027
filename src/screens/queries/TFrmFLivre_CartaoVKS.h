#pragma once

#include "screens/queries/QueryHeaderScreen.h"
#include "screens/queries/TFrmCartao_VKSAdc.h"

namespace vks {

// Free-form query header on the card key: query type "05", the output and
// the query code filled to three digits. Never opened itself.
class TFrmFLivre_CartaoVKS : public QueryHeaderScreen<TFrmCartao_VKSAdc> {
public:
    explicit TFrmFLivre_CartaoVKS(std::string_view className = "TFrmFLivre_CartaoVKS");
};

} // namespace vks
