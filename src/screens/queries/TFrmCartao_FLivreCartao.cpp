#include "screens/queries/TFrmCartao_FLivreCartao.h"

#include "host/RequestLayouts.h"
#include "screens/ScreenNames.h"

namespace vks {
namespace {
constexpr QueryLeaf kLeaf{
    .layout = &TrnConsultaLivreCartao, .title = 507, .entryType = "01", .code = "005", .writes = kTagKeyHostCode};
} // namespace

TFrmCartao_FLivreCartao::TFrmCartao_FLivreCartao()
    : QueryScreen(screen::TFrmCartao_FLivreCartao, kLeaf) {}

} // namespace vks
