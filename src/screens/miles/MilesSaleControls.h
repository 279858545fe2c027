#pragma once

#include "screens/base/CaptureControls.h"

// The controls of the miles sale by card, beside the shared ones.
namespace vks::milesSale {

inline constexpr Control kVenda{
    .name = "cbVenda", .label = "lbVenda", .design = "Venda:", .caption = 758, .hint = 115, .keys = Keys::OwnSteps};
inline constexpr Control kValorAvista{.name = "edValorAvista",
                                      .label = "lbValorAVista",
                                      .design = "Valor à Vista:",
                                      .caption = 767,
                                      .hint = 32,
                                      .maxLength = 12};
inline constexpr Control kValorEntrada{.name = "edValorEntrada",
                                       .label = "lbValorEntrada",
                                       .design = "Valor Entrada:",
                                       .caption = 547,
                                       .hint = 30,
                                       .maxLength = 12};
inline constexpr Control kNumContrato{.name = "edNumContrato",
                                      .label = "lbNumContrato",
                                      .design = "Nº Contrato:",
                                      .caption = 769,
                                      .hint = 118,
                                      .maxLength = 7,
                                      .keys = Keys::Digits};
inline constexpr Control kDV{
    .name = "edDV", .label = "lbDV", .design = "DV:", .caption = 770, .hint = 85, .maxLength = 1, .keys = Keys::Digits};
inline constexpr Control kMatrAutorizador{.name = "edMatrAutorizador",
                                          .label = "lbMatrAutorizador",
                                          .design = "Matr. Autorizador:",
                                          .caption = 756,
                                          .hint = 116,
                                          .maxLength = 6,
                                          .keys = Keys::Digits};
inline constexpr Control kLocalContrato{.name = "edLocalContrato",
                                        .label = "lbLocalContrato",
                                        .design = "Local Contrato:",
                                        .caption = 768,
                                        .hint = 119,
                                        .maxLength = 3,
                                        .keys = Keys::Digits};
inline constexpr Control kIdOcorrencia{.name = "cbIdOcorrencia",
                                       .label = "lbIdOcorrencia",
                                       .design = "Ocorrência:",
                                       .caption = 1609,
                                       .hint = 1613,
                                       .keys = Keys::OwnSteps};
inline constexpr Control kCodOcorrencia{.name = "edCodOcorrencia",
                                        .label = "lbCodOcorrencia",
                                        .design = "Código:",
                                        .caption = 1610,
                                        .hint = 1612,
                                        .maxLength = 10};

} // namespace vks::milesSale
