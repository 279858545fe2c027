#include "screens/queries/TFrmMExtrato_GenCPF.h"

#include "host/RequestLayouts.h"
#include "screens/ScreenNames.h"

namespace vks {
namespace {
constexpr QueryLeaf kLeaf{
    .layout = &TrnConsultaMiniExtratoCPF, .title = 512, .entryType = "04", .code = "002", .writes = kTagKey};
} // namespace

TFrmMExtrato_GenCPF::TFrmMExtrato_GenCPF()
    : MiniStatementScreen(screen::TFrmMExtrato_GenCPF, kLeaf) {}

} // namespace vks
