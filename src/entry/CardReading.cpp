#include "entry/CardReading.h"

#include "core/ModuleState.h"
#include "core/Text.h"
#include "core/WipedString.h"
#include "host/HostServices.h"
#include "host/Messages.h"

namespace vks {
namespace {
constexpr int kCardReadMode = 1;
constexpr int kCardMaxLength = 16;
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

} // namespace vks
