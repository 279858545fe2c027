/* The installed headers compile as C89 with every warning, and the export
 * pointer types of vks.h take the exports as they are declared (a calling
 * convention that differed would be an incompatible-pointer error). */
#include <vks/host_abi.h>
#include <vks/vks.h>
#include <vks/vkssim.h>

static const VksExecutaFn entries[] = {ExecutaGenerico, ExecutaVenda, ExecutaFuncaoADM, ExecutaConsultaCheque,
                                       ExecutaPreAutorizacao};
static const VksObtemVersaoFn version = ObtemVersao;
static const VksLifecycleFn lifecycle[] = {Initialize, Finalize};

int main(void) {
    return entries[0] != 0 && version != 0 && lifecycle[0] != 0 ? 0 : 1;
}
