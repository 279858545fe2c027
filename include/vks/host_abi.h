/*
 * host_abi.h - the functions of the host's five libraries exactly as the
 * VKS module calls them, and the request-layout record it hands to the host.
 *
 * Text conventions
 *   - Every text crossing this contract is UTF-8 (field values, catalogue
 *     texts, key characters). A host with another code page converts in
 *     its own libraries; inside the module the conversion lives in one
 *     place (src/host/TextCodec.h).
 *   - Text in: `const char*`, zero-terminated, owned by the caller and only
 *     read during the call.
 *   - Text out: a `VksTextOut*` that the caller owns. The host copies at most
 *     `capacity - 1` bytes followed by a zero byte and always stores the
 *     full length of the text in `length`. When `length >= capacity` the
 *     text did not fit and the caller calls again with a buffer of at least
 *     `length + 1` bytes, so nothing is ever truncated silently. The host
 *     never keeps the pointer after the call returns.
 */
#ifndef VKS_HOST_ABI_H
#define VKS_HOST_ABI_H

#include <stdint.h>

#if defined(_WIN32) && !defined(_WIN64)
#define VKS_HOSTCALL __stdcall
#else
#define VKS_HOSTCALL
#endif

#if defined(_WIN32)
#define VKS_HOST_IMPORT __declspec(dllimport)
#else
#define VKS_HOST_IMPORT
#endif

#ifndef VKS_HOST_API
#define VKS_HOST_API VKS_HOST_IMPORT
#endif

#ifdef __cplusplus
extern "C" {
#endif

typedef uint8_t VksBool;      /* 0 false, anything else true */
typedef uint32_t VksWindow;   /* native window handle, 0 for none */
typedef int32_t VksFieldId;   /* field of the host's field store */
typedef int32_t VksMessageId; /* text of the host's message catalogue */

typedef struct VksTextOut {
    char* data;        /* caller's buffer */
    uint32_t capacity; /* bytes at data, terminating zero included */
    uint32_t length;   /* set by the host: full text length, zero excluded */
} VksTextOut;

/* One typed character: one UTF-8 sequence, zero-terminated. An empty text
 * means "no key" (a filter cancelled it). Backspace is "\b", Enter "\r". */
typedef struct VksKey {
    char utf8[8];
} VksKey;

/* The screen's message line, for AutorizaTransacao's progress texts.
 * set_text may be called any number of times during the call only. */
typedef struct VksMessageLabel {
    void* context;
    void(VKS_HOSTCALL* set_text)(void* context, const char* utf8);
} VksMessageLabel;

/* A drop-down list the host may step through. Indexes are 0-based and -1
 * means nothing is selected. Valid during the call only. */
typedef struct VksComboBox {
    void* context;
    int32_t(VKS_HOSTCALL* count)(void* context);
    int32_t(VKS_HOSTCALL* current)(void* context);
    void(VKS_HOSTCALL* select)(void* context, int32_t index);
} VksComboBox;

/* ---- Request layout ---------------------------------------------------
 * Packed, little-endian, fields in this order. On 32-bit targets an entry
 * is 13 bytes and the record 604 bytes; on 64-bit targets the fixed-text
 * pointer takes 8 bytes, so an entry is 17 bytes and the record 788. */
#define VKS_LAYOUT_ENTRIES 46
#define VKS_FIELD_FIXED_TEXT 0u
#define VKS_FIELD_END 65535u
#define VKS_BLOCK_FLAG 255u

#pragma pack(push, 1)
typedef struct VksLayoutEntry {
    uint16_t field;         /* field identifier; 0 fixed text; 65535 end */
    uint16_t occurrence;    /* occurrence of the field */
    uint16_t width;         /* width in the request; 0 the value's own */
    uint16_t type;          /* formatting class 0..5 */
    uint8_t block;          /* 0 or 255 */
    const char* fixed_text; /* text used when field is 0, "" otherwise */
} VksLayoutEntry;

typedef struct VksRequestLayout {
    uint16_t code; /* 64, 65, 80 or 96 */
    uint16_t flag; /* 0 or 1 */
    VksLayoutEntry entries[VKS_LAYOUT_ENTRIES];
    uint8_t alignment[2];
} VksRequestLayout;
#pragma pack(pop)

#define VKS_LAYOUT_ENTRY_SIZE (8u + 1u + sizeof(const char*))
#define VKS_LAYOUT_SIZE (4u + VKS_LAYOUT_ENTRIES * VKS_LAYOUT_ENTRY_SIZE + 2u)

/* ---- Kovar: terminal interface (field store writes, audit, hand-back) -- */
VKS_HOST_API int32_t VKS_HOSTCALL KovarGravaCampo(VksFieldId field, int32_t zero, const char* text, int32_t length);
VKS_HOST_API void VKS_HOSTCALL KovarLimpaCampo(VksFieldId field);
VKS_HOST_API void VKS_HOSTCALL KovarGravaArquivo(void);
VKS_HOST_API void VKS_HOSTCALL KovarSetaViasCupomModulo(int32_t copies);
VKS_HOST_API void VKS_HOSTCALL GravaAudit(int32_t zero, const char* text, int32_t length);

/* ---- Rotlib: shared routines -------------------------------------------- */
VKS_HOST_API void VKS_HOSTCALL LeCampo(VksTextOut* value, VksFieldId field, int32_t zero);
/* 0 stored, anything else a failure */
VKS_HOST_API int16_t VKS_HOSTCALL GravaCampoString(VksFieldId field, uint16_t occurrence, const char* text);
/* Copies at most capacity bytes of the field into buffer (which the host
 * zero-fills first) and stores the number of bytes copied in *length. */
VKS_HOST_API int32_t VKS_HOSTCALL KovarLeCampoMaxLen(VksFieldId field, int32_t zero, char* buffer, int32_t* length,
                                                     int32_t capacity);
VKS_HOST_API void VKS_HOSTCALL LeMensagens(VksTextOut* text, VksMessageId message);
VKS_HOST_API void VKS_HOSTCALL EnviaArquivoErroPDV(int32_t code, const char* text);
VKS_HOST_API void VKS_HOSTCALL RemoveFormato(VksTextOut* result, const char* source);
VKS_HOST_API void VKS_HOSTCALL Dollar(VksTextOut* result, const char* source);
/* character: one UTF-8 character */
VKS_HOST_API void VKS_HOSTCALL Replicate(VksTextOut* result, const char* character, int32_t count);
VKS_HOST_API void VKS_HOSTCALL PreencherZerosEsquerda(VksTextOut* result, const char* source, int32_t width);
VKS_HOST_API VksBool VKS_HOSTCALL VerificaCPF(const char* cpf);
/* Replaces *key by the character the key stands for. */
VKS_HOST_API void VKS_HOSTCALL ValKeyBoard(VksKey* key);
/* Empties *key unless it is a digit, Backspace or Enter. */
VKS_HOST_API void VKS_HOSTCALL PermiteNumerico_BS_Enter(VksKey* key);
/* On the host's step keys ("2" next, "8" previous) moves the selection and
 * empties *key; any other key is left as it is, for the list to handle. */
VKS_HOST_API void VKS_HOSTCALL AvancaRetrocedeItemComboBox(VksComboBox* combo, VksKey* key);
VKS_HOST_API void VKS_HOSTCALL GetBuildInfo(VksTextOut* version, const char* moduleFile);
/* mode 0 on confirm, 1 for a verdict */
VKS_HOST_API VksBool VKS_HOSTCALL AutorizaTransacao(const VksRequestLayout* layout, VksMessageLabel* label,
                                                    int32_t mode);

/* ---- Tavlib: PIN pad ---------------------------------------------------- */
/* 0: a card was read and its number stored in field 10104 */
VKS_HOST_API int16_t VKS_HOSTCALL LerCartaoTamMax(VksWindow window, int32_t mode, const char* prompt,
                                                  int32_t maxLength);

/* ---- Zelnor: operator validation --------------------------------------- */
VKS_HOST_API VksBool VKS_HOSTCALL ValidarOperador(VksWindow window, const char* level);

/* ---- Quenta: window tools ---------------------------------------------- */
VKS_HOST_API void VKS_HOSTCALL ColocaJanelaEmPrimeiroPlano(VksWindow window);

#ifdef __cplusplus
}
#endif

#endif
