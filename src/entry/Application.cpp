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

// The toolkit notes a missing runtime folder it then makes itself, and the
// offscreen platform, which cannot raise a window, says so for every screen
// shown: with its own application object the module keeps these out of the
// host's log and hands every other message on.
QtMessageHandler gPreviousHandler = nullptr;
bool gQuieted = false;

void quietOffscreenHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    const bool offscreen = QGuiApplication::platformName() == QLatin1String("offscreen");
    if (type == QtWarningMsg &&
        (message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")) ||
         (offscreen && (message == QLatin1String("This plugin does not support raise()") ||
                        message == QLatin1String("This plugin does not support propagateSizeHints()"))))) {
        return;
    }
    if (gPreviousHandler != nullptr) {
        gPreviousHandler(type, context, message);
    } else {
        qt_message_output(type, context, message);
    }
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
    gPreviousHandler = qInstallMessageHandler(quietOffscreenHandler);
    gQuieted = true;
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

void releaseApplication() {
    // The handler lives in this module, which the host may unload next.
    if (gQuieted) {
        qInstallMessageHandler(gPreviousHandler);
        gPreviousHandler = nullptr;
        gQuieted = false;
    }
    ownApplication().reset();
}

} // namespace vks
