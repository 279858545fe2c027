#include "entry/Application.h"

#include <memory>
#include <optional>
#include <string>

#include <QApplication>
#include <QThread>

#include "entry/Platform.h"
#include "host/HostServices.h"

namespace vks {
namespace {

constexpr int kErrorCode = 255;

// QApplication keeps references to argc and argv for its whole life.
int gArgc = 1;
char gProgramName[] = "vks";
char* gArgv[] = {gProgramName, nullptr};

std::unique_ptr<QApplication>& ownApplication() {
    static std::unique_ptr<QApplication> application;
    return application;
}

// Told to the host in the module's own words: the host's catalogue has no
// message for these.
void reportNoScreens(const std::string& why) {
    host().EnviaArquivoErroPDV(kErrorCode, "Módulo VKS: as telas não podem ser abertas neste terminal (" + why + ").");
}

} // namespace

bool ensureApplication() {
    if (QCoreApplication* existing = QCoreApplication::instance()) {
        if (qobject_cast<QApplication*>(existing) != nullptr) return true;
        reportNoScreens("o programa hospedeiro tem um objeto de aplicação sem janelas, não um QApplication");
        return false;
    }
    if (const std::optional<std::string> problem = platformStartProblem()) {
        reportNoScreens("nenhuma plataforma gráfica pode iniciar: " + *problem);
        return false;
    }
    ownApplication() = std::make_unique<QApplication>(gArgc, gArgv);
    // The host owns the process: closing our last window must not end it.
    QApplication::setQuitOnLastWindowClosed(false);
    return true;
}

bool onInterfaceThread() {
    const QCoreApplication* application = QCoreApplication::instance();
    if (application == nullptr || application->thread() == QThread::currentThread()) return true;
    host().EnviaArquivoErroPDV(kErrorCode, "Módulo VKS: chamada recusada: veio de outra linha de execução, não da "
                                           "interface do programa hospedeiro.");
    return false;
}

void releaseApplication() { ownApplication().reset(); }

} // namespace vks
