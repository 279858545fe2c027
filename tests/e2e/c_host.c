/* A minimal EFT client in C: loads the module, runs transactions that end in
 * their preconditions, checks what reached the host, unloads. Repeated, so
 * that loading after an unload is exercised too.
 *
 * With --no-platform first, it is run where no windowing platform can start
 * (no display, or a platform that cannot load): a transaction that would
 * open a screen must come back with the error reported to the host, and the
 * process must go on to unload the module and exit normally.
 *
 * With --host-libraries FOLDER, it loads the five host libraries from FOLDER
 * and calls every one of their functions by the name a host looks up.
 *
 * One source, two loaders: dlopen on POSIX systems, LoadLibrary and
 * GetProcAddress on Windows. Every function pointer is stdcall (VKS_HOSTCALL)
 * on 32-bit Windows, as the functions are: a pointer of another convention
 * would leave the stack moved after each call. */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#ifdef _WIN32
#include <windows.h>
#else
#include <dlfcn.h>
#endif

#include "vks/vks.h"
#include "vks/vkssim.h"

#ifdef _WIN32
typedef HMODULE Library;
#define HOST_LIBRARY_FILE(name) name ".dll"
/* The library's own folder is searched for the libraries it needs. */
static Library library_open(const char* path) { return LoadLibraryExA(path, NULL, LOAD_WITH_ALTERED_SEARCH_PATH); }
static void* library_symbol(Library library, const char* name) { return (void*)GetProcAddress(library, name); }
static void library_close(Library library) { FreeLibrary(library); }
static const char* library_error(void) {
    static char text[32];
    snprintf(text, sizeof text, "error %lu", (unsigned long)GetLastError());
    return text;
}
#else
typedef void* Library;
#define HOST_LIBRARY_FILE(name) "lib" name ".so"
static Library library_open(const char* path) { return dlopen(path, RTLD_NOW | RTLD_LOCAL); }
static void* library_symbol(Library library, const char* name) { return dlsym(library, name); }
static void library_close(Library library) { dlclose(library); }
static const char* library_error(void) { return dlerror(); }
#endif

typedef void(VKS_HOSTCALL* ExecutaFn)(VksWindow, int32_t);
typedef char*(VKS_HOSTCALL* ObtemVersaoFn)(char*, char*);
typedef void(VKS_HOSTCALL* LifecycleFn)(void);

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

static void* symbol(Library module, const char* name) {
    void* s = library_symbol(module, name);
    if (s == NULL) {
        fprintf(stderr, "missing export %s\n", name);
        ++failures;
    }
    return s;
}

static void run_once(const char* path) {
    Library module = library_open(path);
    if (module == NULL) {
        fprintf(stderr, "cannot load %s: %s\n", path, library_error());
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
    library_close(module);
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
    Library module = library_open(path);
    if (module == NULL) {
        fprintf(stderr, "cannot load %s: %s\n", path, library_error());
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
    library_close(module);
}

/* ---- The host libraries, every function by its plain name -------------- */

static Library host_libraries[5];
static const char* const host_library_files[5] = {HOST_LIBRARY_FILE("Kovar"), HOST_LIBRARY_FILE("Rotlib"),
                                                  HOST_LIBRARY_FILE("Tavlib"), HOST_LIBRARY_FILE("Zelnor"),
                                                  HOST_LIBRARY_FILE("Quenta")};
enum { KOVAR, ROTLIB, TAVLIB, ZELNOR, QUENTA };

/* A pointer typed from the header's declaration, stdcall included, to the
 * function found by its plain name in the library that must export it. */
#define HOST_FUNCTION(library, name) __typeof__(&name) name##_ = (__typeof__(&name))symbol(host_libraries[library], #name)

static int load_host_libraries(const char* folder) {
    for (int i = 0; i < 5; ++i) {
        char path[4096];
        snprintf(path, sizeof path, "%s/%s", folder, host_library_files[i]);
        host_libraries[i] = library_open(path);
        if (host_libraries[i] == NULL) {
            fprintf(stderr, "cannot load %s: %s\n", path, library_error());
            ++failures;
        }
    }
    return failures == 0;
}

static char text_out[256];
static VksTextOut out_buffer(void) {
    VksTextOut out = {text_out, sizeof text_out, 0};
    text_out[0] = '\0';
    return out;
}

static void expect_field(int32_t field, const char* expected) {
    char value[64];
    field_text(field, value, sizeof value);
    CHECK(strcmp(value, expected) == 0);
}

static int32_t combo_selected = -1;
static int32_t VKS_HOSTCALL combo_count(void* context) { return context == &combo_selected ? 3 : -1; }
static int32_t VKS_HOSTCALL combo_current(void* context) { return *(int32_t*)context; }
static void VKS_HOSTCALL combo_select(void* context, int32_t index) { *(int32_t*)context = index; }

static int label_texts = 0;
static void VKS_HOSTCALL label_set_text(void* context, const char* utf8) {
    (void)context;
    (void)utf8;
    ++label_texts;
}

static void call_kovar(void) {
    HOST_FUNCTION(KOVAR, KovarGravaCampo);
    HOST_FUNCTION(KOVAR, KovarLimpaCampo);
    HOST_FUNCTION(KOVAR, KovarGravaArquivo);
    HOST_FUNCTION(KOVAR, KovarSetaViasCupomModulo);
    HOST_FUNCTION(KOVAR, GravaAudit);
    if (failures) return;
    CHECK(KovarGravaCampo_(500, 0, "abc", 3) == 0);
    expect_field(500, "abc");
    KovarLimpaCampo_(500);
    expect_field(500, "");
    KovarGravaArquivo_();
    CHECK(vkssim_hand_back_count() == 1);
    KovarSetaViasCupomModulo_(2);
    CHECK(vkssim_count("KovarSetaViasCupomModulo") == 1);
    GravaAudit_(0, "linha", 5);
    CHECK(vkssim_count("GravaAudit") == 1);
}

static void call_rotlib(void) {
    HOST_FUNCTION(ROTLIB, LeCampo);
    HOST_FUNCTION(ROTLIB, GravaCampoString);
    HOST_FUNCTION(ROTLIB, KovarLeCampoMaxLen);
    HOST_FUNCTION(ROTLIB, LeMensagens);
    HOST_FUNCTION(ROTLIB, EnviaArquivoErroPDV);
    HOST_FUNCTION(ROTLIB, RemoveFormato);
    HOST_FUNCTION(ROTLIB, Dollar);
    HOST_FUNCTION(ROTLIB, Replicate);
    HOST_FUNCTION(ROTLIB, PreencherZerosEsquerda);
    HOST_FUNCTION(ROTLIB, VerificaCPF);
    HOST_FUNCTION(ROTLIB, ValKeyBoard);
    HOST_FUNCTION(ROTLIB, PermiteNumerico_BS_Enter);
    HOST_FUNCTION(ROTLIB, AvancaRetrocedeItemComboBox);
    HOST_FUNCTION(ROTLIB, GetBuildInfo);
    HOST_FUNCTION(ROTLIB, AutorizaTransacao);
    if (failures) return;
    VksTextOut out = out_buffer();

    CHECK(GravaCampoString_(501, 0, "xyz") == 0);
    LeCampo_(&out, 501, 0);
    CHECK(strcmp(text_out, "xyz") == 0 && out.length == 3);
    char buffer[8];
    int32_t length = -1;
    KovarLeCampoMaxLen_(501, 0, buffer, &length, (int32_t)sizeof buffer);
    CHECK(length == 3 && memcmp(buffer, "xyz", 3) == 0);
    /* The catalogue beside the libraries, whatever the working folder. */
    out = out_buffer();
    LeMensagens_(&out, 11);
    CHECK(strcmp(text_out, "Digite o CPF do cliente.") == 0);
    EnviaArquivoErroPDV_(7, "falha");
    CHECK(vkssim_error_count() == 1);

    const struct {
        void(VKS_HOSTCALL* routine)(VksTextOut*, const char*);
        const char* source;
        const char* expected;
    } routines[] = {{RemoveFormato_, "1.234,56", "123456"}, {Dollar_, "1500", "15,00"}};
    for (size_t i = 0; i < sizeof routines / sizeof routines[0]; ++i) {
        out = out_buffer();
        routines[i].routine(&out, routines[i].source);
        CHECK(strcmp(text_out, routines[i].expected) == 0);
    }
    out = out_buffer();
    Replicate_(&out, "*", 3);
    CHECK(strcmp(text_out, "***") == 0);
    out = out_buffer();
    PreencherZerosEsquerda_(&out, "42", 5);
    CHECK(strcmp(text_out, "00042") == 0);
    CHECK(VerificaCPF_("11144477735") != 0);
    CHECK(VerificaCPF_("11144477736") == 0);

    vkssim_map_key("a", "b");
    VksKey key = {"a"};
    ValKeyBoard_(&key);
    CHECK(strcmp(key.utf8, "b") == 0);
    VksKey letter = {"x"};
    PermiteNumerico_BS_Enter_(&letter);
    CHECK(strcmp(letter.utf8, "") == 0);
    combo_selected = 0;
    VksComboBox combo = {&combo_selected, combo_count, combo_current, combo_select};
    VksKey step = {"2"};
    AvancaRetrocedeItemComboBox_(&combo, &step);
    CHECK(combo_selected == 1 && strcmp(step.utf8, "") == 0);

    vkssim_set_build_version("9.8.7.6");
    out = out_buffer();
    GetBuildInfo_(&out, "vks.dll");
    CHECK(strcmp(text_out, "9.8.7.6") == 0);
    vkssim_set_build_version(NULL);

    VksRequestLayout layout;
    memset(&layout, 0, sizeof layout);
    layout.code = 64;
    layout.entries[0].field = VKS_FIELD_END;
    layout.entries[0].fixed_text = "";
    VksMessageLabel label = {NULL, label_set_text};
    vkssim_set_authorize(1);
    CHECK(AutorizaTransacao_(&layout, &label, 0) != 0);
    CHECK(vkssim_count("AutorizaTransacao") == 1);
    CHECK(label_texts == 1); /* the host called back into this program, stdcall too */
}

static void call_the_others(void) {
    HOST_FUNCTION(TAVLIB, LerCartaoTamMax);
    HOST_FUNCTION(ZELNOR, ValidarOperador);
    HOST_FUNCTION(QUENTA, ColocaJanelaEmPrimeiroPlano);
    if (failures) return;
    vkssim_set_card(0, "6034567890123456");
    CHECK(LerCartaoTamMax_(0, 0, "Passe o cartao", 19) == 0);
    expect_field(10104, "6034567890123456");
    vkssim_set_operator_valid(1);
    CHECK(ValidarOperador_(0, "1") != 0);
    vkssim_set_operator_valid(0);
    CHECK(ValidarOperador_(0, "1") == 0);
    ColocaJanelaEmPrimeiroPlano_(0);
    CHECK(vkssim_count("ColocaJanelaEmPrimeiroPlano") == 1);
}

static void call_every_host_function(const char* folder) {
    if (!load_host_libraries(folder)) return;
    vkssim_reset();
    call_kovar();
    call_rotlib();
    call_the_others();
    vkssim_reset();
    for (int i = 0; i < 5; ++i) library_close(host_libraries[i]);
}

int main(int argc, char** argv) {
    if (argc == 3 && strcmp(argv[1], "--host-libraries") == 0) {
        call_every_host_function(argv[2]);
        if (failures) fprintf(stderr, "%d check(s) failed\n", failures);
        return failures ? 1 : 0;
    }
    if (argc == 3 && strcmp(argv[1], "--no-platform") == 0) {
        run_without_platform(argv[2]);
        if (failures) fprintf(stderr, "%d check(s) failed\n", failures);
        return failures ? 1 : 0;
    }
    if (argc != 2) {
        fprintf(stderr, "usage: %s [--no-platform] LIBVKS | --host-libraries FOLDER\n", argv[0]);
        return 2;
    }
    for (int i = 0; i < 3; ++i) run_once(argv[1]);
    if (failures) fprintf(stderr, "%d check(s) failed\n", failures);
    return failures ? 1 : 0;
}
