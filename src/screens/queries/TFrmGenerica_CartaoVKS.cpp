#include "screens/queries/TFrmGenerica_CartaoVKS.h"

namespace vks {

TFrmGenerica_CartaoVKS::TFrmGenerica_CartaoVKS(std::string_view className)
    : QueryHeaderScreen(className, query::GenericHeader) {}

} // namespace vks
