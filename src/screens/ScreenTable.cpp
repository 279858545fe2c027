#include <array>

#include <QDialog>

#include "core/ModuleState.h"
#include "screens/ScreenTable.h"
#include "screens/base/CreateScreen.h"
#include "screens/cheque/TFrmCancVCheque_AutGen.h"
#include "screens/cheque/TFrmNumChq.h"
#include "screens/cheque/TFrmVCheque_AutGen.h"
#include "screens/miles/TFrmAVista_VendaCartaoMilhas.h"
#include "screens/miles/TFrmAquis_MilhasVKS.h"
#include "screens/miles/TFrmCJuros_ParcMilhas.h"
#include "screens/miles/TFrmEstAquis_EstVenAquis.h"
#include "screens/miles/TFrmEstVenda_EstVenAquis.h"
#include "screens/miles/TFrmPagParcBRQ_CncTrn.h"
#include "screens/miles/TFrmPagParcBRQ_VKSTrn.h"
#include "screens/miles/TFrmSJuros_ParcMilhas.h"
#include "screens/queries/TFrmCBasico_FLivreCPF.h"
#include "screens/queries/TFrmCPF_FLivreCPF.h"
#include "screens/queries/TFrmCancOcorr_GenRegOcorr.h"
#include "screens/queries/TFrmCartao_FLivreCartao.h"
#include "screens/queries/TFrmCompFatura_GenCPF.h"
#include "screens/queries/TFrmCompFatura_GenCartao.h"
#include "screens/queries/TFrmExtrato_CPFVKS.h"
#include "screens/queries/TFrmExtrato_CartaoVKS.h"
#include "screens/queries/TFrmIdOcorr_GenRegOcorr.h"
#include "screens/queries/TFrmMExtrato_GenCPF.h"
#include "screens/queries/TFrmMExtrato_GenCartao.h"
#include "screens/queries/TFrmMilhas_GenCPF.h"
#include "screens/queries/TFrmMilhas_GenCartao.h"
#include "screens/queries/TFrmValorBRQ_VKSAdc.h"
#include "ui/Activation.h"

namespace vks {
namespace {

// One row per screen class the module can open. A class listed by the
// dispatcher but absent here yields no screen (message 802).
constexpr std::array kScreens{
    ScreenClass{screen::TFrmVCheque_AutGen, createScreen<TFrmVCheque_AutGen>},
    ScreenClass{screen::TFrmNumChq, createScreen<TFrmNumChq>},
    ScreenClass{screen::TFrmCancVCheque_AutGen, createScreen<TFrmCancVCheque_AutGen>},
    ScreenClass{screen::TFrmPagParcBRQ_VKSTrn, createScreen<TFrmPagParcBRQ_VKSTrn>},
    ScreenClass{screen::TFrmPagParcBRQ_CncTrn, createScreen<TFrmPagParcBRQ_CncTrn>},
    ScreenClass{screen::TFrmAVista_VendaCartaoMilhas, createScreen<TFrmAVista_VendaCartaoMilhas>},
    ScreenClass{screen::TFrmSJuros_ParcMilhas, createScreen<TFrmSJuros_ParcMilhas>},
    ScreenClass{screen::TFrmCJuros_ParcMilhas, createScreen<TFrmCJuros_ParcMilhas>},
    ScreenClass{screen::TFrmAquis_MilhasVKS, createScreen<TFrmAquis_MilhasVKS>},
    ScreenClass{screen::TFrmEstVenda_EstVenAquis, createScreen<TFrmEstVenda_EstVenAquis>},
    ScreenClass{screen::TFrmEstAquis_EstVenAquis, createScreen<TFrmEstAquis_EstVenAquis>},
    ScreenClass{screen::TFrmValorBRQ_VKSAdc, createScreen<TFrmValorBRQ_VKSAdc>},
    ScreenClass{screen::TFrmExtrato_CartaoVKS, createScreen<TFrmExtrato_CartaoVKS>},
    ScreenClass{screen::TFrmExtrato_CPFVKS, createScreen<TFrmExtrato_CPFVKS>},
    ScreenClass{screen::TFrmMilhas_GenCartao, createScreen<TFrmMilhas_GenCartao>},
    ScreenClass{screen::TFrmMilhas_GenCPF, createScreen<TFrmMilhas_GenCPF>},
    ScreenClass{screen::TFrmMExtrato_GenCartao, createScreen<TFrmMExtrato_GenCartao>},
    ScreenClass{screen::TFrmMExtrato_GenCPF, createScreen<TFrmMExtrato_GenCPF>},
    ScreenClass{screen::TFrmCartao_FLivreCartao, createScreen<TFrmCartao_FLivreCartao>},
    ScreenClass{screen::TFrmCPF_FLivreCPF, createScreen<TFrmCPF_FLivreCPF>},
    ScreenClass{screen::TFrmIdOcorr_GenRegOcorr, createScreen<TFrmIdOcorr_GenRegOcorr>},
    ScreenClass{screen::TFrmCancOcorr_GenRegOcorr, createScreen<TFrmCancOcorr_GenRegOcorr>},
    ScreenClass{screen::TFrmCompFatura_GenCartao, createScreen<TFrmCompFatura_GenCartao>},
    ScreenClass{screen::TFrmCompFatura_GenCPF, createScreen<TFrmCompFatura_GenCPF>},
    ScreenClass{screen::TFrmCBasico_FLivreCPF, createScreen<TFrmCBasico_FLivreCPF>},
};

} // namespace

const ScreenClass* findScreenClass(std::string_view className) {
    for (const ScreenClass& screen : kScreens) {
        if (screen.className == className) return &screen;
    }
    return nullptr;
}

std::span<const ScreenClass> screenClasses() { return kScreens; }

std::string referenceNameOf(std::string_view className) {
    if (!className.empty() && className.front() == 'T') className.remove_prefix(1);
    return std::string(className);
}

ReferencedScreen::ReferencedScreen(std::string_view className, QDialog* opener)
    : reference_(referenceNameOf(className)) {
    const ScreenClass* screenClass = findScreenClass(className);
    if (screenClass != nullptr) screen_ = screenClass->create(opener);
    if (screen_) state().screens[reference_] = screen_.get();
}

// The reference goes before the screen does.
ReferencedScreen::~ReferencedScreen() {
    if (screen_) state().screens.erase(reference_);
}

int ReferencedScreen::runModal(QWidget* returnTo) { return ui::runModal(*screen_, returnTo); }

} // namespace vks
