// Quenta: the host's window tools. Bringing a window forward is only recorded.
#include "AbiText.h"
#include "Simulator.h"

using vks::sim::simulator;
using vks::sim::abi::number;

extern "C" {

VKS_HOST_API void VKS_HOSTCALL ColocaJanelaEmPrimeiroPlano(VksWindow window) {
    simulator().recordCall("ColocaJanelaEmPrimeiroPlano", {number(window)});
}

} // extern "C"
