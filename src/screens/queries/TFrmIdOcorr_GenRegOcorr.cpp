#include "screens/queries/TFrmIdOcorr_GenRegOcorr.h"

#include "core/FieldText.h"
#include "core/Text.h"
#include "host/Messages.h"
#include "host/RequestLayouts.h"
#include "screens/ScreenNames.h"
#include "screens/base/FieldStore.h"
#include "screens/base/SharedMessages.h"

namespace vks {
namespace {
constexpr QueryLeaf kLeaf{
    .layout = &TrnConsultaGenericaRegOcorrencia, .title = 514, .entryType = "09", .code = "001", .writes = kTag};
constexpr MessageId kCodeMissing = 828;
// The list's one kind, as field 1181 carries it.
constexpr std::string_view kGiftList = "P";
} // namespace

TFrmIdOcorr_GenRegOcorr::TFrmIdOcorr_GenRegOcorr()
    : QueryScreen(screen::TFrmIdOcorr_GenRegOcorr, kLeaf),
      cbIdOcorrencia(addList({.name = "cbIdOcorrencia",
                              .label = "lbIdOcorrencia",
                              .design = "Id. Ocorrência:",
                              .caption = 759,
                              .hint = 113,
                              .keys = Keys::OwnSteps},
                             {QStringLiteral("P - Lista de Presentes")})),
      edCodOcorrencia(addEdit({.name = "edCodOcorrencia",
                               .label = "lbCodOcorrencia",
                               .design = "Cód. Ocorrência:",
                               .caption = 764,
                               .hint = 114,
                               .maxLength = 6,
                               .keys = Keys::Digits})),
      code_(*edCodOcorrencia) {
    lbIdOcorrencia = labelOf(*cbIdOcorrencia);
    lbCodOcorrencia = labelOf(*edCodOcorrencia);
    // The coupon is asked last here; the rows follow the tab order.
    setCaptureTabOrder({cbIdOcorrencia, edCodOcorrencia, edCupom, edTipoEntrada});
}

void TFrmIdOcorr_GenRegOcorr::IniciaCamposForm() {
    QueryScreen::IniciaCamposForm();
    showHostCoupon();
    // A kind from the host locks the list, even one it does not hold.
    const std::string kind = fields::read(field::OccurrenceKind);
    if (!isBlank(kind)) {
        if (kind == kGiftList) cbIdOcorrencia->setCurrentIndex(0);
        cbIdOcorrencia->setEnabled(false);
    }
    code_.fill(field::OccurrenceCode);
}

bool TFrmIdOcorr_GenRegOcorr::ValidaCamposForm() {
    if (!QueryScreen::ValidaCamposForm()) return false;
    if (cbIdOcorrencia->currentIndex() < 0)
        return rejectInput(msg::kOccurrenceNotChosen, *cbIdOcorrencia, Retry::EnableFocus);
    if (edCodOcorrencia->text().isEmpty()) return rejectInput(kCodeMissing, *edCodOcorrencia, Retry::EnableFocus);
    return true;
}

bool TFrmIdOcorr_GenRegOcorr::GravaCamposKovar() {
    if (!QueryScreen::GravaCamposKovar()) return false;
    if (cbIdOcorrencia->currentIndex() >= 0 &&
        !fields::write(field::OccurrenceKind, fieldBytes(cbIdOcorrencia->currentText().left(1)))) {
        return false;
    }
    return code_.store(field::OccurrenceCode);
}

// The list steps and searches on the keys as typed, not as the host's
// keyboard routine reads them; Enter still moves on as everywhere.
bool TFrmIdOcorr_GenRegOcorr::FormKeyPress(QWidget* focus, const QKeyEvent& event, QString& key) {
    const QString typed = key;
    if (QueryScreen::FormKeyPress(focus, event, key)) return true;
    if (focus == cbIdOcorrencia) key = typed;
    return false;
}

} // namespace vks
