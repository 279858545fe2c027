#pragma once

#include "screens/base/TFrmCaptura.h"

namespace vks {

// Template of the screens that capture data without an amount (queries):
// the transaction screen's twin without edValor. Every derived screen
// provides its own ValidaCamposForm.
class TFrmAdc_Mod : public TFrmCaptura {
public:
    explicit TFrmAdc_Mod(std::string_view className = "TFrmAdc_Mod");

    bool ValidaCamposForm() override = 0;
};

} // namespace vks
