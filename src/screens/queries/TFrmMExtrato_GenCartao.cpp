#include "screens/queries/TFrmMExtrato_GenCartao.h"

#include "host/RequestLayouts.h"

namespace vks {
namespace {
constexpr QueryLeaf kLeaf{
    .layout = &TrnConsultaMiniExtratoCartao, .title = 513, .entryType = "03", .code = "002", .writes = kTagKeyHostCode};
} // namespace

TFrmMExtrato_GenCartao::TFrmMExtrato_GenCartao()
    : MiniStatementScreen("TFrmMExtrato_GenCartao", kLeaf) {}

} // namespace vks
