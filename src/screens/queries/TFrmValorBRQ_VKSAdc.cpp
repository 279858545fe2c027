#include "screens/queries/TFrmValorBRQ_VKSAdc.h"

#include <array>

#include <QLineEdit>

#include "core/FieldText.h"
#include "core/Text.h"
#include "host/Messages.h"
#include "host/RequestLayouts.h"
#include "screens/ScreenNames.h"
#include "screens/base/FieldStore.h"
#include "screens/base/SharedMessages.h"
#include "screens/queries/QueryContext.h"
#include "ui/KeyFilters.h"

namespace vks {
namespace {

constexpr MessageId kTitle = 518;
constexpr MessageId kDocumentHint = 264;

// Caption of the document by entry type; any other keeps the design text.
struct DocumentCaption {
    const char* entryType;
    MessageId caption;
};
constexpr std::array<DocumentCaption, 3> kDocumentCaptions{{{"01", 779}, {"02", 780}, {"03", 781}}};

bool isDocumentKey(const QString& key) {
    return ui::isDigitBackspaceEnter(key) || key == QLatin1String(",") || key == QLatin1String(".");
}

} // namespace

TFrmValorBRQ_VKSAdc::TFrmValorBRQ_VKSAdc()
    : TFrmVKS_Adc(screen::TFrmValorBRQ_VKSAdc),
      edDadosDocumento(addEdit({.name = "edDadosDocumento",
                                .label = "lbDadosDocumento",
                                .design = "Código Resumido:",
                                .hint = kDocumentHint,
                                .maxLength = 47})) {
    lbDadosDocumento = labelOf(*edDadosDocumento);
    new ui::CharFilter(*edDadosDocumento, isDocumentKey);
    setCaptureTabOrder({edDadosDocumento, edTipoEntrada});
}

void TFrmValorBRQ_VKSAdc::IniciaCamposForm() {
    TFrmVKS_Adc::IniciaCamposForm();
    setRequestLayout(TrnConsultaValorDocumentoBRQ);
    showWithLabel(*edTipoEntrada, false);
    lbTitulo->setText(text(kTitle));
    query::load(query::TipoConsulta);
    query::load(query::SaidaConsulta);

    QString entryType = fieldText(fields::read(field::EntryType));
    while (entryType.size() < 2) entryType.prepend(QLatin1Char('0'));
    edTipoEntrada->setText(entryType);
    for (const DocumentCaption& row : kDocumentCaptions) {
        if (edTipoEntrada->text() == QLatin1String(row.entryType)) lbDadosDocumento->setText(text(row.caption));
    }

    edDadosDocumento->setText(fieldText(fields::read(field::DocumentData)));
    // A document passed in by the host cannot be changed.
    if (!isBlank(fieldBytes(edDadosDocumento->text()))) edDadosDocumento->setEnabled(false);
}

bool TFrmValorBRQ_VKSAdc::ValidaCamposForm() {
    if (!TFrmVKS_Adc::ValidaCamposForm()) return false;
    if (isBlank(fieldBytes(edDadosDocumento->text()))) {
        return rejectInput(msg::kInvalidOrMissing, *edDadosDocumento, Retry::EnableClearFocus);
    }
    return true;
}

bool TFrmValorBRQ_VKSAdc::GravaCamposKovar() {
    if (!TFrmVKS_Adc::GravaCamposKovar()) return false;
    return fields::writeAuthorizerTag() && query::store(query::TipoConsulta) && query::store(query::SaidaConsulta) &&
           fields::write(field::EntryType, fieldBytes(edTipoEntrada->text())) &&
           fields::write(field::DocumentData, fieldBytes(edDadosDocumento->text()));
}

} // namespace vks
