// The module's exported entry points.

#include <algorithm>
#include <cstring>

#include "core/ModuleState.h"
#include "core/WipedString.h"
#include "entry/Application.h"
#include "entry/Dispatch.h"
#include "host/HostServices.h"
#include "host/Messages.h"
#include "host/RequestLayouts.h"
#include "vks/vks.h"

namespace vks {
namespace {

constexpr MessageId kNotSupported = 130;
constexpr MessageId kStoreFailed = 1591;
constexpr char kInterfaceVersion[] = "1.0.0.0";

// Makes the host window the owner for the duration of a call; the handle in
// force before it is restored on every way out.
class OwnerSwitch {
public:
    explicit OwnerSwitch(WindowHandle window)
        : saved_(state().ownerWindow) {
        state().ownerWindow = window;
    }
    ~OwnerSwitch() { state().ownerWindow = saved_; }
    OwnerSwitch(const OwnerSwitch&) = delete;
    OwnerSwitch& operator=(const OwnerSwitch&) = delete;

private:
    WindowHandle saved_;
};

// Calls are not reentrant: a call arriving while one runs is refused (and so
// are Initialize and Finalize).
class CallGuard {
public:
    CallGuard()
        : accepted_(!state().running) {
        state().running = true;
    }
    ~CallGuard() {
        if (accepted_) state().running = false;
    }
    CallGuard(const CallGuard&) = delete;
    CallGuard& operator=(const CallGuard&) = delete;
    bool accepted() const { return accepted_; }

private:
    bool accepted_;
};

// Nothing may be thrown across the module boundary.
template <typename Body>
void guarded(Body&& body) noexcept {
    try {
        body();
    } catch (...) {}
}

// Steps 1 and 2 of every call: the module tag and the copy of field 1102.
bool tagFieldStore() {
    HostServices& h = host();
    h.KovarGravaCampo(field::ModuleTag, "36");
    WipedString code(h.LeCampo(field::HostCode));
    if (code.empty()) code.assign(h.PreencherZerosEsquerda(code.view(), 4));
    const bool stored = h.GravaCampoString(field::HostCodeCopy, 0, code.view()) == 0;
    code.wipe();
    if (!stored) reportError(kStoreFailed);
    return stored;
}

void runGeneric(WindowHandle window) {
    if (!onInterfaceThread()) return;
    const CallGuard guard;
    if (!guard.accepted()) return;
    if (!ensureApplication()) return;
    if (!tagFieldStore()) return;
    const OwnerSwitch owner(window);
    runTransaction(TransacoesHabilitadasVKS());
}

void reportUnsupported(WindowHandle window) {
    if (!onInterfaceThread()) return;
    const CallGuard guard;
    if (!guard.accepted()) return;
    const OwnerSwitch owner(window);
    reportError(kNotSupported);
}

} // namespace
} // namespace vks

using namespace vks;

extern "C" {

VKS_EXPORT void VKS_HOSTCALL ExecutaGenerico(VksWindow window, int32_t) {
    guarded([&] { runGeneric(window); });
}

VKS_EXPORT void VKS_HOSTCALL ExecutaVenda(VksWindow window, int32_t) {
    guarded([&] { reportUnsupported(window); });
}

VKS_EXPORT void VKS_HOSTCALL ExecutaFuncaoADM(VksWindow window, int32_t) {
    guarded([&] { reportUnsupported(window); });
}

VKS_EXPORT void VKS_HOSTCALL ExecutaConsultaCheque(VksWindow window, int32_t) {
    guarded([&] { reportUnsupported(window); });
}

VKS_EXPORT void VKS_HOSTCALL ExecutaPreAutorizacao(VksWindow window, int32_t) {
    guarded([&] { reportUnsupported(window); });
}

VKS_EXPORT char* VKS_HOSTCALL ObtemVersao(char* interfaceVersion, char* buildVersion) {
    if (interfaceVersion != nullptr) std::memcpy(interfaceVersion, kInterfaceVersion, sizeof kInterfaceVersion);
    if (buildVersion != nullptr) {
        const std::string& version = state().versaoDoModulo;
        const std::size_t length = std::min<std::size_t>(version.size(), VKS_BUILD_VERSION_MAX - 1);
        std::memcpy(buildVersion, version.data(), length);
        buildVersion[length] = '\0';
    }
    return buildVersion;
}

// Load and unload reset what the module holds. Arriving while a call runs
// (from one of the host's callbacks) they are refused like a nested call:
// the state under the open screen stays as it is.
VKS_EXPORT void VKS_HOSTCALL Initialize(void) {
    guarded([] {
        if (!onInterfaceThread() || state().running) return;
        resetModuleState();
        resetRequestLayouts();
    });
}

VKS_EXPORT void VKS_HOSTCALL Finalize(void) {
    guarded([] {
        if (!onInterfaceThread() || state().running) return;
        resetModuleState();
        resetRequestLayouts();
        releaseApplication();
    });
}

} // extern "C"
