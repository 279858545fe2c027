#include "CommandLine.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>

#include "module/Catalogues.h"

namespace vkshost {

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
                      "A run with a VKS.INI gets a private copy of vks-host in a new temporary folder, where\n"
                      "it writes the scenario's VKS.INI; the folder is removed however the run ends.\n"
                      "exit status: 0 passed, 1 an expectation failed, 2 invalid scenario or command line,\n"
                      "             3 the module did not return in time, 4 the module cannot be loaded\n";

namespace {

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

} // namespace

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

} // namespace vkshost
