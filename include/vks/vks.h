/*
 * vks.h - the exports of the VKS module (libvks.so) for host integrators.
 *
 * Every entry point runs on the host's user-interface thread and returns
 * when its modal screen has closed. Calls are not reentrant: a call that
 * arrives while another is still running returns at once without doing
 * anything (see README).
 */
#ifndef VKS_VKS_H
#define VKS_VKS_H

#include <stdint.h>

#include "host_abi.h"

#if defined(_WIN32)
#define VKS_EXPORT __declspec(dllexport)
#else
#define VKS_EXPORT __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Runs the one transaction enabled in field 1105, with `window` as the
 * owner of every screen and message box. `unused` is ignored. Where no
 * windowing platform can start (no display, or a platform that cannot load),
 * it reports error 255 to the host (EnviaArquivoErroPDV) and returns. */
VKS_EXPORT void VKS_HOSTCALL ExecutaGenerico(VksWindow window, int32_t unused);

/* Not supported by this module: each reports message 130 to the host. */
VKS_EXPORT void VKS_HOSTCALL ExecutaVenda(VksWindow window, int32_t unused);
VKS_EXPORT void VKS_HOSTCALL ExecutaFuncaoADM(VksWindow window, int32_t unused);
VKS_EXPORT void VKS_HOSTCALL ExecutaConsultaCheque(VksWindow window, int32_t unused);
VKS_EXPORT void VKS_HOSTCALL ExecutaPreAutorizacao(VksWindow window, int32_t unused);

/* Copies "1.0.0.0" into interfaceVersion (at least 8 bytes) and the build
 * version of the module file into buildVersion (room for it and its zero;
 * VKS_BUILD_VERSION_MAX is always enough). The build version is empty until
 * a screen has been created. Returns buildVersion. */
#define VKS_BUILD_VERSION_MAX 128
VKS_EXPORT char* VKS_HOSTCALL ObtemVersao(char* interfaceVersion, char* buildVersion);

/* Module load and unload. Finalize releases everything the module holds,
 * including a QApplication it had to create itself. Both are refused (do
 * nothing) while a call is running, as a nested call is. */
VKS_EXPORT void VKS_HOSTCALL Initialize(void);
VKS_EXPORT void VKS_HOSTCALL Finalize(void);

/* The exports as pointer types, for a host that looks them up by name
 * (dlsym, GetProcAddress): the calling convention comes with the type, so a
 * 32-bit Windows host calls them as __stdcall without casting again.
 *   VksExecutaFn       ExecutaGenerico, ExecutaVenda, ExecutaFuncaoADM,
 *                      ExecutaConsultaCheque, ExecutaPreAutorizacao
 *   VksObtemVersaoFn   ObtemVersao
 *   VksLifecycleFn     Initialize, Finalize */
typedef void(VKS_HOSTCALL* VksExecutaFn)(VksWindow window, int32_t unused);
typedef char*(VKS_HOSTCALL* VksObtemVersaoFn)(char* interfaceVersion, char* buildVersion);
typedef void(VKS_HOSTCALL* VksLifecycleFn)(void);

#ifdef __cplusplus
}
#endif

#endif
