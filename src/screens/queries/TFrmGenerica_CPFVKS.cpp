#include "screens/queries/TFrmGenerica_CPFVKS.h"

namespace vks {

TFrmGenerica_CPFVKS::TFrmGenerica_CPFVKS(std::string_view className)
    : QueryHeaderScreen(className, query::GenericHeader) {}

} // namespace vks
