#include "entry/Platform.h"

#include <QByteArray>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>
#include <QLibraryInfo>
#include <QPluginLoader>
#include <QStringList>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>

#include "core/ModuleFile.h"

extern char** environ;

namespace vks {
namespace {

// The platforms the toolkit tries, in order, as its application object
// chooses them.
QStringList candidatePlatforms() {
    const QByteArray configured = qgetenv("QT_QPA_PLATFORM");
    QString names;
    if (!configured.isEmpty()) {
        names = QString::fromLocal8Bit(configured);
    } else {
        const QByteArray session = qgetenv("XDG_SESSION_TYPE");
        const QByteArray desktops = qgetenv("XDG_CURRENT_DESKTOP").toLower() + qgetenv("XDG_SESSION_DESKTOP").toLower();
        names =
            session == "wayland" && !desktops.contains("gnome") ? QStringLiteral("wayland;xcb") : QStringLiteral("xcb");
    }
    QStringList platforms;
    for (const QString& entry : names.split(u';', Qt::SkipEmptyParts)) {
        const QString name = entry.section(u':', 0, 0).trimmed().toLower();
        if (!name.isEmpty()) platforms.append(name);
    }
    return platforms;
}

// Where the toolkit looks for platform plugins; nullopt when a qt.conf beside
// the program may send it elsewhere (then a plugin's presence is not judged).
std::optional<QStringList> pluginDirectories() {
    const QString program = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
    const QString programDir = QFileInfo(program).absolutePath();
    if (!program.isEmpty() && QFileInfo::exists(programDir + QStringLiteral("/qt.conf"))) return std::nullopt;
    QStringList directories;
    if (const QByteArray extra = qgetenv("QT_QPA_PLATFORM_PLUGIN_PATH"); !extra.isEmpty()) {
        directories.append(QString::fromLocal8Bit(extra));
    }
    QStringList roots{QLibraryInfo::path(QLibraryInfo::PluginsPath)};
    for (const QString& path : QString::fromLocal8Bit(qgetenv("QT_PLUGIN_PATH")).split(u':', Qt::SkipEmptyParts)) {
        roots.append(path);
    }
    if (!program.isEmpty()) roots.append(programDir);
    for (const QString& root : roots) directories.append(root + QStringLiteral("/platforms"));
    return directories;
}

// The keys of the platform plugins installed (read from their metadata,
// without loading them).
QStringList installedPlatforms(const QStringList& directories) {
    QStringList keys;
    for (const QString& directory : directories) {
        const QDir dir(directory);
        for (const QFileInfo& file : dir.entryInfoList({QStringLiteral("*.so")}, QDir::Files)) {
            const QJsonObject meta = QPluginLoader(file.absoluteFilePath()).metaData().value(u"MetaData").toObject();
            for (const auto key : meta.value(u"Keys").toArray()) keys.append(key.toString().toLower());
        }
    }
    return keys;
}

bool socketAnswers(const std::string& path, bool abstract) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::size_t offset = abstract ? 1 : 0;
    if (path.size() + offset >= sizeof address.sun_path) return false;
    std::memcpy(address.sun_path + offset, path.data(), path.size());
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return false;
    const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + offset + path.size());
    const bool connected = ::connect(fd, reinterpret_cast<const sockaddr*>(&address), length) == 0;
    close(fd);
    return connected;
}

// Why the X display cannot be reached; nullopt when it may be.
std::optional<std::string> displayProblem() {
    const QByteArray display = qgetenv("DISPLAY");
    if (display.isEmpty()) return "DISPLAY não está definido";
    // ":N", ":N.S" and "unix:N" are local displays, reached through a socket;
    // a display on another host is taken on trust.
    QByteArray local;
    if (display.startsWith(':')) {
        local = display.mid(1);
    } else if (display.startsWith("unix:")) {
        local = display.mid(5);
    } else {
        return std::nullopt;
    }
    const QByteArray number = local.split('.').front();
    bool isNumber = false;
    number.toUInt(&isNumber);
    if (!isNumber) return std::nullopt;
    const std::string socket = "/tmp/.X11-unix/X" + number.toStdString();
    if (socketAnswers(socket, true) || socketAnswers(socket, false)) return std::nullopt;
    return "nenhum servidor X atende em DISPLAY=" + display.toStdString();
}

std::optional<std::string> waylandProblem() {
    if (!qEnvironmentVariableIsEmpty("WAYLAND_SOCKET")) return std::nullopt;
    QString name = qEnvironmentVariable("WAYLAND_DISPLAY");
    if (name.isEmpty()) name = QStringLiteral("wayland-0");
    if (!name.startsWith(u'/')) {
        const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
        if (runtime.isEmpty()) return "XDG_RUNTIME_DIR não está definido";
        name = runtime + u'/' + name;
    }
    if (QFileInfo::exists(name)) return std::nullopt;
    return "nenhum compositor Wayland em " + name.toStdString();
}

} // namespace

namespace {

struct Judgement {
    QString startable;    // the first platform that may start, "" when none
    std::string problems; // why those before it cannot
};

Judgement judge() {
    const QStringList platforms = candidatePlatforms();
    if (platforms.isEmpty()) return {{}, "QT_QPA_PLATFORM não nomeia nenhuma plataforma"};
    const std::optional<QStringList> directories = pluginDirectories();
    const QStringList installed = directories ? installedPlatforms(*directories) : QStringList();
    std::string why;
    for (const QString& name : platforms) {
        std::optional<std::string> problem;
        if (directories && !installed.contains(name)) {
            problem = "o plugin não está instalado";
        } else if (name == u"xcb") {
            problem = displayProblem();
        } else if (name.startsWith(u"wayland")) {
            problem = waylandProblem();
        }
        if (!problem) return {name, why};
        why += (why.empty() ? "" : "; ") + ("\"" + name.toStdString() + "\": " + *problem);
    }
    return {{}, why};
}

constexpr auto kProbeTimeout = std::chrono::seconds(5);
constexpr std::size_t kMostProbeOutput = 4096;
constexpr char kProbeReady[] = "vks-platform-ready";

// The probe's first line of complaint: the toolkit says first why the
// platform failed, then general advice.
std::string firstLine(const std::string& output) {
    std::size_t from = 0;
    while (from < output.size()) {
        const std::size_t end = std::min(output.find('\n', from), output.size());
        if (end > from) return output.substr(from, std::min<std::size_t>(end - from, 200));
        from = end + 1;
    }
    return {};
}

// Runs `probe` in a child process with this process's environment, for at
// most kProbeTimeout; nullopt when it started the platform. `platform`
// names the one expected to start, for the report (the child may have
// started a later one of a list).
std::optional<std::string> probeProblem(const std::string& probe, const std::string& platform) {
    int pipeFds[2];
    if (pipe2(pipeFds, O_CLOEXEC) != 0) return std::nullopt; // cannot try: the judgement above stands
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], 1);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], 2);
    std::string program = probe;
    char* argv[] = {program.data(), nullptr};
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeFds[1]);
    if (spawned != 0) {
        close(pipeFds[0]);
        return std::nullopt;
    }

    std::string output;
    int status = 0;
    bool exited = false;
    bool timedOut = false;
    const auto drain = [&](int waitMs) {
        pollfd readable{pipeFds[0], POLLIN, 0};
        if (poll(&readable, 1, waitMs) <= 0) return;
        char buffer[512];
        const ssize_t got = read(pipeFds[0], buffer, sizeof buffer);
        if (got > 0 && output.size() < kMostProbeOutput) output.append(buffer, static_cast<std::size_t>(got));
    };
    const auto deadline = std::chrono::steady_clock::now() + kProbeTimeout;
    while (!exited) {
        drain(10);
        const pid_t reaped = waitpid(pid, &status, WNOHANG);
        // ECHILD: the host ignores SIGCHLD and the child was reaped for it.
        exited = reaped == pid || (reaped < 0 && errno == ECHILD);
        if (!exited && std::chrono::steady_clock::now() > deadline) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            exited = timedOut = true;
        }
    }
    drain(0);
    close(pipeFds[0]);
    const std::string name = "\"" + platform + "\"";
    if (timedOut) return name + " não respondeu em 5 s";
    if (output.find(kProbeReady) != std::string::npos) return std::nullopt;
    if (const std::string line = firstLine(output); !line.empty()) return name + " não iniciou: " + line;
    if (WIFSIGNALED(status)) return name + " não iniciou (sinal " + std::to_string(WTERMSIG(status)) + ")";
    return name + " não iniciou";
}

} // namespace

std::optional<std::string> platformProblem() {
    Judgement judgement = judge();
    if (judgement.startable.isEmpty()) return std::move(judgement.problems);
    return std::nullopt;
}

std::optional<std::string> platformStartProblem() {
    const Judgement judgement = judge();
    if (judgement.startable.isEmpty()) return judgement.problems;
    // These need no device and no server.
    if (judgement.startable == u"offscreen" || judgement.startable == u"minimal") return std::nullopt;
    const std::string module = moduleFilePath();
    const std::string probe = module.substr(0, module.rfind('/') + 1) + "vks-platform-probe";
    if (module.empty() || access(probe.c_str(), X_OK) != 0) return std::nullopt; // installed without it
    return probeProblem(probe, judgement.startable.toStdString());
}

} // namespace vks
