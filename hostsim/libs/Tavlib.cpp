// Tavlib: the host's PIN pad. The card read answers as configured.
#include "AbiText.h"
#include "Simulator.h"

using vks::sim::simulator;
using vks::sim::abi::number;
using vks::sim::abi::textIn;

extern "C" {

VKS_HOST_API int16_t VKS_HOSTCALL LerCartaoTamMax(VksWindow window, int32_t mode, const char* prompt,
                                                  int32_t maxLength) {
    simulator().recordCall("LerCartaoTamMax",
                           {number(window), number(mode), textIn(prompt), number(maxLength)});
    if (simulator().failsNow("LerCartaoTamMax")) return 1;
    return simulator().readCard();
}

} // extern "C"
