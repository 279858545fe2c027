#include "screens/queries/TFrmGenerica_RegOcorrVKS.h"

namespace vks {

TFrmGenerica_RegOcorrVKS::TFrmGenerica_RegOcorrVKS(std::string_view className)
    : QueryHeaderScreen(className, query::GenericHeader) {
    setCaptureTabOrder({edCupom, edTipoEntrada});
}

} // namespace vks
