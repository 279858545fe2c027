#pragma once

#include "core/FieldText.h"
#include "host/Fields.h"
#include "screens/base/FieldStore.h"
#include "screens/base/SharedMessages.h"
#include "screens/queries/QueryScreen.h"
#include "ui/StoredDates.h"

namespace vks {

// What sets the card and CPF invoice compositions apart besides the query.
struct InvoiceLeaf {
    QueryLeaf query;
    MessageId dueDateCaption; // 0 keeps the design text
};

// The invoice composition, by card or by CPF: the breakdown of the invoice
// that falls due on a given date, which must be known and may not lie
// ahead.
template <class GenericScreen>
class InvoiceCompositionScreen : public QueryScreen<GenericScreen> {
public:
    InvoiceCompositionScreen(std::string_view className, const InvoiceLeaf& leaf)
        : QueryScreen<GenericScreen>(className, leaf.query),
          edDataVenc(this->addMaskedEdit({.name = "edDataVenc",
                                          .label = "lbDataVenc",
                                          .design = "Data Venc.:",
                                          .hint = 704,
                                          .maxLength = 10,
                                          .mask = "99/99/9999;1;_"})),
          dueDateCaption_(leaf.dueDateCaption) {
        lbDataVenc = this->labelOf(*edDataVenc);
        this->setCaptureTabOrder({this->edTipoEntrada, this->keyControl(), edDataVenc});
    }

    void IniciaCamposForm() override {
        QueryScreen<GenericScreen>::IniciaCamposForm();
        if (dueDateCaption_ != 0) lbDataVenc->setText(this->text(dueDateCaption_));
        ui::showStoredLocked(*edDataVenc, host().RemoveFormato(fields::read(field::InvoiceDueDate)));
    }

    bool ValidaCamposForm() override {
        if (!GenericScreen::ValidaCamposForm()) return false;
        if (const auto due = ui::fullDate(*edDataVenc); !due || *due > QDate::currentDate()) {
            return this->rejectInput(msg::kInvalidDate, *edDataVenc, Retry::EnableClearFocus);
        }
        return true;
    }

    bool GravaCamposKovar() override {
        if (!QueryScreen<GenericScreen>::GravaCamposKovar()) return false;
        return fields::write(field::InvoiceDueDate, fields::bare(edDataVenc->maskedText()));
    }

protected:
    QLabel* lbDataVenc;
    ui::MaskedEdit* edDataVenc;

private:
    MessageId dueDateCaption_;
};

} // namespace vks
