#pragma once

#include <initializer_list>
#include <string_view>
#include <utility>

#include "host/Fields.h"

namespace vks {

// What the miles screens share: the mapping version kept in the module
// state, and their writes to the field store.

// The mapping version the request carries: the first four characters of
// field 1077, "0000" when they are blank. Kept in state().VersaoMapeamento.
void readMappingVersion();

// Writes the kept mapping version back to field 1077; false when the host
// refuses the write.
bool storeMappingVersion();

// Packs the miles codes and values of fields 1327 to 1330 into the sale's
// composed-text buffer pCodigoValorMilhas.
void composeCodigoValorMilhas();

} // namespace vks
