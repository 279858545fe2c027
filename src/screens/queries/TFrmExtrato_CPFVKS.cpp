#include "screens/queries/TFrmExtrato_CPFVKS.h"

#include <QLineEdit>

#include "host/RequestLayouts.h"
#include "screens/base/FieldStore.h"
#include "screens/queries/QueryContext.h"
#include "ui/MaskedEdit.h"

namespace vks {
namespace {
constexpr MessageId kTitle = 516;
} // namespace

TFrmExtrato_CPFVKS::TFrmExtrato_CPFVKS()
    : TFrmCPF_VKSAdc("TFrmExtrato_CPFVKS") {
    setCaptureTabOrder({edCPF, edTipoEntrada});
}

void TFrmExtrato_CPFVKS::IniciaCamposForm() {
    TFrmCPF_VKSAdc::IniciaCamposForm();
    setRequestLayout(TrnConsultaExtratoCPF);
    showWithLabel(*edTipoEntrada, false);
    lbTitulo->setText(text(kTitle));
    edTipoEntrada->setText(QStringLiteral("02"));
    query::load(query::TipoConsulta);
    query::load(query::SaidaConsulta);
    showHostKey();
}

// Neither the CPF nor the entry type is checked here.
bool TFrmExtrato_CPFVKS::ValidaCamposForm() { return true; }

bool TFrmExtrato_CPFVKS::GravaCamposKovar() {
    if (!TFrmCPF_VKSAdc::GravaCamposKovar()) return false;
    return fields::writeAuthorizerTag() && query::store(query::TipoConsulta) && query::store(query::SaidaConsulta) &&
           storeKey();
}

} // namespace vks
