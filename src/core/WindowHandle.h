#pragma once

#include "vks/host_abi.h"

namespace vks {

// A window of the host's windowing system, as the host libraries take it.
using WindowHandle = VksWindow;

} // namespace vks
