#include "screens/base/TFrmAdc_Mod.h"

namespace vks {

TFrmAdc_Mod::TFrmAdc_Mod(std::string_view className)
    : TFrmCaptura(className) {}

} // namespace vks
