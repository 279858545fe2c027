#include "screens/queries/TFrmCompFatura_GenCPF.h"

#include "host/RequestLayouts.h"

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
    : InvoiceCompositionScreen("TFrmCompFatura_GenCPF", kLeaf) {}

} // namespace vks
