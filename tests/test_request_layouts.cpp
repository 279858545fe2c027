// The request each layout makes the host build from one fixed field store.
// The texts below are the golden record of the layout table: a changed
// entry, width, type, block flag or fixed text shows as a changed text.
#include <gtest/gtest.h>

#include <deque>

#include <cstring>
#include <string>

#include "RequestText.h"
#include "abi32/layout_abi_checks.h"
#include "host/RequestLayouts.h"

namespace {

using namespace vks;

struct Golden {
    const char* name;
    const VksRequestLayout* layout;
    const char* request;
};

void PrintTo(const Golden& golden, std::ostream* os) { *os << golden.name; }

// Every field holds its own identifier behind a letter, so that a numeric
// entry shows as zero-filled digits and a text entry as the letter and blank
// fill; an occurrence other than the first is appended.
std::string storeValue(std::int32_t field, int occurrence) {
    return "F" + std::to_string(field) + (occurrence != 0 ? "." + std::to_string(occurrence) : "");
}

// Code and flag, then each entry's text in the request: '|' between
// entries, '*' before a blocked one, "@n" before one read at occurrence n.
std::string rendered(const VksRequestLayout& layout) {
    // As loaded: an earlier sale may have changed an entry.
    resetRequestLayouts();
    std::strcpy(pCodigoValorMilhas, "<miles code>");
    std::strcpy(aValorFinanciado, "<financed>");
    std::deque<std::string> values; // the store the request reads in place
    const sim::AuthorizationRecord record =
        sim::buildRequest(layout, 0, [&values](std::int32_t field, int occurrence) -> std::string_view {
            return values.emplace_back(storeValue(field, occurrence));
        });
    std::string text = std::to_string(record.code) + "/" + std::to_string(record.flag) + " ";
    std::string joined;
    for (std::size_t i = 0; i < record.entries.size(); ++i) {
        if (i > 0) text += '|';
        if (record.entries[i].block != 0) text += '*';
        if (record.entries[i].occurrence != 0) text += "@" + std::to_string(record.entries[i].occurrence);
        text += record.entries[i].text;
        joined += record.entries[i].text;
    }
    EXPECT_EQ(joined, record.request);
    return text;
}

const Golden kGoldens[] = {
    {"TrnPagtoParcVKS", &TrnPagtoParcVKS, "64/1 F10112|F10171|F10103|F1003|F1100|F10154|78|                    "},
    {"TrnCancPagtoParcelaVKS", &TrnCancPagtoParcelaVKS, "65/1 F10112|F10171|F10103|F1003|00|F10154|F1013|F1020"},
    {"TrnVendaMilhasVKS", &TrnVendaMilhasVKS,
     "80/1 F10112|F10171|1|F10103|F1063|F1071|F10104|F1003|17|F10147|*1077|*0001096|*000000001097|"
     "*0001050|*00001051|*001079|*001080|*1|*0000001182|*0000000000000000000|*000000001119|*6|*001064|"
     "*<miles code>|*000000001185|*000000000000|*7|*00001068|*069|*0001065|0"},
    {"TrnAquisicaoMilhasVKS", &TrnAquisicaoMilhasVKS,
     "80/0 F10112|F10171|1|F10103|F1063|F10104|F1003|F10147|*1077|*0001050|*00001051|*001079|*001080|*1|"
     "*0001182|*0000000000000000000000|*F1119|*000000000000|78"},
    {"TrnCancelamentoVendaAquis", &TrnCancelamentoVendaAquis,
     "80/1 F10112|F10171|1|F10103|F1063|F10104|F1003|000001013|F1020|*1077|*0001050|*00001051|*001079|"
     "*001080|000000000000000000000000000000"},
    {"TrnVChequeAutGenVKS", &TrnVChequeAutGenVKS,
     "80/1 F10112|F10171|1|F10103|F1063|F1073|F1074|F1057|*0000000000001059|*<financed>|*17|*0001096|"
     "*000000001097|*0001050|*00001051|*001079|*001080|*00000000000000000|*000000001076|*1|*000000001119|"
     "*6|*001064|*0000000000001201|*27|*000001328|*29|*000001330|*0000000000000000|*0|*00001068|*000|"
     "*0000000|*0|*00000001007|*001072|*1029|*01030|*0000001032|*0000010102|*00000|*001098|@1F|*F10154|"},
    {"TrnCancVChqAutGenVKS", &TrnCancVChqAutGenVKS,
     "80/1 F10112|F10171|1|F10103|F1063|F1073|F1074|F1057|*000001013|*0000000000001059|*000000001003|"
     "*00000001007|*0001050|*00001051|*001079|*001080|000000000000000000000000000000"},
    {"TrnConsultaValorDocumentoBRQ", &TrnConsultaValorDocumentoBRQ, "96/0 F10112|F10171|F10103|F1056|F1057|00|F1041"},
    {"TrnConsultaExtratoCartao", &TrnConsultaExtratoCartao, "96/0 F10112|F10171|F10103|F1056|F1057|F1059"},
    {"TrnConsultaExtratoCPF", &TrnConsultaExtratoCPF, "96/0 F10112|F10171|F10103|F1056|F1057|F1007      "},
    {"TrnConsultaMilhasCartao", &TrnConsultaMilhasCartao, "96/0 F10112|F10171|F10103|F1056|F1057|*F1060|*F1061|F1059"},
    {"TrnConsultaMilhasCPF", &TrnConsultaMilhasCPF, "96/0 F10112|F10171|F10103|F1056|F1057|*F1060|*F1061|F1007      "},
    {"TrnConsultaMiniExtratoCartao", &TrnConsultaMiniExtratoCartao,
     "96/0 F10112|F10171|F10103|F1056|F1057|*F1060|*F1061|*F1059           |*00001062|F"},
    {"TrnConsultaMiniExtratoCPF", &TrnConsultaMiniExtratoCPF,
     "96/0 F10112|F10171|F10103|F1056|F1057|*F1060|*F1061|*F1007      |*00001062|F"},
    {"TrnConsultaLivreCartao", &TrnConsultaLivreCartao, "96/0 F10112|F10171|F10103|F1056|F1057|*F1060|*F1061|F1059"},
    {"TrnConsultaLivreCPF", &TrnConsultaLivreCPF, "96/0 F10112|F10171|F10103|F1056|F1057|*F1060|*F1061|F1007      "},
    {"TrnConsultaLivreBasico", &TrnConsultaLivreBasico,
     "96/0 F10112|F10171|F10103|F1056|F1057|*F1060|*F1061|*F1058|"
     "*F1081                                                       |*F1007      |*F1044         |"
     "*F1082    |*F1|*F1084|*F1085|*F|*F1087                                                       |"
     "*F1088                                                       |*F1089               |"
     "*F1091                                   |*F1|*F1090   |*F103|*F1039   |*F117|*F118|*F1093   |*F109|"
     "*F1080 |*000000000000000000000000000000|*F1095 |000000000000000000000000000000"},
    {"TrnConsultaGenericaRegOcorrencia", &TrnConsultaGenericaRegOcorrencia,
     "96/0 F10112|F10171|F10103|F1056|F1057|*F1060|*F1061|*F|*0001182|0001050"},
    {"TrnConsultaGenericaCancRegOcorrencia", &TrnConsultaGenericaCancRegOcorrencia,
     "96/0 F10112|F10171|F10103|F1056|F1057|*F1060|*F1061|*F1020   |*184|*83|0001050"},
    {"TrnConsultaInformacoesClienteCartao", &TrnConsultaInformacoesClienteCartao,
     "96/0 F10112|F10171|F10103|F1056|F1057|*F1060|*F1061|*F1059|F1113"},
    {"TrnConsultaInformacoesClienteCPF", &TrnConsultaInformacoesClienteCPF,
     "96/0 F10112|F10171|F10103|F1056|F1057|*F1060|*F1061|*F1007      |F1113"},
};

class RequestLayout : public testing::TestWithParam<Golden> {
protected:
    void TearDown() override { resetRequestLayouts(); }
};

TEST_P(RequestLayout, BuildsItsGoldenRequest) { EXPECT_EQ(rendered(*GetParam().layout), GetParam().request); }

INSTANTIATE_TEST_SUITE_P(Golden, RequestLayout, testing::ValuesIn(kGoldens),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RequestLayouts, ResetUndoesRunTimeChangesAndClearsTheBuffers) {
    TrnVChequeAutGenVKS.entries[ChequeInstallmentsEntry].occurrence = 12;
    TrnPagtoParcVKS.code = 0;
    std::memset(pCodigoValorMilhas, '9', CodigoValorMilhasLength);
    std::memset(aValorFinanciado, '9', ValorFinanciadoLength);

    resetRequestLayouts();

    EXPECT_EQ(TrnVChequeAutGenVKS.entries[ChequeInstallmentsEntry].occurrence + 0, 0);
    EXPECT_EQ(TrnVChequeAutGenVKS.entries[42].occurrence + 0, 1);
    EXPECT_EQ(TrnPagtoParcVKS.code + 0, 64);
    EXPECT_EQ(std::string(pCodigoValorMilhas, sizeof pCodigoValorMilhas), std::string(sizeof pCodigoValorMilhas, '\0'));
    EXPECT_EQ(std::string(aValorFinanciado, sizeof aValorFinanciado), std::string(sizeof aValorFinanciado, '\0'));
    const char* const milesCode = TrnVendaMilhasVKS.entries[23].fixed_text; // packed: compared as a copy
    EXPECT_EQ(milesCode, pCodigoValorMilhas);
}

} // namespace
