#pragma once

#include <stdexcept>
#include <vector>

#include <QString>

#include "vks/vks.h"

namespace vkshost {

// The module could not be loaded or lacks an export; the message names the
// file and the missing name.
class ModuleError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// libvks.so opened with dlopen (never linked, as a real host does), its
// exports resolved at once. The five replacement host libraries are opened
// first, by absolute path from the simulator's own folder, as a real client
// has its own loaded: the module's needed libKovar.so etc. then resolve to
// them and both sides share one simulator. The module never finds them by
// itself once installed.
class ModuleLibrary {
public:
    using EntryPoint = VksExecutaFn;

    explicit ModuleLibrary(const QString& path); // throws ModuleError
    ~ModuleLibrary();
    ModuleLibrary(const ModuleLibrary&) = delete;
    ModuleLibrary& operator=(const ModuleLibrary&) = delete;

    // One of entryPointNames().
    EntryPoint entry(const QString& name) const;
    void initialize() const { initialize_(); }
    void finalize() const { finalize_(); }
    QString buildVersion() const;
    const QString& path() const { return path_; }

    // libvks.so beside the simulator's libraries (the build tree), else
    // ../vks/libvks.so from their folder (as installed: /usr/lib/vks-hostsim
    // and /usr/lib/vks). Never relative to the running program, which may
    // run from a copy in a private folder.
    static QString defaultPath();

    // The folder the simulator core was loaded from (the build tree's lib
    // folder, or the tools package's own folder); the five host libraries
    // are opened from there.
    static QString simulatorFolder();

private:
    void* resolve(const char* name) const;
    void close();

    QString path_;
    std::vector<void*> hostLibraries_;
    void* handle_ = nullptr;
    EntryPoint entries_[5] = {};
    VksLifecycleFn initialize_ = nullptr;
    VksLifecycleFn finalize_ = nullptr;
    VksObtemVersaoFn obtemVersao_ = nullptr;
};

} // namespace vkshost
