#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "core/ModuleState.h"
#include "host/Fields.h"

namespace vks::query {

// One module-wide query context value: where it lives in the module state,
// the field it is loaded from and written to, how many characters it keeps
// and what a blank value becomes.
struct ContextValue {
    std::string ModuleState::*value;
    FieldId field;
    std::size_t length;
    std::string_view fallback;
};

inline constexpr ContextValue TipoConsulta{&ModuleState::TipoConsulta, field::QueryType, 2, "01"};
inline constexpr ContextValue SaidaConsulta{&ModuleState::SaidaConsulta, field::QueryOutput, 1, "I"};
inline constexpr ContextValue CodigoConsulta{&ModuleState::CodigoConsulta, field::QueryCode, 3, "001"};

// The first `length` characters of `text` as they stand (a character being
// one UTF-8 sequence, so a cut never splits one); `fallback` when they are
// empty or blank.
std::string loadedValue(std::string_view text, std::size_t length, std::string_view fallback);

// Loads the value from its field by the rule above.
void load(const ContextValue& context);
// The same with another default (each query family has its own code).
void load(const ContextValue& context, std::string_view fallback);
// The value as it stands now (whatever an earlier screen left).
const std::string& valueOf(const ContextValue& context);
void set(const ContextValue& context, std::string value);
// Writes the value to its field; true when the host stored it.
bool store(const ContextValue& context);
// Left-fills the value itself with "0" to its full length, then writes it.
bool storeFilled(const ContextValue& context);

} // namespace vks::query
