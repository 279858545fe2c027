#include "screens/miles/MilesSettings.h"

#include "core/ModuleState.h"
#include "core/Text.h"
#include "host/Fields.h"
#include "host/Messages.h"

namespace vks {
namespace {
constexpr std::size_t kMappingVersionLength = 4;
} // namespace

void readMappingVersion() {
    std::string version = host().LeCampo(field::MappingVersion).substr(0, kMappingVersionLength);
    if (isBlank(version)) version = "0000";
    state().VersaoMapeamento = std::move(version);
}

bool storeMappingVersion() { return storeFields({{field::MappingVersion, state().VersaoMapeamento}}); }

bool storeFields(std::initializer_list<std::pair<FieldId, std::string_view>> fields) {
    for (const auto& [id, text] : fields) {
        if (host().GravaCampoString(id, 0, text) != 0) return false;
    }
    return true;
}

} // namespace vks
