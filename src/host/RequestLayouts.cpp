#include "host/RequestLayouts.h"

#include <cstdint>
#include <cstring>

namespace vks {

char pCodigoValorMilhas[CodigoValorMilhasLength + 1] = {};
char aValorFinanciado[ValorFinanciadoLength + 1] = {};

namespace {

// One entry as listed, before it takes its place in the host's record.
struct Entry {
    std::uint16_t field = 0;
    std::uint16_t occurrence = 0;
    std::uint16_t width = 0;
    std::uint16_t type = 0;
    std::uint8_t block = 0;
    const char* text = "";

    constexpr Entry withOccurrence(std::uint16_t value) const {
        Entry entry = *this;
        entry.occurrence = value;
        return entry;
    }
};

constexpr std::uint8_t Block = VKS_BLOCK_FLAG;

// Field entry.
constexpr Entry F(std::uint16_t field, std::uint16_t width = 0, std::uint16_t type = 0) {
    return {field, 0, width, type, 0, ""};
}
// Field entry with the block flag.
constexpr Entry B(std::uint16_t field, std::uint16_t width = 0, std::uint16_t type = 0) {
    return {field, 0, width, type, Block, ""};
}
// Fixed text.
constexpr Entry T(const char* text, std::uint16_t width = 0, std::uint16_t type = 0) {
    return {VKS_FIELD_FIXED_TEXT, 0, width, type, 0, text};
}
// Fixed text with the block flag.
constexpr Entry TB(const char* text, std::uint16_t width = 0, std::uint16_t type = 0) {
    return {VKS_FIELD_FIXED_TEXT, 0, width, type, Block, text};
}

// Fixed texts of one repeated character ("000...0"), kept as static data so
// the layouts can point at them.
template <char Character, std::size_t Count>
struct Repeated {
    char text[Count + 1] = {};
    constexpr Repeated() {
        for (std::size_t i = 0; i < Count; ++i) text[i] = Character;
    }
};
template <char Character, std::size_t Count>
constexpr Repeated<Character, Count> repeated{};
template <std::size_t Count>
constexpr const char* zeros = repeated<'0', Count>.text;
template <std::size_t Count>
constexpr const char* blanks = repeated<' ', Count>.text;

constexpr VksLayoutEntry recordEntry(const Entry& entry) {
    return {entry.field, entry.occurrence, entry.width, entry.type, entry.block, entry.text};
}

// The record of one layout: the listed groups of entries in order, then the
// terminator; the unused rest is zero with empty texts.
template <std::size_t... Counts>
constexpr VksRequestLayout layout(std::uint16_t code, std::uint16_t flag, const Entry (&... groups)[Counts]) {
    static_assert((Counts + ...) <= MaxLayoutEntries, "a layout holds at most 45 entries before its terminator");
    VksRequestLayout record{};
    record.code = code;
    record.flag = flag;
    for (std::size_t i = 0; i < VKS_LAYOUT_ENTRIES; ++i) record.entries[i] = recordEntry(Entry{});
    std::size_t next = 0;
    auto append = [&](const auto& group) {
        for (const Entry& entry : group) record.entries[next++] = recordEntry(entry);
    };
    (append(groups), ...);
    record.entries[next] = recordEntry(Entry{.field = VKS_FIELD_END});
    return record;
}

// The leading entries of each family.
constexpr Entry transactionHead[] = {F(10112), F(10171), T("1"), F(10103)};
constexpr Entry queryHead[] = {F(10112), F(10171), F(10103), F(1056), F(1057)};
constexpr Entry genericQueryHead[] = {F(10112), F(10171), F(10103), F(1056), F(1057), B(1060), B(1061)};

// Codes and flags of the requests.
constexpr std::uint16_t InstallmentPayment = 64;
constexpr std::uint16_t InstallmentCancellation = 65;
constexpr std::uint16_t Transaction = 80;
constexpr std::uint16_t Query = 96;

namespace listed {

constexpr VksRequestLayout TrnPagtoParcVKS = layout(
    InstallmentPayment, 1, {F(10112), F(10171), F(10103), F(1003), F(1100), F(10154), F(1078, 2, 1), T(blanks<20>)});

constexpr VksRequestLayout TrnCancPagtoParcelaVKS = layout(
    InstallmentCancellation, 1, {F(10112), F(10171), F(10103), F(1003), F(1100, 2, 1), F(10154), F(1013), F(1020)});

constexpr VksRequestLayout TrnVendaMilhasVKS =
    layout(Transaction, 1, transactionHead, {F(1063), F(1071), F(10104), F(1003), F(1017, 2, 1), F(10147)},
           {B(1077, 4, 1), B(1096, 7, 1), B(1097, 12, 1)}, {B(1050, 7, 1), B(1051, 8, 5), B(1079, 6, 1), B(1080, 6, 1)},
           {B(1181, 1, 1), B(1182, 10, 1), TB(zeros<19>)},
           {B(1119, 12, 1), B(1066, 1, 1), B(1064, 6, 1), TB(pCodigoValorMilhas), B(1185, 12, 1), TB(zeros<12>)},
           {B(1067, 1, 1), B(1068, 8, 5), B(1069, 3, 1), B(1065, 7, 1), F(1070, 1, 1)});

constexpr VksRequestLayout TrnAquisicaoMilhasVKS =
    layout(Transaction, 0, transactionHead, {F(1063), F(10104), F(1003), F(10147)},
           {B(1077, 4, 1), B(1050, 7, 1), B(1051, 8, 5), B(1079, 6, 1), B(1080, 6, 1)},
           {B(1181, 1, 1), B(1182, 7, 1), TB(zeros<22>), B(1119), TB(zeros<12>)}, {F(1078, 2, 1)});

constexpr VksRequestLayout TrnCancelamentoVendaAquis =
    layout(Transaction, 1, transactionHead, {F(1063), F(10104), F(1003, 0, 4), F(1013, 9, 1), F(1020)},
           {B(1077, 4, 1), B(1050, 7, 1), B(1051, 8, 5), B(1079, 6, 1), B(1080, 6, 1)}, {T(zeros<30>)});

constexpr VksRequestLayout TrnVChequeAutGenVKS =
    layout(Transaction, 1, transactionHead, {F(1063), F(1073), F(1074), F(1057)},
           {B(1059, 16, 1), TB(aValorFinanciado), B(1017, 2, 1), B(1096, 7, 1), B(1097, 12, 1)},
           {B(1050, 7, 1), B(1051, 8, 5), B(1079, 6, 1), B(1080, 6, 1), TB(zeros<17>)},
           {B(1076, 12, 1), B(1101, 1, 1), B(1119, 12, 1), B(1066, 1, 1), B(1064, 6, 1)},
           {B(1201, 16, 1), B(1327, 2, 1), B(1328, 9, 1), B(1329, 2, 1), B(1330, 9, 1)},
           {TB(zeros<16>), TB("0", 1, 0), B(1068, 8, 5), TB(zeros<3>), TB(zeros<7>), TB("0")},
           {B(1007, 11, 1), B(1072, 6, 1), B(1029, 4, 1), B(1030, 5, 1), B(1032, 10, 1), B(10102, 10, 1)},
           {TB(zeros<5>), B(1098, 6, 1), F(10162, 1, 0).withOccurrence(1), B(10154), T("")});

constexpr VksRequestLayout TrnCancVChqAutGenVKS =
    layout(Transaction, 1, transactionHead, {F(1063), F(1073), F(1074), F(1057)},
           {B(1013, 9, 1), B(1059, 16, 1), B(1003, 12, 1), B(1007, 11, 1)},
           {B(1050, 7, 1), B(1051, 8, 5), B(1079, 6, 1), B(1080, 6, 1)}, {T(zeros<30>)});

constexpr VksRequestLayout TrnConsultaValorDocumentoBRQ = layout(Query, 0, queryHead, {F(1100, 2, 1), F(1041)});
constexpr VksRequestLayout TrnConsultaExtratoCartao = layout(Query, 0, queryHead, {F(1059)});
constexpr VksRequestLayout TrnConsultaExtratoCPF = layout(Query, 0, queryHead, {F(1007, 11, 2)});

constexpr VksRequestLayout TrnConsultaMilhasCartao = layout(Query, 0, genericQueryHead, {F(1059)});
constexpr VksRequestLayout TrnConsultaMilhasCPF = layout(Query, 0, genericQueryHead, {F(1007, 11, 2)});

constexpr VksRequestLayout TrnConsultaMiniExtratoCartao =
    layout(Query, 0, genericQueryHead, {B(1059, 16, 2), B(1062, 8, 5), F(1075, 1, 3)});
constexpr VksRequestLayout TrnConsultaMiniExtratoCPF =
    layout(Query, 0, genericQueryHead, {B(1007, 11, 2), B(1062, 8, 5), F(1075, 1, 3)});

constexpr VksRequestLayout TrnConsultaLivreCartao = layout(Query, 0, genericQueryHead, {F(1059)});
constexpr VksRequestLayout TrnConsultaLivreCPF = layout(Query, 0, genericQueryHead, {F(1007, 11, 2)});

constexpr VksRequestLayout TrnConsultaLivreBasico = layout(
    Query, 0, genericQueryHead, {B(1058), B(1081, 60, 2), B(1007, 11, 2), B(1044, 14, 2), B(1082, 9, 2), B(1083, 2, 2)},
    {B(1084), B(1085), B(1086, 1, 3)},
    {B(1087, 60, 2), B(1088, 60, 2), B(1089, 20, 2), B(1091, 40, 2), B(1092, 2, 2), B(1090, 8, 2)},
    {B(1038, 4, 3), B(1039, 8, 2), B(1175, 4, 3), B(1180, 4, 3), B(1093, 8, 2), B(1094, 4, 3)},
    {B(1080, 6, 2), TB(zeros<30>), B(1095, 6, 2), T(zeros<30>)});

constexpr VksRequestLayout TrnConsultaGenericaRegOcorrencia =
    layout(Query, 0, genericQueryHead, {B(1181, 1, 0), B(1182, 7, 1), F(1050, 7, 1)});
constexpr VksRequestLayout TrnConsultaGenericaCancRegOcorrencia =
    layout(Query, 0, genericQueryHead, {B(1020, 8, 0), B(1184, 3, 1), B(1183, 2, 1), F(1050, 7, 1)});

constexpr VksRequestLayout TrnConsultaInformacoesClienteCartao =
    layout(Query, 0, genericQueryHead, {B(1059), F(1113, 0, 5)});
constexpr VksRequestLayout TrnConsultaInformacoesClienteCPF =
    layout(Query, 0, genericQueryHead, {B(1007, 11, 2), F(1113, 0, 5)});

} // namespace listed

} // namespace

constinit VksRequestLayout TrnPagtoParcVKS = listed::TrnPagtoParcVKS;
constinit VksRequestLayout TrnCancPagtoParcelaVKS = listed::TrnCancPagtoParcelaVKS;
constinit VksRequestLayout TrnVendaMilhasVKS = listed::TrnVendaMilhasVKS;
constinit VksRequestLayout TrnAquisicaoMilhasVKS = listed::TrnAquisicaoMilhasVKS;
constinit VksRequestLayout TrnCancelamentoVendaAquis = listed::TrnCancelamentoVendaAquis;
constinit VksRequestLayout TrnVChequeAutGenVKS = listed::TrnVChequeAutGenVKS;
constinit VksRequestLayout TrnCancVChqAutGenVKS = listed::TrnCancVChqAutGenVKS;
constinit VksRequestLayout TrnConsultaValorDocumentoBRQ = listed::TrnConsultaValorDocumentoBRQ;
constinit VksRequestLayout TrnConsultaExtratoCartao = listed::TrnConsultaExtratoCartao;
constinit VksRequestLayout TrnConsultaExtratoCPF = listed::TrnConsultaExtratoCPF;
constinit VksRequestLayout TrnConsultaMilhasCartao = listed::TrnConsultaMilhasCartao;
constinit VksRequestLayout TrnConsultaMilhasCPF = listed::TrnConsultaMilhasCPF;
constinit VksRequestLayout TrnConsultaMiniExtratoCartao = listed::TrnConsultaMiniExtratoCartao;
constinit VksRequestLayout TrnConsultaMiniExtratoCPF = listed::TrnConsultaMiniExtratoCPF;
constinit VksRequestLayout TrnConsultaLivreCartao = listed::TrnConsultaLivreCartao;
constinit VksRequestLayout TrnConsultaLivreCPF = listed::TrnConsultaLivreCPF;
constinit VksRequestLayout TrnConsultaLivreBasico = listed::TrnConsultaLivreBasico;
constinit VksRequestLayout TrnConsultaGenericaRegOcorrencia = listed::TrnConsultaGenericaRegOcorrencia;
constinit VksRequestLayout TrnConsultaGenericaCancRegOcorrencia = listed::TrnConsultaGenericaCancRegOcorrencia;
constinit VksRequestLayout TrnConsultaInformacoesClienteCartao = listed::TrnConsultaInformacoesClienteCartao;
constinit VksRequestLayout TrnConsultaInformacoesClienteCPF = listed::TrnConsultaInformacoesClienteCPF;

namespace {

struct StoredLayout {
    VksRequestLayout* live;
    const VksRequestLayout* listed;
};

constexpr StoredLayout storedLayouts[] = {
    {&TrnPagtoParcVKS, &listed::TrnPagtoParcVKS},
    {&TrnCancPagtoParcelaVKS, &listed::TrnCancPagtoParcelaVKS},
    {&TrnVendaMilhasVKS, &listed::TrnVendaMilhasVKS},
    {&TrnAquisicaoMilhasVKS, &listed::TrnAquisicaoMilhasVKS},
    {&TrnCancelamentoVendaAquis, &listed::TrnCancelamentoVendaAquis},
    {&TrnVChequeAutGenVKS, &listed::TrnVChequeAutGenVKS},
    {&TrnCancVChqAutGenVKS, &listed::TrnCancVChqAutGenVKS},
    {&TrnConsultaValorDocumentoBRQ, &listed::TrnConsultaValorDocumentoBRQ},
    {&TrnConsultaExtratoCartao, &listed::TrnConsultaExtratoCartao},
    {&TrnConsultaExtratoCPF, &listed::TrnConsultaExtratoCPF},
    {&TrnConsultaMilhasCartao, &listed::TrnConsultaMilhasCartao},
    {&TrnConsultaMilhasCPF, &listed::TrnConsultaMilhasCPF},
    {&TrnConsultaMiniExtratoCartao, &listed::TrnConsultaMiniExtratoCartao},
    {&TrnConsultaMiniExtratoCPF, &listed::TrnConsultaMiniExtratoCPF},
    {&TrnConsultaLivreCartao, &listed::TrnConsultaLivreCartao},
    {&TrnConsultaLivreCPF, &listed::TrnConsultaLivreCPF},
    {&TrnConsultaLivreBasico, &listed::TrnConsultaLivreBasico},
    {&TrnConsultaGenericaRegOcorrencia, &listed::TrnConsultaGenericaRegOcorrencia},
    {&TrnConsultaGenericaCancRegOcorrencia, &listed::TrnConsultaGenericaCancRegOcorrencia},
    {&TrnConsultaInformacoesClienteCartao, &listed::TrnConsultaInformacoesClienteCartao},
    {&TrnConsultaInformacoesClienteCPF, &listed::TrnConsultaInformacoesClienteCPF},
};

} // namespace

void resetRequestLayouts() {
    for (const StoredLayout& stored : storedLayouts) *stored.live = *stored.listed;
    std::memset(pCodigoValorMilhas, 0, sizeof pCodigoValorMilhas);
    std::memset(aValorFinanciado, 0, sizeof aValorFinanciado);
}

} // namespace vks
