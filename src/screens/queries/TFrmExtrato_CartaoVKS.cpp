#include "screens/queries/TFrmExtrato_CartaoVKS.h"

#include <QLineEdit>

#include "entry/WipedString.h"
#include "host/Messages.h"
#include "host/RequestLayouts.h"
#include "screens/queries/QueryContext.h"
#include "ui/CardEdit.h"

namespace vks {
namespace {
constexpr MessageId kTitle = 517;
constexpr int kHostCodeWidth = 4;
} // namespace

TFrmExtrato_CartaoVKS::TFrmExtrato_CartaoVKS() : TFrmCartao_VKSAdc("TFrmExtrato_CartaoVKS") {
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
    HostServices& h = host();
    if (h.GravaCampoString(field::AuthorizerTag, 0, "36") != 0 || !query::store(query::TipoConsulta) ||
        !query::store(query::SaidaConsulta)) {
        return false;
    }
    WipedString typed;
    if (takeTypedNumber(typed) && h.GravaCampoString(field::DocumentData, 0, typed.view()) != 0) return false;
    // A host code that never reached 10147 is sent as zeros.
    const WipedString hostCode(h.LeCampo(field::HostCodeCopy));
    if (!hostCode.empty()) return true;
    const WipedString zeros(h.PreencherZerosEsquerda(hostCode.view(), kHostCodeWidth));
    return h.GravaCampoString(field::HostCode, 0, zeros.view()) == 0;
}

} // namespace vks
