#include "screens/queries/TFrmFLivre_CPFVKS.h"

namespace vks {

TFrmFLivre_CPFVKS::TFrmFLivre_CPFVKS(std::string_view className)
    : QueryHeaderScreen(className, query::FreeFormCpfHeader) {}

} // namespace vks
