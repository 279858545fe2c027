#include "screens/queries/TFrmCancOcorr_GenRegOcorr.h"

#include "host/RequestLayouts.h"
#include "screens/ScreenNames.h"
#include "screens/base/FieldStore.h"
#include "screens/base/SharedMessages.h"
#include "ui/StoredDates.h"

namespace vks {
namespace {
constexpr QueryLeaf kLeaf{
    .layout = &TrnConsultaGenericaCancRegOcorrencia, .title = 515, .entryType = "10", .code = "001", .writes = kTag};
constexpr MessageId kStoreMissing = 844;
constexpr MessageId kPointOfSaleMissing = 845;
} // namespace

TFrmCancOcorr_GenRegOcorr::TFrmCancOcorr_GenRegOcorr()
    : QueryScreen(screen::TFrmCancOcorr_GenRegOcorr, kLeaf),
      edDataOcorrencia(addMaskedEdit({.name = "edDataOcorrencia",
                                      .label = "lbDataOcorrencia",
                                      .design = "Data da Ocorrência:",
                                      .caption = 760,
                                      .hint = 37,
                                      .maxLength = 10,
                                      .mask = "00/00/0000;1;_"})),
      edLojaOcorrencia(addEdit({.name = "edLojaOcorrencia",
                                .label = "lbLojaOcorrencia",
                                .design = "Número da Loja:",
                                .caption = 761,
                                .hint = 122,
                                .maxLength = 3,
                                .keys = Keys::Digits})),
      edPDVOcorrencia(addEdit({.name = "edPDVOcorrencia",
                               .label = "lbPDVOcorrencia",
                               .design = "Número do PDV:",
                               .caption = 762,
                               .hint = 123,
                               .maxLength = 2,
                               .keys = Keys::Digits})),
      store_(*edLojaOcorrencia),
      pointOfSale_(*edPDVOcorrencia) {
    lbDataOcorrencia = labelOf(*edDataOcorrencia);
    lbLojaOcorrencia = labelOf(*edLojaOcorrencia);
    lbPDVOcorrencia = labelOf(*edPDVOcorrencia);
    setCaptureTabOrder({edCupom, edDataOcorrencia, edLojaOcorrencia, edPDVOcorrencia, edTipoEntrada});
}

void TFrmCancOcorr_GenRegOcorr::IniciaCamposForm() {
    QueryScreen::IniciaCamposForm();
    showHostCoupon();
    ui::showStoredLocked(*edDataOcorrencia, fields::read(field::TransactionDate));
    store_.fill(field::StoreNumber);
    pointOfSale_.fill(field::PointOfSale);
}

bool TFrmCancOcorr_GenRegOcorr::ValidaCamposForm() {
    if (!QueryScreen::ValidaCamposForm()) return false;
    if (!ui::holdsDateOrNothing(*edDataOcorrencia)) {
        return rejectInput(msg::kInvalidDate, *edDataOcorrencia, Retry::EnableClearFocus);
    }
    if (edLojaOcorrencia->text().isEmpty()) return rejectInput(kStoreMissing, *edLojaOcorrencia, Retry::EnableFocus);
    if (edPDVOcorrencia->text().isEmpty()) {
        return rejectInput(kPointOfSaleMissing, *edPDVOcorrencia, Retry::EnableFocus);
    }
    return true;
}

bool TFrmCancOcorr_GenRegOcorr::GravaCamposKovar() {
    if (!QueryScreen::GravaCamposKovar()) return false;
    return fields::write(field::TransactionDate, ui::storedText(*edDataOcorrencia, ui::kNoDate)) &&
           store_.store(field::StoreNumber) && pointOfSale_.store(field::PointOfSale);
}

} // namespace vks
