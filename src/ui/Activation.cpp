#include "ui/Activation.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QGuiApplication>
#include <QTimer>
#include <QWidget>

#include "ui/MessageBox.h"

namespace vks::ui {
namespace {

bool isModuleMessageBox(const QWidget* w) { return w != nullptr && w->objectName() == QLatin1String(kMessageBoxName); }

} // namespace

ActivationWatcher::ActivationWatcher(QWidget& window, std::function<void()> activated)
    : QObject(&window),
      window_(&window),
      activated_(std::move(activated)) {
    window.installEventFilter(this);
}

bool ActivationWatcher::eventFilter(QObject* watched, QEvent* event) {
    if (watched != window_) return false;
    if (event->type() == QEvent::WindowDeactivate) {
        // Who takes over decides what the next activation means.
        leftForMessageBox_ =
            isModuleMessageBox(QApplication::activeModalWidget()) || isModuleMessageBox(QApplication::activeWindow());
    } else if (event->type() == QEvent::WindowActivate) {
        if (leftForMessageBox_) {
            leftForMessageBox_ = false;
            return false;
        }
        // The platform may report the activation before the focus is placed
        // (the offscreen one does): report from the event loop, afterwards.
        QTimer::singleShot(0, this, [this] {
            if (window_ != nullptr && window_->isVisible()) activated_();
        });
    }
    return false;
}

void giveKeyboardBack(QWidget& window) {
    // The offscreen platform has no stacking (and says so on every call).
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) window.raise();
    window.activateWindow();
    // The platform activates asynchronously, or not at all (without a window
    // manager the keyboard falls to the root window when a window closes).
    // The window is made active now, so that the focus the caller places next
    // is a real focus move.
    if (QApplication::activeWindow() != &window) QApplication::setActiveWindow(&window);
}

int runModal(QDialog& dialog, QWidget* returnTo) {
    const QPointer<QWidget> underneath(returnTo);
    const int result = dialog.exec();
    if (underneath != nullptr && underneath != &dialog && underneath->isVisible()) giveKeyboardBack(*underneath);
    return result;
}

} // namespace vks::ui
