#pragma once

#include "scenario/Scenario.h"

namespace vkshost {

// Resets the simulated host and fills it from the scenario's fields and
// host behaviours.
void configureHost(const Scenario& scenario);

} // namespace vkshost
