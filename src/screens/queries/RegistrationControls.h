#pragma once

#include "screens/base/CaptureControls.h"

// The controls of the basic registration.
namespace vks::registration {

inline constexpr Control kTipoOperacao{
    .name = "edTipoOperacao", .label = "lbTipoOperacao", .design = "Tipo de Operação:", .hint = 96, .maxLength = 1};
inline constexpr Control kIdentidade{
    .name = "edIdentidade", .label = "lbIdentidade", .design = "RG:", .caption = 740, .hint = 42, .maxLength = 14};
inline constexpr Control kUFIdentidade{.name = "cbUFIdentidade",
                                       .label = "lbUFIdentidade",
                                       .design = "UF:",
                                       .caption = 741,
                                       .hint = 102,
                                       .keys = Keys::OwnSteps};
inline constexpr Control kExpedicao{.name = "edExpedicao",
                                    .label = "lbExpedicao",
                                    .design = "Dt.Emis.:",
                                    .caption = 738,
                                    .hint = 103,
                                    .maxLength = 10,
                                    .mask = "99/99/9999;1;_"};
inline constexpr Control kNascimento{.name = "edNascimento",
                                     .label = "lbNascimento",
                                     .design = "Nasc.:",
                                     .caption = 742,
                                     .hint = 59,
                                     .maxLength = 10,
                                     .mask = "99/99/9999;1;_"};
inline constexpr Control kNomeMae{
    .name = "edNomeMae", .label = "lbNomeMae", .design = "Nome da Mãe:", .caption = 745, .hint = 105, .maxLength = 60};
inline constexpr Control kEndereco{
    .name = "edEndereco", .label = "lbEndereco", .design = "End.:", .caption = 591, .hint = 60, .maxLength = 60};
inline constexpr Control kCidade{
    .name = "edCidade", .label = "lbCidade", .design = "Cidade:", .caption = 746, .hint = 106, .maxLength = 40};
inline constexpr Control kCep{.name = "edCep",
                              .label = "lbCEP",
                              .design = "CEP:",
                              .caption = 596,
                              .hint = 66,
                              .maxLength = 9,
                              .keys = Keys::Digits,
                              .mask = "99999-999;0;_"};
inline constexpr Control kDDDRes{.name = "edDDDRes",
                                 .label = "lbTelResid",
                                 .design = "Tel.Res.:",
                                 .caption = 748,
                                 .hint = 12,
                                 .maxLength = 4,
                                 .keys = Keys::Digits};
inline constexpr Control kRamalRes{.name = "edRamalRes",
                                   .label = "lbRamalRes",
                                   .design = "Ramal:",
                                   .caption = 750,
                                   .hint = 108,
                                   .maxLength = 4,
                                   .keys = Keys::Digits};
inline constexpr Control kDDDCom{.name = "edDDDCom",
                                 .label = "lbTelCom",
                                 .design = "Tel.Com.:",
                                 .caption = 749,
                                 .hint = 12,
                                 .maxLength = 4,
                                 .keys = Keys::Digits};
inline constexpr Control kRamalCom{.name = "edRamalCom",
                                   .label = "lbRamalCom",
                                   .design = "Ramal:",
                                   .caption = 750,
                                   .hint = 108,
                                   .maxLength = 4,
                                   .keys = Keys::Digits};
inline constexpr Control kMatrOper{.name = "edMatrOper",
                                   .label = "lbMatrOper",
                                   .design = "Matr. Operador:",
                                   .caption = 751,
                                   .hint = 109,
                                   .maxLength = 6,
                                   .keys = Keys::Digits};
inline constexpr Control kMatrConf{.name = "edMatrConf",
                                   .label = "lbMatrConf",
                                   .design = "Matr. Conferente:",
                                   .caption = 753,
                                   .hint = 111,
                                   .maxLength = 6,
                                   .keys = Keys::Digits};

inline constexpr Control kOrgao{
    .name = "edOrgao", .label = "lbOrgao", .design = "Emissor:", .caption = 739, .hint = 101, .maxLength = 9};
inline constexpr Control kNome{
    .name = "edNome", .label = "lbNome", .design = "Nome:", .caption = 737, .hint = 100, .maxLength = 60};
inline constexpr Control kSexo{
    .name = "cbSexo", .label = "lbSexo", .design = "Sexo:", .caption = 743, .hint = 104, .keys = Keys::OwnSteps};
inline constexpr Control kBairro{
    .name = "edBairro", .label = "lbBairro", .design = "Bairro:", .caption = 597, .hint = 65, .maxLength = 20};
inline constexpr Control kUF{
    .name = "cbUF", .label = "lbUF", .design = "UF:", .caption = 747, .hint = 107, .keys = Keys::OwnSteps};
inline constexpr Control kTelResid{
    .name = "edTelResid", .hint = 98, .maxLength = 9, .keys = Keys::Digits, .mask = "9999-9999;0;_"};
inline constexpr Control kTelCom{
    .name = "edTelCom", .hint = 99, .maxLength = 9, .keys = Keys::Digits, .mask = "9999-9999;0;_"};
} // namespace vks::registration
