/*
 * Byte layout of the records exchanged with the host, checked at compile
 * time for the pointer width of the target. Included by the 32-bit proof
 * (layout_abi32.c, built with -m32) and by the unit tests (native build).
 */
#ifndef VKS_LAYOUT_ABI_CHECKS_H
#define VKS_LAYOUT_ABI_CHECKS_H

#include <stddef.h>
#include <stdint.h>

#include "vks/host_abi.h"

#ifdef __cplusplus
#define VKS_ABI_CHECK(condition) static_assert(condition, #condition)
#else
#define VKS_ABI_CHECK(condition) _Static_assert(condition, #condition)
#endif

#if UINTPTR_MAX == 0xFFFFFFFFu
#define VKS_EXPECTED_POINTER_SIZE 4
#define VKS_EXPECTED_ENTRY_SIZE 13
#define VKS_EXPECTED_LAYOUT_SIZE 604
#define VKS_EXPECTED_ALIGNMENT_OFFSET 602
#elif UINTPTR_MAX == 0xFFFFFFFFFFFFFFFFu
#define VKS_EXPECTED_POINTER_SIZE 8
#define VKS_EXPECTED_ENTRY_SIZE 17
#define VKS_EXPECTED_LAYOUT_SIZE 788
#define VKS_EXPECTED_ALIGNMENT_OFFSET 786
#else
#error "the host contract exists for 32- and 64-bit targets only"
#endif

VKS_ABI_CHECK(sizeof(void*) == VKS_EXPECTED_POINTER_SIZE);
VKS_ABI_CHECK(sizeof(const char*) == VKS_EXPECTED_POINTER_SIZE);

/* Identifiers and status values keep their widths on every target. */
VKS_ABI_CHECK(sizeof(VksFieldId) == 4);
VKS_ABI_CHECK(sizeof(VksMessageId) == 4);
VKS_ABI_CHECK(sizeof(VksWindow) == 4);
VKS_ABI_CHECK(sizeof(VksBool) == 1);
VKS_ABI_CHECK(sizeof(int16_t) == 2);
VKS_ABI_CHECK(sizeof(int32_t) == 4);
VKS_ABI_CHECK(sizeof(((VksRequestLayout*)0)->code) == 2);
VKS_ABI_CHECK(sizeof(((VksRequestLayout*)0)->flag) == 2);
VKS_ABI_CHECK(sizeof(((VksLayoutEntry*)0)->field) == 2);
VKS_ABI_CHECK(sizeof(((VksLayoutEntry*)0)->occurrence) == 2);
VKS_ABI_CHECK(sizeof(((VksLayoutEntry*)0)->width) == 2);
VKS_ABI_CHECK(sizeof(((VksLayoutEntry*)0)->type) == 2);
VKS_ABI_CHECK(sizeof(((VksLayoutEntry*)0)->block) == 1);

/* One entry: packed, the fixed-text pointer right after the block flag. */
VKS_ABI_CHECK(sizeof(VksLayoutEntry) == VKS_EXPECTED_ENTRY_SIZE);
VKS_ABI_CHECK(offsetof(VksLayoutEntry, field) == 0);
VKS_ABI_CHECK(offsetof(VksLayoutEntry, occurrence) == 2);
VKS_ABI_CHECK(offsetof(VksLayoutEntry, width) == 4);
VKS_ABI_CHECK(offsetof(VksLayoutEntry, type) == 6);
VKS_ABI_CHECK(offsetof(VksLayoutEntry, block) == 8);
VKS_ABI_CHECK(offsetof(VksLayoutEntry, fixed_text) == 9);

/* The record: header, 46 entries, two alignment bytes. */
VKS_ABI_CHECK(sizeof(VksRequestLayout) == VKS_EXPECTED_LAYOUT_SIZE);
VKS_ABI_CHECK(offsetof(VksRequestLayout, code) == 0);
VKS_ABI_CHECK(offsetof(VksRequestLayout, flag) == 2);
VKS_ABI_CHECK(offsetof(VksRequestLayout, entries) == 4);
VKS_ABI_CHECK(offsetof(VksRequestLayout, alignment) == VKS_EXPECTED_ALIGNMENT_OFFSET);
VKS_ABI_CHECK(VKS_LAYOUT_ENTRIES == 46);
VKS_ABI_CHECK(VKS_LAYOUT_ENTRY_SIZE == VKS_EXPECTED_ENTRY_SIZE);
VKS_ABI_CHECK(VKS_LAYOUT_SIZE == VKS_EXPECTED_LAYOUT_SIZE);

/* Texts out and typed keys. */
VKS_ABI_CHECK(offsetof(VksTextOut, data) == 0);
VKS_ABI_CHECK(offsetof(VksTextOut, capacity) == VKS_EXPECTED_POINTER_SIZE);
VKS_ABI_CHECK(offsetof(VksTextOut, length) == VKS_EXPECTED_POINTER_SIZE + 4);
VKS_ABI_CHECK(sizeof(VksKey) == 8);

#endif
