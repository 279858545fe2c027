#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "abi32/layout_abi_checks.h"
#include "host/RequestLayouts.h"

namespace {

using namespace vks;

enum class Family { Installment, Transaction, Query, GenericQuery };

struct LayoutRow {
    const char* name;
    const VksRequestLayout* layout;
    unsigned code;
    unsigned flag;
    std::size_t count;
    Family family;
};

const LayoutRow layouts[] = {
    {"TrnPagtoParcVKS", &TrnPagtoParcVKS, 64, 1, 8, Family::Installment},
    {"TrnCancPagtoParcelaVKS", &TrnCancPagtoParcelaVKS, 65, 1, 8, Family::Installment},
    {"TrnVendaMilhasVKS", &TrnVendaMilhasVKS, 80, 1, 31, Family::Transaction},
    {"TrnAquisicaoMilhasVKS", &TrnAquisicaoMilhasVKS, 80, 0, 19, Family::Transaction},
    {"TrnCancelamentoVendaAquis", &TrnCancelamentoVendaAquis, 80, 1, 15, Family::Transaction},
    {"TrnVChequeAutGenVKS", &TrnVChequeAutGenVKS, 80, 1, 45, Family::Transaction},
    {"TrnCancVChqAutGenVKS", &TrnCancVChqAutGenVKS, 80, 1, 17, Family::Transaction},
    {"TrnConsultaValorDocumentoBRQ", &TrnConsultaValorDocumentoBRQ, 96, 0, 7, Family::Query},
    {"TrnConsultaExtratoCartao", &TrnConsultaExtratoCartao, 96, 0, 6, Family::Query},
    {"TrnConsultaExtratoCPF", &TrnConsultaExtratoCPF, 96, 0, 6, Family::Query},
    {"TrnConsultaMilhasCartao", &TrnConsultaMilhasCartao, 96, 0, 8, Family::GenericQuery},
    {"TrnConsultaMilhasCPF", &TrnConsultaMilhasCPF, 96, 0, 8, Family::GenericQuery},
    {"TrnConsultaMiniExtratoCartao", &TrnConsultaMiniExtratoCartao, 96, 0, 10, Family::GenericQuery},
    {"TrnConsultaMiniExtratoCPF", &TrnConsultaMiniExtratoCPF, 96, 0, 10, Family::GenericQuery},
    {"TrnConsultaLivreCartao", &TrnConsultaLivreCartao, 96, 0, 8, Family::GenericQuery},
    {"TrnConsultaLivreCPF", &TrnConsultaLivreCPF, 96, 0, 8, Family::GenericQuery},
    {"TrnConsultaLivreBasico", &TrnConsultaLivreBasico, 96, 0, 32, Family::GenericQuery},
    {"TrnConsultaGenericaRegOcorrencia", &TrnConsultaGenericaRegOcorrencia, 96, 0, 10, Family::GenericQuery},
    {"TrnConsultaGenericaCancRegOcorrencia", &TrnConsultaGenericaCancRegOcorrencia, 96, 0, 11,
     Family::GenericQuery},
    {"TrnConsultaInformacoesClienteCartao", &TrnConsultaInformacoesClienteCartao, 96, 0, 9, Family::GenericQuery},
    {"TrnConsultaInformacoesClienteCPF", &TrnConsultaInformacoesClienteCPF, 96, 0, 9, Family::GenericQuery},
};

// Packed members are compared by value: the test macros bind references,
// which a packed member cannot back at its natural alignment.
template <typename T>
T v(T value)
{
    return value;
}

// Entries before the terminator; VKS_LAYOUT_ENTRIES when there is none.
std::size_t listedEntries(const VksRequestLayout& layout)
{
    std::size_t i = 0;
    while (i < VKS_LAYOUT_ENTRIES && layout.entries[i].field != VKS_FIELD_END)
        ++i;
    return i;
}

std::string text(const VksLayoutEntry& entry)
{
    return entry.fixed_text ? entry.fixed_text : "<null>";
}

// Expected entry: field, width, type, block; text checked when not null.
struct Expected {
    unsigned field;
    unsigned width;
    unsigned type;
    unsigned block;
    const char* text = "";
};

void expectEntry(const VksLayoutEntry& entry, const Expected& expected)
{
    EXPECT_EQ(v(entry.field), expected.field);
    EXPECT_EQ(v(entry.width), expected.width);
    EXPECT_EQ(v(entry.type), expected.type);
    EXPECT_EQ(v(entry.block), expected.block);
    if (expected.text) {
        EXPECT_EQ(text(entry), expected.text);
    }
}

class RequestLayoutTest : public ::testing::Test {
protected:
    void TearDown() override { resetRequestLayouts(); }
};

TEST_F(RequestLayoutTest, CodeFlagCountAndTerminatorOfEveryLayout)
{
    for (const LayoutRow& row : layouts) {
        SCOPED_TRACE(row.name);
        const VksRequestLayout& layout = *row.layout;
        EXPECT_EQ(v(layout.code), row.code);
        EXPECT_EQ(v(layout.flag), row.flag);
        ASSERT_EQ(listedEntries(layout), row.count);
        expectEntry(layout.entries[row.count], {VKS_FIELD_END, 0, 0, 0});
        EXPECT_EQ(v(layout.entries[row.count].occurrence), 0);
        for (std::size_t i = row.count + 1; i < VKS_LAYOUT_ENTRIES; ++i) {
            SCOPED_TRACE(i);
            expectEntry(layout.entries[i], {0, 0, 0, 0});
            EXPECT_EQ(v(layout.entries[i].occurrence), 0);
        }
        EXPECT_EQ(v(layout.alignment[0]), 0);
        EXPECT_EQ(v(layout.alignment[1]), 0);
    }
}

TEST_F(RequestLayoutTest, EntriesHoldOnlyValuesTheHostUnderstands)
{
    for (const LayoutRow& row : layouts) {
        SCOPED_TRACE(row.name);
        for (std::size_t i = 0; i < row.count; ++i) {
            SCOPED_TRACE(i);
            const VksLayoutEntry& entry = row.layout->entries[i];
            ASSERT_NE(v(entry.fixed_text), nullptr);
            EXPECT_TRUE(entry.block == 0 || entry.block == VKS_BLOCK_FLAG);
            EXPECT_LE(v(entry.type), 5);
            if (entry.field != VKS_FIELD_FIXED_TEXT) {
                EXPECT_STREQ(entry.fixed_text, "");
            }
        }
    }
}

TEST_F(RequestLayoutTest, EveryFamilyBeginsWithItsCommonEntries)
{
    const Expected common[] = {{10112, 0, 0, 0}, {10171, 0, 0, 0}};
    const Expected transaction[] = {{0, 0, 0, 0, "1"}, {10103, 0, 0, 0}};
    const Expected query[] = {{10103, 0, 0, 0}, {1056, 0, 0, 0}, {1057, 0, 0, 0}};
    const Expected generic[] = {{1060, 0, 0, 255}, {1061, 0, 0, 255}};

    for (const LayoutRow& row : layouts) {
        SCOPED_TRACE(row.name);
        std::vector<Expected> head(std::begin(common), std::end(common));
        if (row.family == Family::Transaction)
            head.insert(head.end(), std::begin(transaction), std::end(transaction));
        if (row.family == Family::Query || row.family == Family::GenericQuery)
            head.insert(head.end(), std::begin(query), std::end(query));
        if (row.family == Family::GenericQuery)
            head.insert(head.end(), std::begin(generic), std::end(generic));
        for (std::size_t i = 0; i < head.size(); ++i) {
            SCOPED_TRACE(i);
            expectEntry(row.layout->entries[i], head[i]);
        }
        if (row.family != Family::GenericQuery) {
            for (std::size_t i = 0; i < row.count; ++i)
                EXPECT_NE(v(row.layout->entries[i].field), 1060) << "at " << i;
        }
    }
}

TEST_F(RequestLayoutTest, CardAndCpfTwinsDifferOnlyInTheirKeyEntry)
{
    struct Twins {
        const VksRequestLayout* card;
        const VksRequestLayout* cpf;
        std::size_t key;
        Expected cardKey;
        Expected cpfKey;
    };
    const Twins twins[] = {
        {&TrnConsultaExtratoCartao, &TrnConsultaExtratoCPF, 5, {1059, 0, 0, 0}, {1007, 11, 2, 0}},
        {&TrnConsultaMilhasCartao, &TrnConsultaMilhasCPF, 7, {1059, 0, 0, 0}, {1007, 11, 2, 0}},
        {&TrnConsultaLivreCartao, &TrnConsultaLivreCPF, 7, {1059, 0, 0, 0}, {1007, 11, 2, 0}},
        {&TrnConsultaMiniExtratoCartao, &TrnConsultaMiniExtratoCPF, 7, {1059, 16, 2, 255}, {1007, 11, 2, 255}},
        {&TrnConsultaInformacoesClienteCartao, &TrnConsultaInformacoesClienteCPF, 7, {1059, 0, 0, 255},
         {1007, 11, 2, 255}},
    };
    for (const Twins& pair : twins) {
        SCOPED_TRACE(pair.key);
        expectEntry(pair.card->entries[pair.key], pair.cardKey);
        expectEntry(pair.cpf->entries[pair.key], pair.cpfKey);
        for (std::size_t i = 0; i < VKS_LAYOUT_ENTRIES; ++i) {
            if (i == pair.key)
                continue;
            const VksLayoutEntry& card = pair.card->entries[i];
            const VksLayoutEntry& cpf = pair.cpf->entries[i];
            EXPECT_TRUE(card.field == cpf.field && card.occurrence == cpf.occurrence && card.width == cpf.width &&
                        card.type == cpf.type && card.block == cpf.block && text(card) == text(cpf))
                << "entry " << i;
        }
    }
}

TEST_F(RequestLayoutTest, SpotEntriesCarryTheirWidthTypeAndBlock)
{
    const std::string zeros30(30, '0');
    struct Spot {
        const VksRequestLayout* layout;
        std::size_t index;
        Expected entry;
    };
    const Spot spots[] = {
        {&TrnPagtoParcVKS, 6, {1078, 2, 1, 0}},
        {&TrnPagtoParcVKS, 7, {0, 0, 0, 0, "                    "}},
        {&TrnCancPagtoParcelaVKS, 4, {1100, 2, 1, 0}},
        {&TrnCancPagtoParcelaVKS, 7, {1020, 0, 0, 0}},
        {&TrnVendaMilhasVKS, 8, {1017, 2, 1, 0}},
        {&TrnVendaMilhasVKS, 14, {1051, 8, 5, 255}},
        {&TrnVendaMilhasVKS, 19, {0, 0, 0, 255, "0000000000000000000"}},
        {&TrnVendaMilhasVKS, 25, {0, 0, 0, 255, "000000000000"}},
        {&TrnVendaMilhasVKS, 30, {1070, 1, 1, 0}},
        {&TrnAquisicaoMilhasVKS, 14, {1182, 7, 1, 255}},
        {&TrnAquisicaoMilhasVKS, 15, {0, 0, 0, 255, "0000000000000000000000"}},
        {&TrnAquisicaoMilhasVKS, 16, {1119, 0, 0, 255}},
        {&TrnAquisicaoMilhasVKS, 18, {1078, 2, 1, 0}},
        {&TrnCancelamentoVendaAquis, 6, {1003, 0, 4, 0}},
        {&TrnCancelamentoVendaAquis, 7, {1013, 9, 1, 0}},
        {&TrnCancelamentoVendaAquis, 14, {0, 0, 0, 0, zeros30.c_str()}},
        {&TrnVChequeAutGenVKS, 8, {1059, 16, 1, 255}},
        {&TrnVChequeAutGenVKS, 17, {0, 0, 0, 255, "00000000000000000"}},
        {&TrnVChequeAutGenVKS, 28, {0, 0, 0, 255, "0000000000000000"}},
        {&TrnVChequeAutGenVKS, 29, {0, 1, 0, 255, "0"}},
        {&TrnVChequeAutGenVKS, 31, {0, 0, 0, 255, "000"}},
        {&TrnVChequeAutGenVKS, 32, {0, 0, 0, 255, "0000000"}},
        {&TrnVChequeAutGenVKS, 33, {0, 0, 0, 255, "0"}},
        {&TrnVChequeAutGenVKS, 39, {10102, 10, 1, 255}},
        {&TrnVChequeAutGenVKS, ChequeInstallmentsEntry, {0, 0, 0, 255, "00000"}},
        {&TrnVChequeAutGenVKS, 42, {10162, 1, 0, 0}},
        {&TrnVChequeAutGenVKS, 43, {10154, 0, 0, 255}},
        {&TrnVChequeAutGenVKS, 44, {0, 0, 0, 0, ""}},
        {&TrnCancVChqAutGenVKS, 8, {1013, 9, 1, 255}},
        {&TrnCancVChqAutGenVKS, 10, {1003, 12, 1, 255}},
        {&TrnCancVChqAutGenVKS, 16, {0, 0, 0, 0, zeros30.c_str()}},
        {&TrnConsultaValorDocumentoBRQ, 5, {1100, 2, 1, 0}},
        {&TrnConsultaValorDocumentoBRQ, 6, {1041, 0, 0, 0}},
        {&TrnConsultaMiniExtratoCPF, 8, {1062, 8, 5, 255}},
        {&TrnConsultaMiniExtratoCPF, 9, {1075, 1, 3, 0}},
        {&TrnConsultaLivreBasico, 7, {1058, 0, 0, 255}},
        {&TrnConsultaLivreBasico, 8, {1081, 60, 2, 255}},
        {&TrnConsultaLivreBasico, 15, {1086, 1, 3, 255}},
        {&TrnConsultaLivreBasico, 19, {1091, 40, 2, 255}},
        {&TrnConsultaLivreBasico, 28, {1080, 6, 2, 255}},
        {&TrnConsultaLivreBasico, 29, {0, 0, 0, 255, zeros30.c_str()}},
        {&TrnConsultaLivreBasico, 31, {0, 0, 0, 0, zeros30.c_str()}},
        {&TrnConsultaGenericaRegOcorrencia, 7, {1181, 1, 0, 255}},
        {&TrnConsultaGenericaRegOcorrencia, 9, {1050, 7, 1, 0}},
        {&TrnConsultaGenericaCancRegOcorrencia, 7, {1020, 8, 0, 255}},
        {&TrnConsultaGenericaCancRegOcorrencia, 9, {1183, 2, 1, 255}},
        {&TrnConsultaInformacoesClienteCPF, 8, {1113, 0, 5, 0}},
    };
    for (const Spot& spot : spots) {
        SCOPED_TRACE(testing::Message() << "field " << spot.entry.field << " at " << spot.index);
        expectEntry(spot.layout->entries[spot.index], spot.entry);
    }
}

TEST_F(RequestLayoutTest, OnlyTheChequeSaleListsAnOccurrence)
{
    for (const LayoutRow& row : layouts) {
        for (std::size_t i = 0; i < VKS_LAYOUT_ENTRIES; ++i) {
            const bool chequeField = row.layout == &TrnVChequeAutGenVKS && i == 42;
            EXPECT_EQ(v(row.layout->entries[i].occurrence), chequeField ? 1 : 0) << row.name << " entry " << i;
        }
    }
}

TEST_F(RequestLayoutTest, ComposedTextsAreTheScreensBuffers)
{
    expectEntry(TrnVendaMilhasVKS.entries[23], {0, 0, 0, 255, nullptr});
    EXPECT_EQ(v(TrnVendaMilhasVKS.entries[23].fixed_text), pCodigoValorMilhas);
    expectEntry(TrnVChequeAutGenVKS.entries[9], {0, 0, 0, 255, nullptr});
    EXPECT_EQ(v(TrnVChequeAutGenVKS.entries[9].fixed_text), aValorFinanciado);
    EXPECT_EQ(sizeof pCodigoValorMilhas, 31u);
    EXPECT_EQ(sizeof aValorFinanciado, 13u);

    int pointing = 0;
    for (const LayoutRow& row : layouts) {
        for (const VksLayoutEntry& entry : row.layout->entries) {
            if (entry.fixed_text == pCodigoValorMilhas || entry.fixed_text == aValorFinanciado)
                ++pointing;
        }
    }
    EXPECT_EQ(pointing, 2);
}

TEST_F(RequestLayoutTest, ResetUndoesRunTimeChangesAndClearsTheBuffers)
{
    TrnVChequeAutGenVKS.entries[ChequeInstallmentsEntry].occurrence = 12;
    TrnPagtoParcVKS.code = 0;
    std::memset(pCodigoValorMilhas, '9', CodigoValorMilhasLength);
    std::memset(aValorFinanciado, '9', ValorFinanciadoLength);

    resetRequestLayouts();

    EXPECT_EQ(v(TrnVChequeAutGenVKS.entries[ChequeInstallmentsEntry].occurrence), 0);
    EXPECT_EQ(v(TrnVChequeAutGenVKS.entries[42].occurrence), 1);
    EXPECT_EQ(v(TrnPagtoParcVKS.code), 64);
    EXPECT_EQ(std::string(pCodigoValorMilhas, sizeof pCodigoValorMilhas), std::string(sizeof pCodigoValorMilhas, '\0'));
    EXPECT_EQ(std::string(aValorFinanciado, sizeof aValorFinanciado), std::string(sizeof aValorFinanciado, '\0'));
    EXPECT_EQ(v(TrnVendaMilhasVKS.entries[23].fixed_text), pCodigoValorMilhas);
}

} // namespace
