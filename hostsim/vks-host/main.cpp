// vks-host: a simulated EFT client that loads libvks.so, fills the field
// store from a scenario, calls the module and reports what it did.

#include <cstdio>
#include <optional>

#include <QApplication>
#include <QDate>
#include <QFileInfo>

#include "ClientWindow.h"
#include "FolderRun.h"
#include "ModuleLibrary.h"
#include "ScenarioRun.h"

namespace {

const char kUsage[] =
    "usage: vks-host run SCENARIO.json|FOLDER [options]\n"
    "       vks-host              (a small client window; needs a display)\n"
    "options:\n"
    "  --out FILE        write the result JSON to FILE instead of standard output\n"
    "  --summary         print a summary for a person on standard output instead of the JSON\n"
    "  --quiet           no summary on standard error\n"
    "  --shots DIR       where \"shot\" steps save their pictures\n"
    "  --timeout SECONDS how long to wait for the call to return after the last step (default 5)\n"
    "  --offscreen       run without showing the screens\n"
    "  --module PATH     the module to load (default ../lib/libvks.so beside vks-host)\n"
    "exit status: 0 passed, 1 an expectation failed, 2 invalid scenario or command line,\n"
    "             3 the module did not return in time, 4 the module cannot be loaded\n";

struct CommandLine {
    QString target;
    vkshost::RunOptions options;
    bool offscreen = false;
    QStringList childOptions; // passed on to each scenario of a folder
};

std::optional<CommandLine> parseCommandLine(const QStringList& args) {
    if (args.size() < 2 || args[0] != "run") return std::nullopt;
    CommandLine line;
    line.target = args[1];
    for (qsizetype i = 2; i < args.size(); ++i) {
        const QString& option = args[i];
        const bool hasValue = i + 1 < args.size();
        if (option == "--offscreen" || option == "--summary" || option == "--quiet") {
            line.offscreen |= option == "--offscreen";
            line.options.summaryToStdout |= option == "--summary";
            line.options.quiet |= option == "--quiet";
            if (option == "--offscreen") line.childOptions << option;
        } else if (hasValue && (option == "--out" || option == "--shots" || option == "--module")) {
            const QString value = args[++i];
            if (option == "--out") line.options.outPath = value;
            if (option == "--shots") line.options.shotsDir = value;
            if (option == "--module") line.options.modulePath = value;
            if (option != "--out") line.childOptions << option << value;
        } else if (hasValue && option == "--timeout") {
            bool ok = false;
            const double seconds = args[++i].toDouble(&ok);
            if (!ok || seconds < 0 || seconds > 3600) return std::nullopt;
            line.options.timeoutMs = int(seconds * 1000);
            line.childOptions << option << args[i];
        } else {
            return std::nullopt;
        }
    }
    return line;
}

QtMessageHandler defaultHandler = nullptr;

// The offscreen platform warns about every window it cannot raise or size;
// that says nothing about the run.
void withoutPlatformNoise(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith(QLatin1String("This plugin does not support"))) return;
    if (defaultHandler != nullptr)
        defaultHandler(type, context, message);
    else
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

bool hasDisplay() {
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

int runFile(const CommandLine& line, int argc, char** argv) {
    vkshost::Scenario scenario;
    try {
        scenario = vkshost::loadScenario(line.target, QDate::currentDate());
    } catch (const vkshost::ScenarioError& error) {
        std::fprintf(stderr, "invalid: %s: %s\n", qPrintable(line.target), error.what());
        return vkshost::kInvalidScenario;
    }
    QApplication app(argc, argv);
    return vkshost::runScenario(scenario, line.options);
}

// The client window: the module loaded once, called on every Run.
int runWindow(int argc, char** argv) {
    QApplication app(argc, argv);
    try {
        vkshost::ModuleLibrary module(vkshost::ModuleLibrary::defaultPath());
        module.initialize();
        int status = 0;
        {
            vkshost::ClientWindow window(module);
            window.show();
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
    if (args.isEmpty() && hasDisplay() && !platform.startsWith("offscreen") && !platform.startsWith("minimal")) {
        int qtArgc = 1;
        return runWindow(qtArgc, argv);
    }
    if (args.isEmpty() || args[0] == "--help" || args[0] == "-h") {
        std::fputs(kUsage, args.isEmpty() ? stderr : stdout);
        return args.isEmpty() ? vkshost::kInvalidScenario : vkshost::kPassed;
    }
    const std::optional<CommandLine> line = parseCommandLine(args);
    if (!line) {
        std::fputs(kUsage, stderr);
        return vkshost::kInvalidScenario;
    }
    if (line->offscreen || !hasDisplay()) qputenv("QT_QPA_PLATFORM", "offscreen");
    defaultHandler = qInstallMessageHandler(withoutPlatformNoise);

    // Qt must not take any of our arguments for its own.
    int qtArgc = 1;
    if (QFileInfo(line->target).isDir()) {
        QCoreApplication app(qtArgc, argv);
        return vkshost::runFolder(line->target, line->childOptions, line->options.timeoutMs);
    }
    return runFile(*line, qtArgc, argv);
}
