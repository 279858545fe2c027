#include "screens/queries/TFrmCompFatura_GenCartao.h"

#include "host/RequestLayouts.h"
#include "screens/ScreenNames.h"

namespace vks {
namespace {
constexpr InvoiceLeaf kLeaf{.query = {.layout = &TrnConsultaInformacoesClienteCartao,
                                      .title = 1607,
                                      .entryType = "07",
                                      .code = "010",
                                      .writes = kTagKey,
                                      .keyCaption = 782},
                            .dueDateCaption = 1077};
} // namespace

TFrmCompFatura_GenCartao::TFrmCompFatura_GenCartao()
    : InvoiceCompositionScreen(screen::TFrmCompFatura_GenCartao, kLeaf) {}

} // namespace vks
