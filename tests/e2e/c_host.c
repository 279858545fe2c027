/* A minimal EFT client in C: loads the module, runs transactions that end in
 * their preconditions, checks what reached the host, unloads. Repeated, so
 * that loading after an unload is exercised too. */
#include <dlfcn.h>
#include <stdio.h>
#include <string.h>

#include "vks/vks.h"
#include "vkssim.h"

typedef void (*ExecutaFn)(VksWindow, int32_t);
typedef char* (*ObtemVersaoFn)(char*, char*);
typedef void (*LifecycleFn)(void);

static int failures = 0;

#define CHECK(cond)                                                                                                    \
    do {                                                                                                               \
        if (!(cond)) {                                                                                                 \
            fprintf(stderr, "%s:%d: failed: %s\n", __FILE__, __LINE__, #cond);                                         \
            ++failures;                                                                                                \
        }                                                                                                              \
    } while (0)

static void field_text(int32_t field, char* buffer, uint32_t size) {
    VksTextOut out = {buffer, size, 0};
    vkssim_get_field(&out, field, 0);
}

static void* symbol(void* module, const char* name) {
    void* s = dlsym(module, name);
    if (s == NULL) {
        fprintf(stderr, "missing export %s\n", name);
        ++failures;
    }
    return s;
}

static void run_once(const char* path) {
    void* module = dlopen(path, RTLD_NOW | RTLD_LOCAL);
    if (module == NULL) {
        fprintf(stderr, "cannot load %s: %s\n", path, dlerror());
        ++failures;
        return;
    }
    LifecycleFn initialize = (LifecycleFn)symbol(module, "Initialize");
    LifecycleFn finalize = (LifecycleFn)symbol(module, "Finalize");
    ExecutaFn generico = (ExecutaFn)symbol(module, "ExecutaGenerico");
    ExecutaFn venda = (ExecutaFn)symbol(module, "ExecutaVenda");
    ObtemVersaoFn versao = (ObtemVersaoFn)symbol(module, "ObtemVersao");
    if (failures) return;

    char iface[16] = "x", build[VKS_BUILD_VERSION_MAX] = "x", text[64];
    initialize();
    CHECK(versao(iface, build) == build);
    CHECK(strcmp(iface, "1.0.0.0") == 0);
    CHECK(strcmp(build, "") == 0);

    /* Installment cancellation with a sub-option the module rejects. */
    vkssim_reset();
    vkssim_set_field(1105, 0, "01");
    vkssim_set_field(1100, 0, "7");
    generico(0, 0);
    CHECK(vkssim_error_count() == 1);
    field_text(10112, text, sizeof text);
    CHECK(strcmp(text, "36") == 0);
    field_text(10147, text, sizeof text);
    CHECK(strcmp(text, "0000") == 0);

    /* A card transaction whose PIN-pad read fails. */
    vkssim_reset();
    vkssim_set_field(1105, 0, "0001");
    vkssim_set_card(2, "");
    generico(0, 0);
    CHECK(vkssim_count("LerCartaoTamMax") == 1);
    CHECK(vkssim_hand_back_count() == 1);
    CHECK(vkssim_error_count() == 0);

    vkssim_reset();
    venda(0, 0);
    CHECK(vkssim_error_count() == 1);

    finalize();
    dlclose(module);
}

int main(int argc, char** argv) {
    if (argc != 2) {
        fprintf(stderr, "usage: %s LIBVKS\n", argv[0]);
        return 2;
    }
    for (int i = 0; i < 3; ++i) run_once(argv[1]);
    if (failures) fprintf(stderr, "%d check(s) failed\n", failures);
    return failures ? 1 : 0;
}
