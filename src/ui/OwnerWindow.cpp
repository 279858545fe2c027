#include "ui/OwnerWindow.h"

#include <QApplication>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

#include "core/ModuleState.h"

namespace vks::ui {
namespace {

bool platformWrapsForeignWindows() {
    const QString platform = QGuiApplication::platformName();
    return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}

} // namespace

void attachToOwner(QWidget& window) {
    const WindowHandle owner = state().ownerWindow;
    if (owner == 0 || !platformWrapsForeignWindows()) return;
    window.winId(); // creates the native window so that it can be parented
    QWindow* foreign = QWindow::fromWinId(static_cast<WId>(owner));
    if (foreign == nullptr || window.windowHandle() == nullptr) return;
    static_cast<QObject*>(foreign)->setParent(&window); // released with the window
    window.windowHandle()->setTransientParent(foreign);
}

QWidget* activeScreen() {
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    return QApplication::activeWindow();
}

} // namespace vks::ui
