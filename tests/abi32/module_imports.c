/* The module's entry points as a Windows host compiled against vks.h links
 * to them: through the import library made from src/entry/vks.def. Linking
 * this program proves the .def file's decorations (name@bytes) match the
 * header's stdcall declarations; where the toolkit is missing the module
 * itself is not built, so nothing else would. Never run. */
#include "vks/vks.h"

int main(int argc, char** argv) {
    (void)argv;
    if (argc > 1000) {
        char iface[8], build[VKS_BUILD_VERSION_MAX];
        Initialize();
        ExecutaGenerico(0, 0);
        ExecutaVenda(0, 0);
        ExecutaFuncaoADM(0, 0);
        ExecutaConsultaCheque(0, 0);
        ExecutaPreAutorizacao(0, 0);
        ObtemVersao(iface, build);
        Finalize();
    }
    return 0;
}
