#include "entry/Application.h"

#include <memory>

#include <QApplication>

namespace vks {
namespace {

// QApplication keeps references to argc and argv for its whole life.
int gArgc = 1;
char gProgramName[] = "vks";
char* gArgv[] = {gProgramName, nullptr};

std::unique_ptr<QApplication>& ownApplication() {
    static std::unique_ptr<QApplication> application;
    return application;
}

} // namespace

void ensureApplication() {
    if (QCoreApplication::instance() != nullptr) return;
    ownApplication() = std::make_unique<QApplication>(gArgc, gArgv);
    // The host owns the process: closing our last window must not end it.
    QApplication::setQuitOnLastWindowClosed(false);
}

void releaseApplication() { ownApplication().reset(); }

} // namespace vks
