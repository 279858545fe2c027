#include "screens/miles/TFrmParc_VendaCartaoMilhas.h"

#include <QDate>
#include <QLineEdit>

#include "core/FieldText.h"
#include "core/Text.h"
#include "host/Messages.h"
#include "screens/base/FieldStore.h"
#include "screens/base/SharedMessages.h"
#include "screens/miles/MilesSettings.h"
#include "ui/MaskedEdit.h"
#include "ui/StoredDates.h"

namespace vks {
namespace {

constexpr MessageId kInstallmentsOutOfRange = 319;

} // namespace

TFrmParc_VendaCartaoMilhas::TFrmParc_VendaCartaoMilhas(std::string_view className)
    : TFrmVendaCartao_MilhasVKS(className),
      edNumParc(addEdit({.name = "edNumParc",
                         .label = "lbNumParc",
                         .design = "Parcelas:",
                         .caption = 549,
                         .hint = 23,
                         .maxLength = 2,
                         .keys = Keys::Digits})),
      edDtPrimParcela(addMaskedEdit({.name = "edDtPrimParcela",
                                     .label = "lbDtPrimParcela",
                                     .design = "1ª Parcela:",
                                     .caption = 567,
                                     .hint = 33,
                                     .maxLength = 10,
                                     .mask = "!99/99/9999;1;_"})) {
    captureInstallments({{edNumParc}, {edDtPrimParcela}});
}

void TFrmParc_VendaCartaoMilhas::IniciaCamposForm() {
    TFrmVendaCartao_MilhasVKS::IniciaCamposForm();
    ui::showStoredLocked(*edDtPrimParcela, fields::read(field::FirstInstallmentDate));
    fillSupplied(*edNumParc, fields::read(field::InstallmentCount));
}

bool TFrmParc_VendaCartaoMilhas::ValidaCamposForm() {
    if (!TFrmVendaCartao_MilhasVKS::ValidaCamposForm()) return false;
    // Two digits at most can be typed; a count from the host that is not a
    // whole number counts as none.
    const std::string count = fieldBytes(edNumParc->text());
    if (isBlank(count) || toInt(count, 0) < 1) {
        return rejectInput(kInstallmentsOutOfRange, *edNumParc, Retry::EnableClearFocus, {"1", "99"});
    }
    if (!ui::holdsDateOrBlank(*edDtPrimParcela)) {
        return rejectInput(msg::kInvalidDate, *edDtPrimParcela, Retry::EnableClearFocus);
    }
    return true;
}

bool TFrmParc_VendaCartaoMilhas::GravaCamposKovar() {
    if (!TFrmVendaCartao_MilhasVKS::GravaCamposKovar()) return false;
    return fields::writeAll({{field::InstallmentCount, fieldBytes(edNumParc->text())},
                             {field::FirstInstallmentDate, ui::storedText(*edDtPrimParcela, ui::kNoDate)}});
}

} // namespace vks
