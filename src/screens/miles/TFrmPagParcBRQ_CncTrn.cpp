#include "screens/miles/TFrmPagParcBRQ_CncTrn.h"

#include <QGridLayout>
#include <QLineEdit>

#include "core/WipedString.h"
#include "host/RequestLayouts.h"
#include "screens/ScreenNames.h"
#include "screens/base/FieldStore.h"
#include "ui/CardEdit.h"
#include "ui/MaskedEdit.h"

namespace vks {
namespace {

constexpr MessageId kTitle = 519;

// Puts `control` in the grid cell of `owner`, so that the one label beside
// that cell names whichever of them is shown.
void shareCell(QWidget& owner, QWidget& control) {
    auto* grid = qobject_cast<QGridLayout*>(owner.parentWidget()->layout());
    if (grid == nullptr) return;
    const int at = grid->indexOf(&owner);
    if (at < 0) return;
    int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
    grid->getItemPosition(at, &row, &column, &rowSpan, &columnSpan);
    grid->removeWidget(&control);
    grid->addWidget(&control, row, column);
}

} // namespace

TFrmPagParcBRQ_CncTrn::TFrmPagParcBRQ_CncTrn()
    : TFrmCnc_Trn(screen::TFrmPagParcBRQ_CncTrn),
      edDadosDocumento(addEdit({.name = "edDadosDocumento",
                                .label = "lbDadosDocumento",
                                .design = "Documento:",
                                .hint = 264,
                                .maxLength = 13,
                                .keys = Keys::HostNumeric})),
      edCPF(addMaskedEdit({.name = "edCPF", .hint = 67, .maxLength = 14, .mask = "999.999.999-99;0;_"})),
      edCartao(addCardEdit({.name = "edCartao", .hint = 233, .maxLength = 16, .keys = Keys::HostNumeric})),
      identification_(*edDadosDocumento, *edCPF, *edCartao) {
    lbDadosDocumento = labelOf(*edDadosDocumento);
    shareCell(*edDadosDocumento, *edCPF);
    shareCell(*edDadosDocumento, *edCartao);
    // Until the entry type names another, the document code is the one shown.
    edCPF->hide();
    edCartao->hide();
}

void TFrmPagParcBRQ_CncTrn::IniciaCamposForm() {
    TFrmCnc_Trn::IniciaCamposForm();
    setRequestLayout(TrnCancPagtoParcelaVKS);
    lbTitulo->setText(text(kTitle));

    const EntryTypeRow* row = readEntryType();
    if (row == nullptr) return; // every control stays as created
    lbDadosDocumento->setText(text(row->caption));
    QWidget& shown = identification_.controlFor(*row);
    for (QWidget* control :
         {static_cast<QWidget*>(edDadosDocumento), static_cast<QWidget*>(edCPF), static_cast<QWidget*>(edCartao)}) {
        control->setVisible(control == &shown);
    }
    const WipedString supplied(fields::read(row->field));
    identification_.fill(*row, supplied.view());
}

bool TFrmPagParcBRQ_CncTrn::ValidaCamposForm() {
    if (!TFrmCnc_Trn::ValidaCamposForm()) return false;
    if (const auto rejected = identification_.rejection(*this)) {
        return rejectInput(rejected->message, *rejected->control, Retry::ClearFocusIfEnabled);
    }
    return true;
}

bool TFrmPagParcBRQ_CncTrn::GravaCamposKovar() {
    if (!TFrmCnc_Trn::GravaCamposKovar()) return false;
    if (!fields::writeAuthorizerTag()) return false;
    return identification_.store(readEntryType());
}

} // namespace vks
