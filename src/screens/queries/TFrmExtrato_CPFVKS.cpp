#include "screens/queries/TFrmExtrato_CPFVKS.h"

#include "host/RequestLayouts.h"
#include "screens/ScreenNames.h"

namespace vks {
namespace {
constexpr QueryWrite kWrites[] = {QueryWrite::AuthorizerTag, QueryWrite::QueryType, QueryWrite::Output,
                                  QueryWrite::Key};
constexpr QueryLeaf kLeaf{.layout = &TrnConsultaExtratoCPF,
                          .title = 516,
                          .entryType = "02",
                          .code = {},
                          .writes = kWrites,
                          .keyChecked = false};
} // namespace

TFrmExtrato_CPFVKS::TFrmExtrato_CPFVKS()
    : QueryScreen(screen::TFrmExtrato_CPFVKS, kLeaf) {}

} // namespace vks
