#include "screens/queries/TFrmCompFatura_GenCPF.h"

#include "host/RequestLayouts.h"
#include "screens/ScreenNames.h"

namespace vks {
namespace {
constexpr InvoiceLeaf kLeaf{.query = {.layout = &TrnConsultaInformacoesClienteCPF,
                                      .title = 1606,
                                      .entryType = "08",
                                      .code = "010",
                                      .writes = kKeyTag},
                            .dueDateCaption = 0};
} // namespace

TFrmCompFatura_GenCPF::TFrmCompFatura_GenCPF()
    : InvoiceCompositionScreen(screen::TFrmCompFatura_GenCPF, kLeaf) {}

} // namespace vks
