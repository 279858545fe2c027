#include "screens/base/TFrmAdc_Mod.h"

namespace vks {

TFrmAdc_Mod::TFrmAdc_Mod(std::string_view className) : TFrmCaptura(className) {}

bool TFrmAdc_Mod::GravaCamposKovar() { return TFrmCaptura::GravaCamposKovar(); }

bool TFrmAdc_Mod::VerificaAutorizaTransacao() { return TFrmCaptura::VerificaAutorizaTransacao(); }

void TFrmAdc_Mod::IniciaCamposForm() { TFrmCaptura::IniciaCamposForm(); }

} // namespace vks
