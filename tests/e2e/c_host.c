/* A minimal EFT client in C: loads the module, runs transactions that end in
 * their preconditions, checks what reached the host, unloads. Repeated, so
 * that loading after an unload is exercised too.
 *
 * With --no-platform first, it is run where no windowing platform can start
 * (no display, or a platform that cannot load): a transaction that would
 * open a screen must come back with the error reported to the host, and the
 * process must go on to unload the module and exit normally. */
#include <dlfcn.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "vks/vks.h"
#include "vks/vkssim.h"

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

    /* A statement by a card the host supplies: its screen confirms itself.
     * From then on the build version is the one of the module file. */
    vkssim_reset();
    vkssim_set_build_version("3.2.1.0");
    vkssim_set_field(1105, 0, "0001");
    vkssim_set_field(1059, 0, "6034567890123456");
    generico(0, 0);
    CHECK(vkssim_count("AutorizaTransacao") == 1);
    CHECK(vkssim_hand_back_count() == 1);
    CHECK(versao(iface, build) == build);
    CHECK(strcmp(iface, "1.0.0.0") == 0);
    CHECK(strcmp(build, "3.2.1.0") == 0);

    finalize();
    dlclose(module);
}

/* The simulator's records as JSON, in a buffer the caller frees. */
static char* result_json(void) {
    char probe[1];
    VksTextOut out = {probe, sizeof probe, 0};
    vkssim_result_json(&out);
    char* json = malloc((size_t)out.length + 1);
    if (json == NULL) return NULL;
    out.data = json;
    out.capacity = out.length + 1;
    vkssim_result_json(&out);
    return json;
}

static void run_without_platform(const char* path) {
    void* module = dlopen(path, RTLD_NOW | RTLD_LOCAL);
    if (module == NULL) {
        fprintf(stderr, "cannot load %s: %s\n", path, dlerror());
        ++failures;
        return;
    }
    LifecycleFn initialize = (LifecycleFn)symbol(module, "Initialize");
    LifecycleFn finalize = (LifecycleFn)symbol(module, "Finalize");
    ExecutaFn generico = (ExecutaFn)symbol(module, "ExecutaGenerico");
    if (failures) return;
    initialize();
    /* Twice: an installment payment by CPF, which opens its screen at once. */
    for (int i = 0; i < 2; ++i) {
        vkssim_reset();
        vkssim_set_field(1105, 0, "1");
        vkssim_set_field(1100, 0, "4");
        generico(0, 0);
        CHECK(vkssim_error_count() == 1);
        CHECK(vkssim_count("EnviaArquivoErroPDV") == 1);
        CHECK(vkssim_count("GravaCampoString") == 0);
        CHECK(vkssim_count("KovarGravaCampo") == 0);
        CHECK(vkssim_hand_back_count() == 0);
        char* json = result_json();
        CHECK(json != NULL && strstr(json, "nenhuma plataforma") != NULL);
        if (json != NULL && strstr(json, "nenhuma plataforma") == NULL) fprintf(stderr, "%s\n", json);
        free(json);
    }
    finalize();
    dlclose(module);
}

int main(int argc, char** argv) {
    if (argc == 3 && strcmp(argv[1], "--no-platform") == 0) {
        run_without_platform(argv[2]);
        if (failures) fprintf(stderr, "%d check(s) failed\n", failures);
        return failures ? 1 : 0;
    }
    if (argc != 2) {
        fprintf(stderr, "usage: %s [--no-platform] LIBVKS\n", argv[0]);
        return 2;
    }
    for (int i = 0; i < 3; ++i) run_once(argv[1]);
    if (failures) fprintf(stderr, "%d check(s) failed\n", failures);
    return failures ? 1 : 0;
}
