/*
 * vkssim.h - control of the simulated host from a host program written in
 * C: set up the field store and the behaviours, read back what the module
 * did. Texts are UTF-8; output texts follow the VksTextOut convention.
 */
#ifndef VKS_SIM_VKSSIM_H
#define VKS_SIM_VKSSIM_H

#include <stdint.h>

#include "vks/host_abi.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Exported by the simulator's library: by default visibility on ELF, by the
 * linker's export of every symbol on Windows. */
#if defined(_WIN32)
#define VKSSIM_API
#else
#define VKSSIM_API __attribute__((visibility("default")))
#endif

/* Clears field store, records and behaviours (the catalogue stays). */
VKSSIM_API void vkssim_reset(void);
VKSSIM_API void vkssim_set_field(int32_t field, int32_t occurrence, const char* text);
VKSSIM_API void vkssim_get_field(VksTextOut* value, int32_t field, int32_t occurrence);

VKSSIM_API void vkssim_set_operator_valid(int valid);
/* status 0 stores number in field 10104 when LerCartaoTamMax is called */
VKSSIM_API void vkssim_set_card(int16_t status, const char* number);
/* GravaCampoString on that field and occurrence returns 1 and stores nothing */
VKSSIM_API void vkssim_refuse_write(int32_t field, int32_t occurrence);
VKSSIM_API void vkssim_set_authorize(int result);
/* NULL clears the override: the version is read from the module file again */
VKSSIM_API void vkssim_set_build_version(const char* version);
VKSSIM_API void vkssim_map_key(const char* from, const char* to);
/* The call-th call (from 1) of a failable host function fails: GravaCampoString
 * and LerCartaoTamMax return 1, ValidarOperador and AutorizaTransacao false,
 * LeMensagens and GetBuildInfo an empty text. 0 when the name is not one of them. */
VKSSIM_API int vkssim_fail_call(const char* functionName, int32_t call);
/* How many calls of a failable host function were made; failed ones included. */
VKSSIM_API int32_t vkssim_failable_count(const char* functionName);

/* How many calls of the named host function were made. */
VKSSIM_API int32_t vkssim_count(const char* functionName);
VKSSIM_API int32_t vkssim_error_count(void);
VKSSIM_API int32_t vkssim_hand_back_count(void);
/* Every record (calls, writes, audit, hand-backs, errors, receipt copies,
 * authorizations) as one JSON document. */
VKSSIM_API void vkssim_result_json(VksTextOut* json);
/* Catalogue identifier of a text (templates match with any argument), -1. */
VKSSIM_API int32_t vkssim_message_id(const char* text);

#ifdef __cplusplus
}
#endif

#endif
