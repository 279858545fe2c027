#include "screens/queries/TFrmMExtrato_GenCartao.h"

#include "host/RequestLayouts.h"
#include "screens/ScreenNames.h"

namespace vks {
namespace {
constexpr QueryLeaf kLeaf{
    .layout = &TrnConsultaMiniExtratoCartao, .title = 513, .entryType = "03", .code = "002", .writes = kTagKeyHostCode};
} // namespace

TFrmMExtrato_GenCartao::TFrmMExtrato_GenCartao()
    : MiniStatementScreen(screen::TFrmMExtrato_GenCartao, kLeaf) {}

} // namespace vks
