#include "screens/miles/MilesSettings.h"

#include "core/ModuleState.h"
#include "core/Text.h"
#include "host/Fields.h"
#include "host/Messages.h"
#include "screens/base/FieldStore.h"

namespace vks {
namespace {
constexpr std::size_t kMappingVersionLength = 4;
} // namespace

void readMappingVersion() {
    std::string version = host().LeCampo(field::MappingVersion).substr(0, kMappingVersionLength);
    if (isBlank(version)) version = "0000";
    state().VersaoMapeamento = std::move(version);
}

bool storeMappingVersion() { return fields::write(field::MappingVersion, state().VersaoMapeamento); }

} // namespace vks
