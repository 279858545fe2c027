#include "screens/queries/TFrmMilhas_GenCartao.h"

#include "host/RequestLayouts.h"
#include "screens/ScreenNames.h"

namespace vks {
namespace {
constexpr QueryLeaf kLeaf{.layout = &TrnConsultaMilhasCartao,
                          .title = 511,
                          .entryType = "01",
                          .code = "001",
                          .writes = kTagKeyHostCode,
                          .keyCaption = 782};
} // namespace

TFrmMilhas_GenCartao::TFrmMilhas_GenCartao()
    : QueryScreen(screen::TFrmMilhas_GenCartao, kLeaf) {}

} // namespace vks
