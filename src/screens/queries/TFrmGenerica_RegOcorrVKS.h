#pragma once

#include "screens/queries/QueryHeaderScreen.h"
#include "screens/queries/TFrmRegOcorr_VKSAdc.h"

namespace vks {

// Generic query header on the fiscal coupon: query type "04", the output
// and the query code filled to three digits. The coupon comes before the
// entry type. Never opened itself.
class TFrmGenerica_RegOcorrVKS : public QueryHeaderScreen<TFrmRegOcorr_VKSAdc> {
public:
    explicit TFrmGenerica_RegOcorrVKS(std::string_view className = "TFrmGenerica_RegOcorrVKS");
};

} // namespace vks
