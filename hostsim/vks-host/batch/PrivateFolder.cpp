#include "PrivateFolder.h"

#include <array>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <mutex>

#include <dirent.h>
#include <dlfcn.h>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "Simulator.h"

namespace vkshost {

namespace {

// A sweep runs at most 64 children, each with its own folder.
constexpr std::size_t kSlots = 160;
// How long stopped children get to end before they are killed: 3 s.
constexpr int kChildEndTicks = 150; // of 20 ms

struct FolderSlot {
    std::atomic<bool> used{false};
    std::array<char, 4096> path{};
};

std::array<FolderSlot, kSlots> folders;
std::array<std::atomic<pid_t>, kSlots> children{};
std::mutex registering;

bool anyChildRunning() {
    bool running = false;
    for (std::atomic<pid_t>& child : children) {
        const pid_t pid = child.load();
        if (pid <= 0) continue;
        if (::waitpid(pid, nullptr, WNOHANG) == 0)
            running = true;
        else
            child.store(0);
    }
    return running;
}

extern "C" void endWithoutLeftovers(int signal) {
    for (std::atomic<pid_t>& child : children)
        if (const pid_t pid = child.load(); pid > 0) ::kill(pid, SIGTERM);
    for (int tick = 0; tick < kChildEndTicks && anyChildRunning(); ++tick) {
        timespec pause{0, 20'000'000};
        ::nanosleep(&pause, nullptr);
    }
    for (std::atomic<pid_t>& child : children)
        if (const pid_t pid = child.exchange(0); pid > 0) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, nullptr, 0);
        }
    for (FolderSlot& folder : folders)
        if (folder.used.load()) leftovers::removeTree(folder.path.data());
    // Ends as the signal would have: whoever waits sees which one it was.
    ::signal(signal, SIG_DFL);
    ::raise(signal);
}

void installHandlers() {
    static std::once_flag once;
    std::call_once(once, [] {
        static const int endings[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT};
        struct sigaction action {};
        action.sa_handler = endWithoutLeftovers;
        sigemptyset(&action.sa_mask);
        for (const int signal : endings) sigaddset(&action.sa_mask, signal);
        for (const int signal : endings) ::sigaction(signal, &action, nullptr);
    });
}

void removeEntries(int folder, int depth);

void removeAt(int parent, const char* name, int depth) {
    if (::unlinkat(parent, name, 0) == 0 || errno == ENOENT) return;
    const int folder = ::openat(parent, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (folder < 0) return;
    removeEntries(folder, depth + 1);
    ::close(folder);
    ::unlinkat(parent, name, AT_REMOVEDIR);
}

void removeEntries(int folder, int depth) {
    if (depth > 16) return;
    alignas(dirent64) std::array<char, 4096> buffer;
    // Entries removed while the folder is read may hide others from that
    // reading: read it again until nothing is left.
    for (int pass = 0; pass < 8; ++pass) {
        bool removedAny = false;
        ::lseek(folder, 0, SEEK_SET);
        for (ssize_t size; (size = ::getdents64(folder, buffer.data(), buffer.size())) > 0;) {
            for (ssize_t at = 0; at < size;) {
                const auto* entry = reinterpret_cast<const dirent64*>(buffer.data() + at);
                at += entry->d_reclen;
                if (std::strcmp(entry->d_name, ".") == 0 || std::strcmp(entry->d_name, "..") == 0) continue;
                removeAt(folder, entry->d_name, depth);
                removedAny = true;
            }
        }
        if (!removedAny) return;
    }
}

} // namespace

namespace leftovers {

void addFolder(const std::string& path) {
    installHandlers();
    const std::scoped_lock lock(registering);
    for (FolderSlot& folder : folders) {
        if (folder.used.load() || path.size() >= folder.path.size()) continue;
        std::memcpy(folder.path.data(), path.c_str(), path.size() + 1);
        folder.used.store(true);
        return;
    }
}

void dropFolder(const std::string& path) {
    const std::scoped_lock lock(registering);
    for (FolderSlot& folder : folders)
        if (folder.used.load() && path == folder.path.data()) folder.used.store(false);
}

void addChild(pid_t child) {
    installHandlers();
    const std::scoped_lock lock(registering);
    for (std::atomic<pid_t>& slot : children) {
        pid_t free = 0;
        if (slot.compare_exchange_strong(free, child)) return;
    }
}

void dropChild(pid_t child) {
    const std::scoped_lock lock(registering);
    for (std::atomic<pid_t>& slot : children) {
        pid_t expected = child;
        slot.compare_exchange_strong(expected, 0);
    }
}

void removeTree(const char* path) { removeAt(AT_FDCWD, path, 0); }

} // namespace leftovers

PrivateFolder::PrivateFolder() {
    QByteArray pattern = QFile::encodeName(QDir::tempPath() + "/vks-host-XXXXXX");
    if (::mkdtemp(pattern.data()) == nullptr)
        throw HostFolderError(
            QString("%1: cannot make a folder there: %2").arg(QDir::tempPath(), std::strerror(errno)).toStdString());
    encoded_ = pattern.toStdString();
    path_ = QFile::decodeName(pattern);
    leftovers::addFolder(encoded_);
}

PrivateFolder::~PrivateFolder() {
    leftovers::removeTree(encoded_.c_str());
    leftovers::dropFolder(encoded_);
}

PrivateHost::PrivateHost() {
    const QString self = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
    program_ = folder_.filePath(QFileInfo(self).fileName());
    // A link costs nothing; across file systems, or for a program this user
    // does not own, a copy.
    if (::link(QFile::encodeName(self).constData(), QFile::encodeName(program_).constData()) == 0) return;
    QFile source(self);
    if (!source.copy(program_))
        throw HostFolderError(
            QString("%1: cannot copy %2 there: %3").arg(program_, self, source.errorString()).toStdString());
    QFile::setPermissions(program_, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QProcessEnvironment PrivateHost::environment(const QString& modulePath) const {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(kFolderVariable, folder());
    environment.insert(kModuleVariable, modulePath);
    // The copy loads the very host libraries this program loaded, wherever
    // its run path would have led from its own folder.
    Dl_info loaded{};
    if (::dladdr(reinterpret_cast<void*>(&vks::sim::simulator), &loaded) != 0 && loaded.dli_fname != nullptr) {
        const QString libraries = QFileInfo(QFile::decodeName(loaded.dli_fname)).canonicalPath();
        const QString before = environment.value("LD_LIBRARY_PATH");
        environment.insert("LD_LIBRARY_PATH", before.isEmpty() ? libraries : libraries + ':' + before);
    }
    return environment;
}

bool PrivateHost::runningHere() {
    const QString folder = qEnvironmentVariable(kFolderVariable);
    if (folder.isEmpty()) return false;
    const QString program = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
    return QFileInfo(program).absolutePath() == QFileInfo(folder).canonicalFilePath();
}

} // namespace vkshost
