#pragma once

#include <cstddef>

#include "vks/host_abi.h"

// The request layouts handed to the host's AutorizaTransacao: for each
// request, which fields of the field store the host sends, in which order,
// with which width, type and block flag, and which fixed texts go between
// them. The host reads them by address, so they are module-wide records in
// the host's byte layout.
namespace vks {

// Texts composed by a screen just before authorization; the layouts below
// point at them, so they must hold their final text when the layout is sent.
inline constexpr std::size_t CodigoValorMilhasLength = 30;
inline constexpr std::size_t ValorFinanciadoLength = 12;
extern char pCodigoValorMilhas[CodigoValorMilhasLength + 1]; // miles sale
extern char aValorFinanciado[ValorFinanciadoLength + 1];     // cheque sale

// Entries a layout may list before its terminator.
inline constexpr std::size_t MaxLayoutEntries = VKS_LAYOUT_ENTRIES - 1;

// Entry of TrnVChequeAutGenVKS whose occurrence carries the number of
// installments of the cheque sale, set before each authorization.
inline constexpr std::size_t ChequeInstallmentsEntry = 40;

// Installments and miles
extern VksRequestLayout TrnPagtoParcVKS;
extern VksRequestLayout TrnCancPagtoParcelaVKS;
extern VksRequestLayout TrnVendaMilhasVKS;
extern VksRequestLayout TrnAquisicaoMilhasVKS;
extern VksRequestLayout TrnCancelamentoVendaAquis;

// Cheques
extern VksRequestLayout TrnVChequeAutGenVKS;
extern VksRequestLayout TrnCancVChqAutGenVKS;

// Queries
extern VksRequestLayout TrnConsultaValorDocumentoBRQ;
extern VksRequestLayout TrnConsultaExtratoCartao;
extern VksRequestLayout TrnConsultaExtratoCPF;
extern VksRequestLayout TrnConsultaMilhasCartao;
extern VksRequestLayout TrnConsultaMilhasCPF;
extern VksRequestLayout TrnConsultaMiniExtratoCartao;
extern VksRequestLayout TrnConsultaMiniExtratoCPF;
extern VksRequestLayout TrnConsultaLivreCartao;
extern VksRequestLayout TrnConsultaLivreCPF;
extern VksRequestLayout TrnConsultaLivreBasico;
extern VksRequestLayout TrnConsultaGenericaRegOcorrencia;
extern VksRequestLayout TrnConsultaGenericaCancRegOcorrencia;
extern VksRequestLayout TrnConsultaInformacoesClienteCartao;
extern VksRequestLayout TrnConsultaInformacoesClienteCPF;

// Restores every layout to its static contents and clears the composed-text
// buffers; nothing of a previous load survives an unload.
void resetRequestLayouts();

} // namespace vks
