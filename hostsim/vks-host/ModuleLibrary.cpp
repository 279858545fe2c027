#include "ModuleLibrary.h"

#include <array>

#include <dlfcn.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include "Scenario.h"

namespace vkshost {

ModuleLibrary::ModuleLibrary(const QString& path)
    : path_(path) {
    handle_ = dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_LOCAL);
    if (handle_ == nullptr) {
        const char* reason = dlerror();
        throw ModuleError(
            QString("%1: cannot be loaded: %2").arg(path, reason ? reason : "unknown reason").toStdString());
    }
    try {
        for (qsizetype i = 0; i < entryPointNames().size(); ++i)
            entries_[i] = reinterpret_cast<EntryPoint>(resolve(entryPointNames()[i].toLatin1().constData()));
        initialize_ = reinterpret_cast<void(VKS_HOSTCALL*)()>(resolve("Initialize"));
        finalize_ = reinterpret_cast<void(VKS_HOSTCALL*)()>(resolve("Finalize"));
        obtemVersao_ = reinterpret_cast<char*(VKS_HOSTCALL*)(char*, char*)>(resolve("ObtemVersao"));
    } catch (...) {
        dlclose(handle_);
        throw;
    }
}

ModuleLibrary::~ModuleLibrary() { dlclose(handle_); }

void* ModuleLibrary::resolve(const char* name) const {
    void* symbol = dlsym(handle_, name);
    if (symbol == nullptr)
        throw ModuleError(QString("%1: the export %2 is missing").arg(path_, QLatin1String(name)).toStdString());
    return symbol;
}

ModuleLibrary::EntryPoint ModuleLibrary::entry(const QString& name) const {
    const qsizetype index = entryPointNames().indexOf(name);
    return index < 0 ? nullptr : entries_[index];
}

QString ModuleLibrary::buildVersion() const {
    std::array<char, 16> interfaceVersion{};
    std::array<char, VKS_BUILD_VERSION_MAX> build{};
    obtemVersao_(interfaceVersion.data(), build.data());
    build.back() = '\0';
    return QString::fromUtf8(build.data());
}

QString ModuleLibrary::defaultPath() {
    const QString built = QDir::cleanPath(QCoreApplication::applicationDirPath() + "/../lib/libvks.so");
    const QString installed = QDir::cleanPath(QCoreApplication::applicationDirPath() + "/../lib/vks/libvks.so");
    return QFile::exists(built) || !QFile::exists(installed) ? built : installed;
}

} // namespace vkshost
