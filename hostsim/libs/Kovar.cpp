// Kovar: the host's terminal interface (field store writes, audit, hand-back).
#include "AbiText.h"
#include "Simulator.h"

using vks::sim::simulator;
using vks::sim::abi::number;
using vks::sim::abi::textIn;

extern "C" {

VKS_HOST_API int32_t VKS_HOSTCALL KovarGravaCampo(VksFieldId field, int32_t zero, const char* text, int32_t length) {
    const std::string_view value = textIn(text, length);
    simulator().recordCall("KovarGravaCampo", {number(field), number(zero), value, number(length)});
    return simulator().writeField(field, 0, value);
}

VKS_HOST_API void VKS_HOSTCALL KovarLimpaCampo(VksFieldId field) {
    simulator().recordCall("KovarLimpaCampo", {number(field)});
    simulator().clearField(field);
}

VKS_HOST_API void VKS_HOSTCALL KovarGravaArquivo(void) {
    simulator().recordCall("KovarGravaArquivo");
    simulator().handBack();
}

VKS_HOST_API void VKS_HOSTCALL KovarSetaViasCupomModulo(int32_t copies) {
    simulator().recordCall("KovarSetaViasCupomModulo", {number(copies)});
    simulator().setReceiptCopies(copies);
}

VKS_HOST_API void VKS_HOSTCALL GravaAudit(int32_t zero, const char* text, int32_t length) {
    const std::string_view line = textIn(text, length);
    simulator().recordCall("GravaAudit", {number(zero), line, number(length)});
    simulator().appendAudit(line);
}

} // extern "C"
