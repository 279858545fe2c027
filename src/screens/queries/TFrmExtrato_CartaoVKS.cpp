#include "screens/queries/TFrmExtrato_CartaoVKS.h"

#include "host/RequestLayouts.h"
#include "screens/ScreenNames.h"

namespace vks {
namespace {
constexpr QueryWrite kWrites[] = {QueryWrite::AuthorizerTag, QueryWrite::QueryType, QueryWrite::Output, QueryWrite::Key,
                                  QueryWrite::MissingHostCode};
constexpr QueryLeaf kLeaf{
    .layout = &TrnConsultaExtratoCartao, .title = 517, .entryType = "02", .code = {}, .writes = kWrites};
} // namespace

TFrmExtrato_CartaoVKS::TFrmExtrato_CartaoVKS()
    : QueryScreen(screen::TFrmExtrato_CartaoVKS, kLeaf) {}

} // namespace vks
