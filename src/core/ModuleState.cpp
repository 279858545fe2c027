#include "core/ModuleState.h"

#include <memory>

namespace vks {
namespace {
std::unique_ptr<ModuleState>& holder() {
    static std::unique_ptr<ModuleState> instance = std::make_unique<ModuleState>();
    return instance;
}
} // namespace

ModuleState& state() { return *holder(); }

void resetModuleState() { holder() = std::make_unique<ModuleState>(); }

std::string applicationTitle() { return state().tituloAplicacao; }

} // namespace vks
