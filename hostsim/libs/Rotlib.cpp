// Rotlib: the host's shared routines (field access, message catalogue, text
// and key routines, authorization).
#include <algorithm>
#include <cstring>

#include "AbiText.h"
#include "Simulator.h"
#include "Wipe.h"
#include "routines.h"

namespace routines = vks::sim::routines;
using vks::sim::simulator;
using vks::sim::abi::keyText;
using vks::sim::abi::number;
using vks::sim::abi::putKey;
using vks::sim::abi::putText;
using vks::sim::abi::textIn;

namespace {

// The text routines share one shape: record the call, answer into a
// VksTextOut. The answer may carry what the module sent (a host code), so it
// is overwritten once handed over.
void answer(VksTextOut* out, const char* function, std::initializer_list<std::string_view> arguments,
            std::string result) {
    simulator().recordCall(function, arguments);
    putText(out, result);
    vks::sim::wipe(result);
}

} // namespace

extern "C" {

VKS_HOST_API void VKS_HOSTCALL LeCampo(VksTextOut* value, VksFieldId field, int32_t zero) {
    simulator().recordCall("LeCampo", {number(field), number(zero)});
    simulator().withField(field, 0, [value](std::string_view stored) { putText(value, stored); });
}

VKS_HOST_API int16_t VKS_HOSTCALL GravaCampoString(VksFieldId field, uint16_t occurrence, const char* text) {
    simulator().recordCall("GravaCampoString", {number(field), number(occurrence), textIn(text)});
    if (simulator().failsNow("GravaCampoString")) return 1;
    return simulator().writeField(field, occurrence, textIn(text));
}

VKS_HOST_API int32_t VKS_HOSTCALL KovarLeCampoMaxLen(VksFieldId field, int32_t zero, char* buffer, int32_t* length,
                                                     int32_t capacity) {
    simulator().recordCall("KovarLeCampoMaxLen", {number(field), number(zero), number(capacity)});
    if (length != nullptr) *length = 0;
    if (buffer == nullptr || capacity <= 0) return -1;
    simulator().withField(field, 0, [&](std::string_view value) {
        const std::size_t copied = std::min(value.size(), static_cast<std::size_t>(capacity));
        std::memset(buffer, 0, static_cast<std::size_t>(capacity));
        if (copied > 0) std::memcpy(buffer, value.data(), copied);
        if (length != nullptr) *length = static_cast<int32_t>(copied);
    });
    return 0;
}

VKS_HOST_API void VKS_HOSTCALL LeMensagens(VksTextOut* text, VksMessageId message) {
    const bool failed = simulator().failsNow("LeMensagens");
    answer(text, "LeMensagens", {number(message)}, failed ? std::string() : simulator().message(message));
}

VKS_HOST_API void VKS_HOSTCALL EnviaArquivoErroPDV(int32_t code, const char* text) {
    simulator().recordCall("EnviaArquivoErroPDV", {number(code), textIn(text)});
    simulator().reportError(code, textIn(text));
}

VKS_HOST_API void VKS_HOSTCALL RemoveFormato(VksTextOut* result, const char* source) {
    answer(result, "RemoveFormato", {textIn(source)}, routines::removeFormato(textIn(source)));
}

VKS_HOST_API void VKS_HOSTCALL Dollar(VksTextOut* result, const char* source) {
    answer(result, "Dollar", {textIn(source)}, routines::dollar(textIn(source)));
}

VKS_HOST_API void VKS_HOSTCALL Replicate(VksTextOut* result, const char* character, int32_t count) {
    answer(result, "Replicate", {textIn(character), number(count)},
           routines::replicate(textIn(character), count));
}

VKS_HOST_API void VKS_HOSTCALL PreencherZerosEsquerda(VksTextOut* result, const char* source, int32_t width) {
    answer(result, "PreencherZerosEsquerda", {textIn(source), number(width)},
           routines::preencherZerosEsquerda(textIn(source), width));
}

VKS_HOST_API VksBool VKS_HOSTCALL VerificaCPF(const char* cpf) {
    simulator().recordCall("VerificaCPF", {textIn(cpf)});
    return routines::verificaCpf(textIn(cpf)) ? 1 : 0;
}

VKS_HOST_API void VKS_HOSTCALL ValKeyBoard(VksKey* key) {
    const std::string typed = keyText(key);
    simulator().recordCall("ValKeyBoard", {typed});
    putKey(key, simulator().keyFor(typed));
}

VKS_HOST_API void VKS_HOSTCALL PermiteNumerico_BS_Enter(VksKey* key) {
    const std::string typed = keyText(key);
    simulator().recordCall("PermiteNumerico_BS_Enter", {typed});
    putKey(key, routines::permiteNumericoBsEnter(typed));
}

VKS_HOST_API void VKS_HOSTCALL AvancaRetrocedeItemComboBox(VksComboBox* combo, VksKey* key) {
    const std::string typed = keyText(key);
    simulator().recordCall("AvancaRetrocedeItemComboBox", {typed});
    if (!routines::isComboStepKey(typed)) return;
    putKey(key, "");
    if (combo == nullptr || combo->count == nullptr || combo->current == nullptr || combo->select == nullptr) return;
    const int32_t current = combo->current(combo->context);
    const int32_t next = routines::stepComboSelection(current, combo->count(combo->context), typed);
    if (next != current) combo->select(combo->context, next);
}

VKS_HOST_API void VKS_HOSTCALL GetBuildInfo(VksTextOut* version, const char* moduleFile) {
    const bool failed = simulator().failsNow("GetBuildInfo");
    answer(version, "GetBuildInfo", {textIn(moduleFile)},
           failed ? std::string() : simulator().buildInfo(textIn(moduleFile)));
}

VKS_HOST_API VksBool VKS_HOSTCALL AutorizaTransacao(const VksRequestLayout* layout, VksMessageLabel* label,
                                                    int32_t mode) {
    simulator().recordCall("AutorizaTransacao", {layout == nullptr ? "" : number(layout->code), number(mode)});
    const bool failed = simulator().failsNow("AutorizaTransacao");
    if (layout == nullptr) return 0;
    // A failed call still shows what the host was asked: only the verdict fails.
    return simulator().authorize(*layout, label, mode) && !failed ? 1 : 0;
}

} // extern "C"
