#include "screens/base/TFrmCnc_Trn.h"

#include <QDate>
#include <QLineEdit>

#include "core/FieldText.h"
#include "core/Text.h"
#include "host/Messages.h"
#include "screens/base/FieldStore.h"
#include "screens/base/SharedMessages.h"
#include "ui/MaskedEdit.h"
#include "ui/StoredDates.h"

namespace vks {
namespace {
constexpr MessageId kDateCaption = 564;
constexpr MessageId kNsuCaption = 783;
constexpr MessageId kDateHint = 37;
constexpr MessageId kNsuHint = 52;
constexpr MessageId kNsuMissing = 811;
} // namespace

TFrmCnc_Trn::TFrmCnc_Trn(std::string_view className)
    : TFrmTrn_Mod(className),
      clique_(*this, *btConfirma, [this] { btConfirmaClick(); }) {
    edDtTransacao = addMaskedEdit({.name = "edDtTransacao",
                                   .label = "lbDtTransacao",
                                   .design = "Data da Transação:",
                                   .caption = kDateCaption,
                                   .hint = kDateHint,
                                   .maxLength = 10,
                                   .mask = "!99/99/9999;1;_"});
    lbDtTransacao = labelOf(*edDtTransacao);
    edNumDocumento = addEdit({.name = "edNumDocumento",
                              .label = "lbNumDocumento",
                              .design = "NSU:",
                              .caption = kNsuCaption,
                              .hint = kNsuHint,
                              .maxLength = 9,
                              .keys = Keys::HostNumeric});
    lbNumDocumento = labelOf(*edNumDocumento);
}

bool TFrmCnc_Trn::ValidaCamposForm() {
    if (!TFrmTrn_Mod::ValidaCamposForm()) return false;
    if (!transactionDateValid()) return rejectInput(msg::kInvalidDate, *edDtTransacao, Retry::ClearFocusIfEnabled);
    if (trimmed(fieldBytes(edNumDocumento->text())).empty()) {
        return rejectInput(kNsuMissing, *edNumDocumento, Retry::EnableClearFocus);
    }
    return true;
}

bool TFrmCnc_Trn::GravaCamposKovar() {
    if (!TFrmTrn_Mod::GravaCamposKovar()) return false;
    const std::string date = host().RemoveFormato(fieldBytes(edDtTransacao->maskedText()));
    if (!fields::write(field::TransactionDate, date)) return false;
    const std::string nsu = fieldBytes(edNumDocumento->text());
    if (!trimmed(nsu).empty() && !fields::write(field::Nsu, nsu)) return false;
    return true;
}

void TFrmCnc_Trn::IniciaCamposForm() {
    TFrmTrn_Mod::IniciaCamposForm();
    ui::showStoredLocked(*edDtTransacao, fields::read(field::TransactionDate));
    edNumDocumento->setText(fieldText(fields::read(field::Nsu)));
    if (!edNumDocumento->text().isEmpty()) edNumDocumento->setEnabled(false);
}

// Eight digits forming a real day/month/year date, today at the latest.
bool TFrmCnc_Trn::transactionDateValid() const {
    const auto date = ui::fullDate(*edDtTransacao);
    return date && *date <= QDate::currentDate();
}

} // namespace vks
