#include "screens/queries/TFrmMilhas_GenCPF.h"

#include "host/RequestLayouts.h"
#include "screens/ScreenNames.h"

namespace vks {
namespace {
constexpr QueryLeaf kLeaf{
    .layout = &TrnConsultaMilhasCPF, .title = 510, .entryType = "02", .code = "001", .writes = kKeyTag};
} // namespace

TFrmMilhas_GenCPF::TFrmMilhas_GenCPF()
    : QueryScreen(screen::TFrmMilhas_GenCPF, kLeaf) {}

} // namespace vks
