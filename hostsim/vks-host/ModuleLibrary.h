#pragma once

#include <stdexcept>

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
// exports resolved at once. Its host symbols resolve against the host
// libraries this program already has loaded, so both sides share one
// simulator.
class ModuleLibrary {
public:
    using EntryPoint = void(VKS_HOSTCALL*)(VksWindow, int32_t);

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

    // ../lib/libvks.so beside the running program (the build tree), else
    // ../lib/vks/libvks.so (as installed).
    static QString defaultPath();

private:
    void* resolve(const char* name) const;

    QString path_;
    void* handle_ = nullptr;
    EntryPoint entries_[5] = {};
    void(VKS_HOSTCALL* initialize_)() = nullptr;
    void(VKS_HOSTCALL* finalize_)() = nullptr;
    char*(VKS_HOSTCALL* obtemVersao_)(char*, char*) = nullptr;
};

} // namespace vkshost
