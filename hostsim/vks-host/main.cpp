// vks-host: a simulated EFT client that loads libvks.so, fills the field
// store from a scenario, calls the module and reports what it did.

#include <cstdio>
#include <optional>
#include <variant>

#include <QApplication>
#include <QCommandLineParser>
#include <QDate>
#include <QDir>
#include <QFileInfo>

#include "Catalogue.h"
#include "batch/FolderRun.h"
#include "batch/Junit.h"
#include "batch/OwnRun.h"
#include "batch/PrivateFolder.h"
#include "batch/Sweep.h"
#include "module/Catalogues.h"
#include "module/ModuleLibrary.h"
#include "run/ScenarioRun.h"
#include "window/ClientWindow.h"

namespace {

const char kUsage[] = "usage: vks-host run SCENARIO.json|FOLDER [options]\n"
                      "       vks-host list      (the transaction types and their screens)\n"
                      "       vks-host fields    (the fields the module reads or writes)\n"
                      "       vks-host sweep SCENARIO.json|FOLDER [options]\n"
                      "       vks-host --help | --version\n"
                      "       vks-host              (the client window; needs a display)\n"
                      "       vks-host open SCENARIO.json  (the client window with a scenario loaded)\n"
                      "options of run:\n"
                      "  --out FILE        write the result JSON to FILE instead of standard output\n"
                      "  --summary         print a summary for a person on standard output instead of the JSON\n"
                      "  --quiet           no summary on standard error\n"
                      "  --junit FILE      a JUnit XML report, one test case per scenario\n"
                      "  --shots DIR       where \"shot\" steps save their pictures\n"
                      "  --timeout SECONDS how long to wait for the call to return after the last step (default 5)\n"
                      "  --offscreen       run without showing the screens\n"
                      "  --module PATH     the module to load (default libvks.so of the simulator's build or package)\n"
                      "  --step-timeout MS how long an expect step waits (default 2000)\n"
                      "  --cashier-cancel  after a failed step leave the screens with OK and Escape, as a cashier\n"
                      "runs of a folder take the same but --summary, and:\n"
                      "  --filter TEXT     only the scenarios whose name holds TEXT (\"*\" and \"?\" as wildcards)\n"
                      "  (--out FILE then writes one JSON with every scenario's result)\n"
                      "sweep: every call of a host function that can fail, failed in turn; takes --filter,\n"
                      "       --module, --junit (one test case per run), --timeout, --step-timeout and:\n"
                      "  --every N         only every Nth failure point of each scenario\n"
                      "  --jobs N          runs at once (default 1)\n"
                      "an option a command does not take is refused.\n"
                      "Each run gets a private copy of vks-host in a new temporary folder, where it writes\n"
                      "the scenario's VKS.INI; the folder is removed however the run ends.\n"
                      "exit status: 0 passed, 1 an expectation failed, 2 invalid scenario or command line,\n"
                      "             3 the module did not return in time, 4 the module cannot be loaded\n";

struct CommandLine {
    QString target;
    vkshost::RunOptions options;
    bool offscreen = false;
    QStringList childOptions; // passed on to each scenario of a folder
    vkshost::FolderOptions folder;
    bool sweep = false;
    vkshost::SweepOptions sweepOptions;
};

// A command line that runs no scenario: what to tell the person, and whether
// it asked for help, the version or a listing (status 0) or was a mistake (2).
struct Refusal {
    QString text;
    bool mistake = true;
};

enum class Command { RunFile, RunFolder, Sweep, Open, Listing };

// The options each command takes; any other is refused by name rather than
// silently doing nothing.
const QStringList& optionsOf(Command command) {
    static const QStringList runFile{"out",       "summary", "quiet",        "shots",          "timeout",
                                     "offscreen", "module",  "step-timeout", "cashier-cancel", "junit"};
    // A folder run is quiet by nature; --quiet is taken, as scripts write it.
    static const QStringList runFolder{"out",       "junit",  "filter", "shots",        "timeout",
                                       "offscreen", "module", "quiet",  "step-timeout", "cashier-cancel"};
    static const QStringList sweep{"junit", "filter",       "module",  "every",
                                   "jobs",  "step-timeout", "timeout", "offscreen"};
    static const QStringList none;
    switch (command) {
    case Command::RunFile:
        return runFile;
    case Command::RunFolder:
        return runFolder;
    case Command::Sweep:
        return sweep;
    default:
        return none;
    }
}

QString commandName(Command command, const QString& word) {
    switch (command) {
    case Command::RunFile:
        return "a run of one scenario";
    case Command::RunFolder:
        return "a run of a folder";
    default:
        return word;
    }
}

// Whether the program can write `path`: an existing file it may write, or a
// new one in a folder that exists and takes files.
bool canWriteFile(const QString& path) {
    const QFileInfo file(path);
    if (file.exists()) return file.isFile() && file.isWritable();
    const QFileInfo folder(file.absolutePath());
    return folder.isDir() && folder.isWritable();
}

bool canWriteInFolder(const QString& path) {
    return QDir().mkpath(path) && QFileInfo(path).isDir() && QFileInfo(path).isWritable();
}

std::variant<CommandLine, Refusal> parseCommandLine(const QStringList& args) {
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption out("out", "", "FILE"), summary("summary"), quiet("quiet"), shots("shots", "", "DIR"),
        timeout("timeout", "", "SECONDS"), offscreen("offscreen"), module("module", "", "PATH"),
        help(QStringList{"help", "h"}), version("version"), junit("junit", "", "FILE"), filter("filter", "", "TEXT"),
        stepTimeout("step-timeout", "", "MS"), cashierCancel("cashier-cancel"), every("every", "", "N"),
        jobs("jobs", "", "N");
    parser.addOptions({out, summary, quiet, shots, timeout, offscreen, module, help, version, junit, filter,
                       stepTimeout, cashierCancel, every, jobs});
    if (!parser.parse(QStringList{"vks-host"} + args)) {
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty()) return Refusal{QString("unknown option --%1; see --help").arg(unknown.front())};
        return Refusal{parser.errorText().toLower().remove(QLatin1Char('.')) + "; see --help"};
    }
    if (parser.isSet(help)) return Refusal{QString::fromLatin1(kUsage), false};
    if (parser.isSet(version)) return Refusal{QString("vks-host %1").arg(VKS_HOST_VERSION), false};
    const QStringList words = parser.positionalArguments();
    if (words.isEmpty()) return Refusal{"nothing to do; see --help"};
    const QString& command = words[0];
    if (command != "run" && command != "sweep" && command != "open" && command != "list" && command != "fields")
        return Refusal{QString("unknown command %1; see --help").arg(command)};
    const qsizetype wanted = command == "list" || command == "fields" ? 1 : 2;
    if (words.size() < wanted) return Refusal{command + " needs a scenario file or folder; see --help"};
    if (words.size() > wanted) return Refusal{QString("unexpected argument %1; see --help").arg(words[wanted])};
    const Command kind = command == "open"             ? Command::Open
                         : command == "sweep"          ? Command::Sweep
                         : wanted == 1                 ? Command::Listing
                         : QFileInfo(words[1]).isDir() ? Command::RunFolder
                                                       : Command::RunFile;
    for (const QString& name : parser.optionNames())
        if (!optionsOf(kind).contains(name))
            return Refusal{QString("--%1 does not apply to %2; see --help").arg(name, commandName(kind, command))};
    if (kind == Command::Open) return Refusal{"open shows the client window, which needs a display"};
    if (kind == Command::Listing)
        return Refusal{(command == "list" ? vkshost::transactionListing() : vkshost::fieldListing()).chopped(1), false};
    if (!QFileInfo::exists(words[1])) return Refusal{words[1] + ": no such file or folder"};

    CommandLine line;
    line.sweep = kind == Command::Sweep;
    line.target = words[1];
    // A whole number from `low` to `high`, or the refusal naming the option.
    const auto count = [&parser](const QCommandLineOption& option, int low, int high, int& into) {
        bool ok = false;
        const int value = parser.value(option).toInt(&ok);
        if (!ok || value < low || value > high)
            return std::optional<Refusal>(Refusal{QString("--%1 %2: not a whole number from %3 to %4")
                                                      .arg(option.names().front(), parser.value(option))
                                                      .arg(low)
                                                      .arg(high)});
        into = value;
        return std::optional<Refusal>();
    };
    if (parser.isSet(stepTimeout)) {
        if (auto refusal = count(stepTimeout, 1, 60000, line.options.stepTimeoutMs)) return *refusal;
        line.sweepOptions.stepTimeoutMs = line.options.stepTimeoutMs;
        line.childOptions << "--step-timeout" << parser.value(stepTimeout);
    }
    if (parser.isSet(cashierCancel)) {
        line.options.cashierCancel = true;
        line.childOptions << "--cashier-cancel";
    }
    if (parser.isSet(every))
        if (auto refusal = count(every, 1, 1000000, line.sweepOptions.every)) return *refusal;
    if (parser.isSet(jobs))
        if (auto refusal = count(jobs, 1, 64, line.sweepOptions.jobs)) return *refusal;
    line.sweepOptions.filter = parser.value(filter);
    line.offscreen = parser.isSet(offscreen);
    line.options.summaryToStdout = parser.isSet(summary);
    line.options.quiet = parser.isSet(quiet);
    if (line.offscreen) line.childOptions << "--offscreen";
    if (parser.isSet(out)) {
        line.options.outPath = parser.value(out);
        if (!canWriteFile(line.options.outPath))
            return Refusal{QString("--out %1: cannot write there").arg(line.options.outPath)};
    }
    line.folder.outPath = line.options.outPath;
    line.folder.filter = parser.value(filter);
    if (parser.isSet(junit)) {
        line.folder.junitPath = line.options.junitPath = line.sweepOptions.junitPath = parser.value(junit);
        if (!canWriteFile(line.folder.junitPath))
            return Refusal{QString("--junit %1: cannot write there").arg(line.folder.junitPath)};
    }
    if (parser.isSet(shots)) {
        line.options.shotsDir = parser.value(shots);
        if (!canWriteInFolder(line.options.shotsDir))
            return Refusal{QString("--shots %1: cannot write pictures there").arg(line.options.shotsDir)};
        line.childOptions << "--shots" << line.options.shotsDir;
    }
    if (parser.isSet(module)) {
        line.options.modulePath = parser.value(module);
        line.childOptions << "--module" << line.options.modulePath;
    }
    if (parser.isSet(timeout)) {
        bool ok = false;
        const double seconds = parser.value(timeout).toDouble(&ok);
        if (!ok || seconds < 0 || seconds > 3600)
            return Refusal{QString("--timeout %1: not a number of seconds from 0 to 3600").arg(parser.value(timeout))};
        line.options.timeoutMs = int(seconds * 1000);
        line.sweepOptions.timeoutMs = line.options.timeoutMs;
        line.childOptions << "--timeout" << parser.value(timeout);
    }
    return line;
}

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
    if (!vkshost::PrivateHost::runningHere()) return runPrivately(argv);
    return runFile(*line, qtArgc, argv);
}
