// A module whose ExecutaGenerico never returns by itself: it runs an event
// loop that no window ends, so vks-host must cancel and then abandon it.
#include <QEventLoop>

#include "vks/vks.h"

extern "C" {

VKS_EXPORT void VKS_HOSTCALL ExecutaGenerico(VksWindow, int32_t) {
    QEventLoop loop;
    loop.exec();
}
VKS_EXPORT void VKS_HOSTCALL ExecutaVenda(VksWindow, int32_t) {}
VKS_EXPORT void VKS_HOSTCALL ExecutaFuncaoADM(VksWindow, int32_t) {}
VKS_EXPORT void VKS_HOSTCALL ExecutaConsultaCheque(VksWindow, int32_t) {}
VKS_EXPORT void VKS_HOSTCALL ExecutaPreAutorizacao(VksWindow, int32_t) {}
VKS_EXPORT char* VKS_HOSTCALL ObtemVersao(char* interfaceVersion, char* buildVersion) {
    interfaceVersion[0] = '\0';
    buildVersion[0] = '\0';
    return buildVersion;
}
VKS_EXPORT void VKS_HOSTCALL Initialize(void) {}
VKS_EXPORT void VKS_HOSTCALL Finalize(void) {}
}
