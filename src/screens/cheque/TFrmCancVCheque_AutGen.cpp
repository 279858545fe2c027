#include "screens/cheque/TFrmCancVCheque_AutGen.h"

#include <QLabel>
#include <QLineEdit>

#include "core/FieldText.h"
#include "core/Text.h"
#include "host/Messages.h"
#include "host/RequestLayouts.h"
#include "screens/ScreenNames.h"
#include "screens/base/FieldStore.h"
#include "ui/KeyFilters.h"
#include "ui/MaskedEdit.h"

namespace vks {
namespace {

constexpr MessageId kTitle = 529;
constexpr MessageId kNsuMissing = 811;

// The query output of a cancellation is "V" unless the host says otherwise.
constexpr query::ContextValue kSaidaConsulta{&ModuleState::SaidaConsulta, field::QueryOutput, 1, "V"};

// The NSU takes digits and the decimal marks.
bool isNsuKey(const QString& key) {
    return ui::isDigitBackspaceEnter(key) || key == QLatin1String(",") || key == QLatin1String(".");
}

} // namespace

TFrmCancVCheque_AutGen::TFrmCancVCheque_AutGen()
    : TFrmAutGen_VKSTrn(screen::TFrmCancVCheque_AutGen),
      edNSU(
          addEdit({.name = "edNSU", .label = "lbNSU", .design = "NSU:", .caption = 783, .hint = 52, .maxLength = 9})) {
    new ui::CharFilter(*edNSU, isNsuKey);
    captureBefore(*edOperador, *edNSU);
}

void TFrmCancVCheque_AutGen::IniciaCamposForm() {
    TFrmAutGen_VKSTrn::IniciaCamposForm();
    lbTitulo->setText(text(kTitle));
    setRequestLayout(TrnCancVChqAutGenVKS);
    edNSU->setText(fieldText(fields::read(field::Nsu)));
    if (!edNSU->text().isEmpty()) edNSU->setEnabled(false);
    query::load(kSaidaConsulta);
    arrangeCapture(2);
}

bool TFrmCancVCheque_AutGen::ValidaCamposForm() {
    if (!TFrmAutGen_VKSTrn::ValidaCamposForm()) return false;
    if (trimmed(fieldBytes(edNSU->text())).empty()) return rejectInput(kNsuMissing, *edNSU, Retry::EnableClearFocus);
    return true;
}

bool TFrmCancVCheque_AutGen::GravaCamposKovar() {
    if (!TFrmAutGen_VKSTrn::GravaCamposKovar()) return false;
    if (!storeChequeHeader("002", "02")) return false;
    const std::string nsu = fieldBytes(edNSU->text());
    if (!trimmed(nsu).empty() && !fields::write(field::Nsu, nsu)) return false;
    return storeIdentificationCard();
}

} // namespace vks
