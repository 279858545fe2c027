#pragma once

#include <QComboBox>

#include "host/Fields.h"
#include "screens/base/FieldStore.h"
#include "screens/base/SharedMessages.h"
#include "screens/queries/QueryScreen.h"
#include "ui/StoredDates.h"

namespace vks {

namespace mini {
// The scope the host supplied in field 1075: "0" or "1" selects that item
// and locks the list; any other text leaves it enabled with none selected.
void showHostScope(QComboBox& scope);
// Field 1075 := the first character of the chosen scope.
bool storeScope(const QComboBox& scope);
} // namespace mini

// The mini statement, by card or by CPF: the movements from a start date,
// in part or in full.
template <class GenericScreen>
class MiniStatementScreen : public QueryScreen<GenericScreen> {
public:
    MiniStatementScreen(std::string_view className, const QueryLeaf& leaf)
        : QueryScreen<GenericScreen>(className, leaf),
          edDataInicio(this->addMaskedEdit({.name = "edDataInicio",
                                            .label = "lbDataInicio",
                                            .design = "Data de início:",
                                            .caption = 734,
                                            .hint = 296,
                                            .maxLength = 10,
                                            .mask = "00/00/0000;1;_"})),
          cbEscopo(this->addList({.name = "cbEscopo",
                                  .label = "lbEscopo",
                                  .design = "Escopo:",
                                  .caption = 732,
                                  .hint = 120,
                                  .keys = Keys::OwnSteps},
                                 {QStringLiteral("0 - Parcial"), QStringLiteral("1 - Total")})) {
        lbDataInicio = this->labelOf(*edDataInicio);
        lbEscopo = this->labelOf(*cbEscopo);
        this->setCaptureTabOrder({this->keyControl(), edDataInicio, cbEscopo, this->edTipoEntrada});
    }

    void IniciaCamposForm() override {
        QueryScreen<GenericScreen>::IniciaCamposForm();
        ui::showStoredLocked(*edDataInicio, fields::read(field::MiniStatementStart));
        mini::showHostScope(*cbEscopo);
    }

    bool ValidaCamposForm() override {
        if (!GenericScreen::ValidaCamposForm()) return false;
        if (!ui::holdsDateOrNothing(*edDataInicio)) {
            return this->rejectInput(msg::kInvalidDate, *edDataInicio, Retry::EnableClearFocus);
        }
        if (cbEscopo->currentIndex() < 0) return this->rejectInput(kNoScope, *cbEscopo, Retry::EnableFocus);
        return true;
    }

    bool GravaCamposKovar() override {
        if (!QueryScreen<GenericScreen>::GravaCamposKovar()) return false;
        return fields::write(field::MiniStatementStart, ui::storedText(*edDataInicio, ui::kNoDate)) &&
               mini::storeScope(*cbEscopo);
    }

protected:
    static constexpr MessageId kNoScope = 854;

    QLabel* lbDataInicio;
    ui::MaskedEdit* edDataInicio;
    QLabel* lbEscopo;
    QComboBox* cbEscopo;
};

} // namespace vks
