#include "screens/queries/TFrmMilhas_GenCPF.h"

#include "host/RequestLayouts.h"

namespace vks {
namespace {
constexpr QueryLeaf kLeaf{
    .layout = &TrnConsultaMilhasCPF, .title = 510, .entryType = "02", .code = "001", .writes = kKeyTag};
} // namespace

TFrmMilhas_GenCPF::TFrmMilhas_GenCPF()
    : QueryScreen("TFrmMilhas_GenCPF", kLeaf) {}

} // namespace vks
