#include "ModuleLibrary.h"

#include <array>

#include <dlfcn.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "Simulator.h"
#include "scenario/Scenario.h"

namespace vkshost {
namespace {

// The host libraries a terminal's client has loaded before it loads the
// module, named as the module needs them.
const char* const HostLibraryFiles[] = {"libKovar.so", "libRotlib.so", "libTavlib.so", "libZelnor.so", "libQuenta.so"};

void* openLibrary(const QString& path, int mode) {
    void* handle = dlopen(QFile::encodeName(path).constData(), mode);
    if (handle == nullptr) {
        const char* reason = dlerror();
        throw ModuleError(
            QString("%1: cannot be loaded: %2").arg(path, reason ? reason : "unknown reason").toStdString());
    }
    return handle;
}

} // namespace

ModuleLibrary::ModuleLibrary(const QString& path)
    : path_(path) {
    const QString folder = simulatorFolder();
    try {
        for (const char* file : HostLibraryFiles)
            hostLibraries_.push_back(openLibrary(folder + '/' + QLatin1String(file), RTLD_NOW | RTLD_GLOBAL));
        handle_ = openLibrary(path, RTLD_NOW | RTLD_LOCAL);
        for (qsizetype i = 0; i < entryPointNames().size(); ++i)
            entries_[i] = reinterpret_cast<EntryPoint>(resolve(entryPointNames()[i].toLatin1().constData()));
        initialize_ = reinterpret_cast<VksLifecycleFn>(resolve("Initialize"));
        finalize_ = reinterpret_cast<VksLifecycleFn>(resolve("Finalize"));
        obtemVersao_ = reinterpret_cast<VksObtemVersaoFn>(resolve("ObtemVersao"));
    } catch (...) {
        close();
        throw;
    }
}

ModuleLibrary::~ModuleLibrary() { close(); }

// The module before the libraries it needs.
void ModuleLibrary::close() {
    if (handle_ != nullptr) dlclose(handle_);
    for (void* library : hostLibraries_) dlclose(library);
}

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

QString ModuleLibrary::simulatorFolder() {
    Dl_info info{};
    // This program links the simulator core by absolute run path, so the
    // object holding simulator() tells where the simulator's files are.
    if (dladdr(reinterpret_cast<void*>(&vks::sim::simulator), &info) == 0 || info.dli_fname == nullptr) return ".";
    return QFileInfo(QFile::decodeName(info.dli_fname)).absolutePath();
}

QString ModuleLibrary::defaultPath() {
    const QString folder = simulatorFolder();
    const QString built = folder + "/libvks.so";
    const QString installed = QDir::cleanPath(folder + "/../vks/libvks.so");
    return QFile::exists(built) || !QFile::exists(installed) ? built : installed;
}

} // namespace vkshost
