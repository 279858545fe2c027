#include "screens/queries/TFrmCPF_FLivreCPF.h"

#include "host/RequestLayouts.h"
#include "screens/ScreenNames.h"

namespace vks {
namespace {
constexpr QueryLeaf kLeaf{
    .layout = &TrnConsultaLivreCPF, .title = 507, .entryType = "02", .code = "005", .writes = kKeyTag};
} // namespace

TFrmCPF_FLivreCPF::TFrmCPF_FLivreCPF()
    : QueryScreen(screen::TFrmCPF_FLivreCPF, kLeaf) {}

} // namespace vks
