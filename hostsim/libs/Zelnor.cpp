// Zelnor: the host's operator validation, answering as configured.
#include "AbiText.h"
#include "Simulator.h"

using vks::sim::simulator;
using vks::sim::abi::number;
using vks::sim::abi::textIn;

extern "C" {

VKS_HOST_API VksBool VKS_HOSTCALL ValidarOperador(VksWindow window, const char* level) {
    simulator().recordCall("ValidarOperador", {number(window), textIn(level)});
    if (simulator().failsNow("ValidarOperador")) return 0;
    return simulator().validateOperator() ? 1 : 0;
}

} // extern "C"
