#include "screens/queries/TFrmFLivre_CartaoVKS.h"

namespace vks {

TFrmFLivre_CartaoVKS::TFrmFLivre_CartaoVKS(std::string_view className)
    : QueryHeaderScreen(className, query::FreeFormCardHeader) {}

} // namespace vks
