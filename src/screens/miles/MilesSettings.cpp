#include "screens/miles/MilesSettings.h"

#include <algorithm>
#include <cstring>

#include "core/ModuleState.h"
#include "core/Text.h"
#include "host/Fields.h"
#include "host/Messages.h"
#include "host/RequestLayouts.h"
#include "screens/base/FieldStore.h"

namespace vks {
namespace {
constexpr std::size_t kMappingVersionLength = 4;
std::string zeroFilled(std::string text, int width) { return host().PreencherZerosEsquerda(trimmed(text), width); }

} // namespace

void readMappingVersion() {
    std::string version = fields::read(field::MappingVersion).substr(0, kMappingVersionLength);
    if (isBlank(version)) version = "0000";
    state().VersaoMapeamento = std::move(version);
}

bool storeMappingVersion() { return fields::write(field::MappingVersion, state().VersaoMapeamento); }

void composeCodigoValorMilhas() {
    const std::string code = "00000000" + zeroFilled(fields::read(field::FirstMilesCode), 2) +
                             zeroFilled(host().RemoveFormato(fields::read(field::FirstMilesValue)), 9) +
                             zeroFilled(fields::read(field::SecondMilesCode), 2) +
                             zeroFilled(host().RemoveFormato(fields::read(field::SecondMilesValue)), 9);
    // The buffer holds 30 characters; values longer than their width are cut
    // at its end rather than overrun it.
    std::memset(pCodigoValorMilhas, 0, sizeof pCodigoValorMilhas);
    std::memcpy(pCodigoValorMilhas, code.data(), std::min(code.size(), CodigoValorMilhasLength));
}

} // namespace vks
