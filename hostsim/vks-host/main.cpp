// vks-host: a simulated EFT client that loads libvks.so, fills the field
// store from a scenario, calls the module and reports what it did.

#include <cstdio>
#include <optional>
#include <variant>

#include <QApplication>
#include <QDate>
#include <QFileInfo>

#include "Catalogue.h"
#include "CommandLine.h"
#include "batch/FolderRun.h"
#include "batch/Junit.h"
#include "batch/OwnRun.h"
#include "batch/PrivateFolder.h"
#include "batch/Sweep.h"
#include "module/ModuleLibrary.h"
#include "run/ScenarioIni.h"
#include "run/ScenarioRun.h"
#include "window/ClientWindow.h"

namespace {

using vkshost::CommandLine;
using vkshost::kUsage;
using vkshost::parseCommandLine;
using vkshost::Refusal;

QtMessageHandler defaultHandler = nullptr;

// The offscreen platform warns about every window it cannot raise or size;
// that says nothing about the run.
void withoutPlatformNoise(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    // The offscreen platform cannot raise windows; the toolkit makes the
    // runtime folder it notes is missing itself.
    if (message.startsWith(QLatin1String("This plugin does not support")) ||
        message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")))
        return;
    if (defaultHandler != nullptr)
        defaultHandler(type, context, message);
    else
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

bool hasDisplay() {
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

// The module to load when no --module says: a private copy is told by its
// parent, since its own folder no longer leads there.
QString defaultModule() {
    return vkshost::PrivateHost::runningHere() ? qEnvironmentVariable(vkshost::PrivateHost::kModuleVariable)
                                               : vkshost::ModuleLibrary::defaultPath();
}

// This command line again, run by a copy of this program in a private host
// folder; the parent only waits and removes the folder.
int runPrivately(char** argv) {
    int qtArgc = 1;
    const QCoreApplication app(qtArgc, argv);
    try {
        return vkshost::runAsPrivateCopy(argv, vkshost::ModuleLibrary::defaultPath());
    } catch (const vkshost::HostFolderError& error) {
        std::fprintf(stderr, "vks-host: %s\n", error.what());
        return vkshost::kInvalidScenario;
    }
}

int runFile(CommandLine line, int argc, char** argv) {
    vkshost::Scenario scenario;
    try {
        scenario = vkshost::loadScenario(line.target, QDate::currentDate());
    } catch (const vkshost::ScenarioError& error) {
        std::fprintf(stderr, "invalid: %s: %s\n", qPrintable(line.target), error.what());
        if (!line.options.junitPath.isEmpty())
            vkshost::writeRunJunit(line.options.junitPath, {QFileInfo(line.target).completeBaseName(),
                                                            vkshost::TestOutcome::Kind::Error,
                                                            "invalid scenario: " + QString::fromUtf8(error.what()),
                                                            0,
                                                            {}});
        return vkshost::kInvalidScenario;
    }
    // Without a VKS.INI the run costs one start of the program, not two.
    if (vkshost::ScenarioIni::needsPrivateFolder(scenario.ini)) return runPrivately(argv);
    QApplication app(argc, argv);
    if (line.options.modulePath.isEmpty()) line.options.modulePath = defaultModule();
    return vkshost::runScenario(scenario, line.options);
}

// The client window: the module loaded once, called on every Run.
int runWindow(int argc, char** argv, const QString& scenario) {
    QApplication app(argc, argv);
    try {
        vkshost::ModuleLibrary module(defaultModule());
        module.initialize();
        int status = 0;
        {
            vkshost::ClientWindow window(module);
            window.show();
            if (!scenario.isEmpty()) window.openScenarioFile(scenario);
            status = app.exec();
        }
        module.finalize();
        return status;
    } catch (const vkshost::ModuleError& error) {
        std::fprintf(stderr, "vks-host: %s\n", error.what());
        return vkshost::kModuleUnusable;
    }
}

} // namespace

int main(int argc, char** argv) {
    QStringList args;
    for (int i = 1; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    const bool windowAsked = args.isEmpty() || (args.size() == 2 && args[0] == "open");
    if (windowAsked && hasDisplay() && !platform.startsWith("offscreen") && !platform.startsWith("minimal")) {
        if (!vkshost::PrivateHost::runningHere()) return runPrivately(argv);
        int qtArgc = 1;
        return runWindow(qtArgc, argv, args.value(1));
    }
    if (args.isEmpty()) {
        std::fputs(kUsage, stderr);
        return vkshost::kInvalidScenario;
    }
    const std::variant<CommandLine, Refusal> parsed = parseCommandLine(args);
    if (const auto* refusal = std::get_if<Refusal>(&parsed)) {
        const QByteArray text = (refusal->mistake ? "vks-host: " + refusal->text : refusal->text).toLocal8Bit();
        std::fprintf(refusal->mistake ? stderr : stdout, "%s\n", text.constData());
        return refusal->mistake ? vkshost::kInvalidScenario : vkshost::kPassed;
    }
    const CommandLine* line = &std::get<CommandLine>(parsed);
    // Without its catalogue the host would show "Mensagem N" for every text.
    if (const std::string catalogue = vks::sim::MessageCatalogue::defaultPath();
        !QFileInfo(QString::fromStdString(catalogue)).isReadable()) {
        std::fprintf(stderr, "vks-host: the message catalogue %s cannot be read\n", catalogue.c_str());
        return vkshost::kModuleUnusable;
    }
    if (line->offscreen || !hasDisplay()) qputenv("QT_QPA_PLATFORM", "offscreen");
    defaultHandler = qInstallMessageHandler(withoutPlatformNoise);

    // Qt must not take any of our arguments for its own.
    int qtArgc = 1;
    if (line->sweep) {
        QCoreApplication app(qtArgc, argv);
        // The children are told these by the sweep itself.
        QStringList childOptions;
        if (!line->options.modulePath.isEmpty()) childOptions << "--module" << line->options.modulePath;
        return vkshost::runSweep(line->target, childOptions << "--offscreen", line->sweepOptions);
    }
    if (QFileInfo(line->target).isDir()) {
        QCoreApplication app(qtArgc, argv);
        return vkshost::runFolder(line->target, line->childOptions, line->options.timeoutMs, line->folder);
    }
    return runFile(*line, qtArgc, argv);
}
