#pragma once

#include <stdexcept>
#include <string>

#include <sys/types.h>

#include <QProcessEnvironment>
#include <QString>

namespace vkshost {

// A folder or file this program cannot make or write; the message names it.
class HostFolderError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// What this process must not leave behind however it ends: its temporary
// folders (results hold whole card numbers) and its child runs. On TERM,
// INT, HUP, QUIT or a crash of its own the children are stopped first (they
// may still write into the folders), then the folders are removed, then the
// process ends by the same signal. Everything here is safe in a signal
// handler: fixed slots, system calls only.
namespace leftovers {
void addFolder(const std::string& path);
void dropFolder(const std::string& path);
void addChild(pid_t child);
void dropChild(pid_t child);
// Removes `path` and everything in it; system calls only.
void removeTree(const char* path);
} // namespace leftovers

// A new folder only this user may enter, under the temporary folder;
// removed with its content when this object goes and on every ending above.
class PrivateFolder {
public:
    PrivateFolder(); // throws HostFolderError naming the folder it could not make
    ~PrivateFolder();
    PrivateFolder(const PrivateFolder&) = delete;
    PrivateFolder& operator=(const PrivateFolder&) = delete;

    const QString& path() const { return path_; }
    QString filePath(const QString& name) const { return path_ + '/' + name; }

private:
    QString path_;
    std::string encoded_;
};

// A copy of this program in a private folder. The module reads VKS.INI from
// the folder of the running program, so the copy's folder is the host
// folder of one run: nothing shared, nothing of a person's touched, and
// whoever runs it can write there. The copy learns from its environment
// which module to load and where the host libraries are, since its own
// folder no longer leads there.
class PrivateHost {
public:
    PrivateHost(); // throws HostFolderError
    const QString& program() const { return program_; }
    const QString& folder() const { return folder_.path(); }

    // The environment variables the copy is started with.
    static constexpr const char* kFolderVariable = "VKS_HOST_PRIVATE_FOLDER";
    static constexpr const char* kModuleVariable = "VKS_HOST_MODULE";
    // This process's environment with them set.
    QProcessEnvironment environment(const QString& modulePath) const;
    // Whether this process is such a copy, running in its private folder.
    static bool runningHere();

private:
    PrivateFolder folder_;
    QString program_;
};

} // namespace vkshost
