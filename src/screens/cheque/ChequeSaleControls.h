#pragma once

#include "screens/base/CaptureControls.h"

// The controls of the cheque sale, beside those of every cheque authorisation.
namespace vks::sale {

inline constexpr Control kVenda{
    .name = "cbVenda", .label = "lbVenda", .design = "Venda:", .caption = 758, .hint = 298, .keys = Keys::OwnSteps};
inline constexpr Control kValorEntrada{.name = "edValorEntrada",
                                       .label = "lbValorEntrada",
                                       .design = "Valor Entrada:",
                                       .caption = 547,
                                       .hint = 30,
                                       .maxLength = 12};
inline constexpr Control kCodConsulta{.name = "edCodConsulta",
                                      .label = "lbCodConsulta",
                                      .design = "Cód. consulta:",
                                      .caption = 776,
                                      .hint = 121,
                                      .maxLength = 10};
inline constexpr Control kAcMilhas{.name = "cbAcMilhas",
                                   .label = "lbAcMilhas",
                                   .design = "Acumula Milhas:",
                                   .caption = 773,
                                   .hint = 299,
                                   .keys = Keys::OwnSteps};
inline constexpr Control kJuros{
    .name = "edJuros", .label = "lbJuros", .design = "Juros:", .caption = 771, .hint = 297, .maxLength = 7};
inline constexpr Control kNumParcelas{.name = "edNumParcelas",
                                      .label = "lbNumParcelas",
                                      .design = "Nº de Parcelas:",
                                      .caption = 550,
                                      .hint = 23,
                                      .maxLength = 2,
                                      .keys = Keys::Digits};
inline constexpr Control kNumChequeEntr{.name = "edNumChequeEntr",
                                        .label = "lbNumChequeEntr",
                                        .design = "Nº Cheque Entrada:",
                                        .caption = 777,
                                        .hint = 301,
                                        .maxLength = 6,
                                        .keys = Keys::Digits};
inline constexpr Control kNumChq{.name = "cbNumChq",
                                 .label = "lbNumChq",
                                 .design = "Nº dos Cheques:",
                                 .caption = 778,
                                 .hint = 1026,
                                 .keys = Keys::OwnSteps};
inline constexpr Control kDataPrimCheque{.name = "edDataPrimCheque",
                                         .label = "lbDataPrimCheque",
                                         .design = "Data do 1º Cheque:",
                                         .caption = 774,
                                         .hint = 300,
                                         .maxLength = 10,
                                         .mask = "!99/99/9999;1;_"};
inline constexpr Control kValorEntradaCh{.name = "edValorEntradaCh",
                                         .label = "lbValorEntradaCh",
                                         .design = "Valor Entrada Cheque:",
                                         .caption = 772,
                                         .hint = 26,
                                         .maxLength = 12};
inline constexpr Control kBanco{.name = "edBanco",
                                .label = "lbBanco",
                                .design = "Banco:",
                                .caption = 570,
                                .hint = 54,
                                .maxLength = 4,
                                .keys = Keys::Digits};
inline constexpr Control kAgencia{.name = "edAgencia",
                                  .label = "lbAgencia",
                                  .design = "Agência:",
                                  .caption = 571,
                                  .hint = 55,
                                  .maxLength = 5,
                                  .keys = Keys::Digits};
inline constexpr Control kConta{.name = "edConta",
                                .label = "lbConta",
                                .design = "Conta:",
                                .caption = 572,
                                .hint = 56,
                                .maxLength = 10,
                                .keys = Keys::Digits};
inline constexpr Control kAutorizador{.name = "edAutorizador",
                                      .label = "lbAutorizador",
                                      .design = "Matr. Autorizador:",
                                      .caption = 756,
                                      .hint = 116,
                                      .maxLength = 6};
inline constexpr Control kVendedor{.name = "edVendedor",
                                   .label = "lbVendedor",
                                   .design = "Matr. Vendedor:",
                                   .caption = 775,
                                   .hint = 124,
                                   .maxLength = 6};
inline constexpr Control kCartaoTerceiro{.name = "edCartaoTerceiro",
                                         .label = "lbCartaoTerceiro",
                                         .design = "Cartão terceiro:",
                                         .hint = 233,
                                         .maxLength = 16,
                                         .keys = Keys::Digits};
inline constexpr Control kPrimeiroCodMilhas{.name = "edPrimeiroCodMilhas",
                                            .label = "lbPrimeiroCodMilhas",
                                            .design = "1º Cód. Milhas:",
                                            .caption = 1675,
                                            .hint = 1679,
                                            .maxLength = 2};
inline constexpr Control kPrimeiroValorMilhas{.name = "edPrimeiroValorMilhas",
                                              .label = "lbPrimeiroValorMilhas",
                                              .design = "1º Valor Milhas:",
                                              .caption = 1677,
                                              .hint = 1681,
                                              .maxLength = 9};
inline constexpr Control kSegundoCodMilhas{.name = "edSegundoCodMilhas",
                                           .label = "lbSegundoCodMilhas",
                                           .design = "2º Cód. Milhas:",
                                           .caption = 1676,
                                           .hint = 1680,
                                           .maxLength = 2};
inline constexpr Control kSegundoValorMilhas{.name = "edSegundoValorMilhas",
                                             .label = "lbSegundoValorMilhas",
                                             .design = "2º Valor Milhas:",
                                             .caption = 1678,
                                             .hint = 1682,
                                             .maxLength = 9};

} // namespace vks::sale
