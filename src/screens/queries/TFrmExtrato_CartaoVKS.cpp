#include "screens/queries/TFrmExtrato_CartaoVKS.h"

#include <QLineEdit>

#include "host/RequestLayouts.h"
#include "screens/base/FieldStore.h"
#include "screens/queries/QueryContext.h"
#include "ui/CardEdit.h"

namespace vks {
namespace {
constexpr MessageId kTitle = 517;
} // namespace

TFrmExtrato_CartaoVKS::TFrmExtrato_CartaoVKS()
    : TFrmCartao_VKSAdc("TFrmExtrato_CartaoVKS") {
    setCaptureTabOrder({edCartao, edTipoEntrada});
}

void TFrmExtrato_CartaoVKS::IniciaCamposForm() {
    TFrmCartao_VKSAdc::IniciaCamposForm();
    setRequestLayout(TrnConsultaExtratoCartao);
    showWithLabel(*edTipoEntrada, false);
    lbTitulo->setText(text(kTitle));
    edTipoEntrada->setText(QStringLiteral("02"));
    query::load(query::TipoConsulta);
    query::load(query::SaidaConsulta);
}

bool TFrmExtrato_CartaoVKS::GravaCamposKovar() {
    if (!TFrmCartao_VKSAdc::GravaCamposKovar()) return false;
    return fields::writeAuthorizerTag() && query::store(query::TipoConsulta) && query::store(query::SaidaConsulta) &&
           storeKey() && storeMissingHostCode();
}

} // namespace vks
