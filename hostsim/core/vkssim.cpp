#include "vks/vkssim.h"

#include "AbiText.h"
#include "Simulator.h"

using vks::sim::simulator;
using vks::sim::abi::putText;
using vks::sim::abi::textIn;

extern "C" {

void vkssim_reset(void) { simulator().reset(); }

void vkssim_set_field(int32_t field, int32_t occurrence, const char* text) {
    simulator().setField(field, occurrence, textIn(text));
}

void vkssim_get_field(VksTextOut* value, int32_t field, int32_t occurrence) {
    simulator().withField(field, occurrence, [value](std::string_view stored) { putText(value, stored); });
}

void vkssim_set_operator_valid(int valid) { simulator().setOperatorValid(valid != 0); }

void vkssim_set_card(int16_t status, const char* number) { simulator().setCard(status, textIn(number)); }

void vkssim_refuse_write(int32_t field, int32_t occurrence) { simulator().refuseWrite(field, occurrence); }

void vkssim_set_authorize(int result) { simulator().setAuthorizeResult(result != 0); }

void vkssim_set_build_version(const char* version) {
    simulator().setBuildVersion(version == nullptr ? std::nullopt : std::optional<std::string>(version));
}

void vkssim_map_key(const char* from, const char* to) {
    simulator().mapKey(std::string(textIn(from)), std::string(textIn(to)));
}

int vkssim_fail_call(const char* functionName, int32_t call) {
    if (!vks::sim::isFailable(textIn(functionName)) || call < 1) return 0;
    simulator().failCall(std::string(textIn(functionName)), call);
    return 1;
}

int32_t vkssim_failable_count(const char* functionName) {
    const auto counts = simulator().failableCounts();
    const auto found = counts.find(std::string(textIn(functionName)));
    return found == counts.end() ? 0 : found->second;
}

int32_t vkssim_count(const char* functionName) { return simulator().callCount(textIn(functionName)); }

int32_t vkssim_error_count(void) { return static_cast<int32_t>(simulator().errors().size()); }

int32_t vkssim_hand_back_count(void) { return simulator().handBackCount(); }

void vkssim_result_json(VksTextOut* json) { putText(json, simulator().resultJson()); }

int32_t vkssim_message_id(const char* text) { return simulator().messageIdForText(textIn(text)).value_or(-1); }

} // extern "C"
