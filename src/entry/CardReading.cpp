#include "entry/CardReading.h"

#include "entry/ModuleState.h"
#include "entry/WipedString.h"
#include "host/HostServices.h"
#include "host/Messages.h"

namespace vks {
namespace {
constexpr int kCardReadMode = 1;
constexpr int kCardMaxLength = 16;
constexpr std::size_t kServiceXCapacity = 2049;
constexpr MessageId kStoreFailed = 1591;
} // namespace

bool LeCartaoVKS(MessageId prompt) {
    HostServices& h = host();
    WipedString supplied(h.LeCampo(field::CardNumber));
    if (isBlank(supplied.view())) {
        h.GravaCampoString(field::CardReadRequested, 0, "1"); // status deliberately ignored
        const std::string text = catalogueText(prompt);
        if (h.LerCartaoTamMax(state().ownerWindow, kCardReadMode, text, kCardMaxLength) != 0) {
            h.KovarGravaArquivo();
            return false;
        }
    } else if (h.GravaCampoString(field::Identification, 0, supplied.view()) != 0) {
        supplied.wipe();
        reportError(kStoreFailed);
        return false;
    }
    const WipedString stored(h.LeCampo(field::Identification));
    if (isBlank(stored.view())) {
        h.KovarGravaArquivo();
        return false;
    }
    return true;
}

bool TrataServicoX_VKS() {
    const std::string data = trimmed(host().KovarLeCampoMaxLen(field::ServiceXData, kServiceXCapacity));
    if (host().GravaCampoString(field::ServiceXRequest, 0, data) == 0) return true;
    reportError(kStoreFailed);
    return false;
}

} // namespace vks
