#pragma once

#include <string_view>

namespace vks {

// The class name of each screen the module opens, spelled here once: the
// screen table's rows (ScreenTable.cpp), the screens themselves, the
// dispatcher and the simulated client all name a screen through these. No
// Qt here, so that the simulated client, which never links the module, can
// read them too.
namespace screen {
inline constexpr std::string_view TFrmVCheque_AutGen = "TFrmVCheque_AutGen";
inline constexpr std::string_view TFrmNumChq = "TFrmNumChq";
inline constexpr std::string_view TFrmCancVCheque_AutGen = "TFrmCancVCheque_AutGen";
inline constexpr std::string_view TFrmPagParcBRQ_VKSTrn = "TFrmPagParcBRQ_VKSTrn";
inline constexpr std::string_view TFrmPagParcBRQ_CncTrn = "TFrmPagParcBRQ_CncTrn";
inline constexpr std::string_view TFrmAVista_VendaCartaoMilhas = "TFrmAVista_VendaCartaoMilhas";
inline constexpr std::string_view TFrmSJuros_ParcMilhas = "TFrmSJuros_ParcMilhas";
inline constexpr std::string_view TFrmCJuros_ParcMilhas = "TFrmCJuros_ParcMilhas";
inline constexpr std::string_view TFrmAquis_MilhasVKS = "TFrmAquis_MilhasVKS";
inline constexpr std::string_view TFrmEstVenda_EstVenAquis = "TFrmEstVenda_EstVenAquis";
inline constexpr std::string_view TFrmEstAquis_EstVenAquis = "TFrmEstAquis_EstVenAquis";
inline constexpr std::string_view TFrmValorBRQ_VKSAdc = "TFrmValorBRQ_VKSAdc";
inline constexpr std::string_view TFrmExtrato_CartaoVKS = "TFrmExtrato_CartaoVKS";
inline constexpr std::string_view TFrmExtrato_CPFVKS = "TFrmExtrato_CPFVKS";
inline constexpr std::string_view TFrmMilhas_GenCartao = "TFrmMilhas_GenCartao";
inline constexpr std::string_view TFrmMilhas_GenCPF = "TFrmMilhas_GenCPF";
inline constexpr std::string_view TFrmMExtrato_GenCartao = "TFrmMExtrato_GenCartao";
inline constexpr std::string_view TFrmMExtrato_GenCPF = "TFrmMExtrato_GenCPF";
inline constexpr std::string_view TFrmCartao_FLivreCartao = "TFrmCartao_FLivreCartao";
inline constexpr std::string_view TFrmCPF_FLivreCPF = "TFrmCPF_FLivreCPF";
inline constexpr std::string_view TFrmIdOcorr_GenRegOcorr = "TFrmIdOcorr_GenRegOcorr";
inline constexpr std::string_view TFrmCancOcorr_GenRegOcorr = "TFrmCancOcorr_GenRegOcorr";
inline constexpr std::string_view TFrmCompFatura_GenCartao = "TFrmCompFatura_GenCartao";
inline constexpr std::string_view TFrmCompFatura_GenCPF = "TFrmCompFatura_GenCPF";
inline constexpr std::string_view TFrmCBasico_FLivreCPF = "TFrmCBasico_FLivreCPF";
} // namespace screen

} // namespace vks
