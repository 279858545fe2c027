#include "screens/base/TFrmVKS_TrnMod.h"

#include <QLabel>
#include <QLineEdit>

namespace vks {

TFrmVKS_TrnMod::TFrmVKS_TrnMod(std::string_view className)
    : TFrmTrn_Mod(className),
      clique_(*this, *btConfirma, [this] { btConfirmaClick(); }) {
    lbTitulo->setText(QStringLiteral("FORMULÁRIO PADRÃO PARA CAPTURA DE DADOS VKS"));
    edTipoEntrada = addEdit({.name = "edTipoEntrada",
                             .label = "lbTipoEntrada",
                             .design = "Tipo de Entrada:",
                             .hint = 97,
                             .keys = Keys::Digits});
    lbTipoEntrada = labelOf(*edTipoEntrada);
    showWithLabel(*edTipoEntrada, false);
}

} // namespace vks
