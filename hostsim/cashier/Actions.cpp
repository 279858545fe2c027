#include "Actions.h"

#include <vector>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QMessageBox>

#include "Scene.h"

namespace vks::cashier {

bool acceptMessageBox() {
    QWidget* box = messageBox();
    if (box == nullptr) return false;
    QAbstractButton* ok = nullptr;
    if (auto* standard = qobject_cast<QMessageBox*>(box)) ok = standard->button(QMessageBox::Ok);
    if (ok == nullptr) ok = box->findChild<QAbstractButton*>();
    if (ok != nullptr) {
        QMetaObject::invokeMethod(ok, &QAbstractButton::click, Qt::QueuedConnection);
    } else if (auto* dialog = qobject_cast<QDialog*>(box)) {
        QMetaObject::invokeMethod(dialog, &QDialog::accept, Qt::QueuedConnection);
    }
    return true;
}

void closeAll(int screenResult) {
    std::vector<QWidget*> modals = openModals();
    for (auto it = modals.rbegin(); it != modals.rend(); ++it) {
        auto* dialog = qobject_cast<QDialog*>(*it);
        if (dialog == nullptr) {
            (*it)->close();
        } else {
            dialog->done(isMessageBox(dialog) ? QMessageBox::Ok : screenResult);
        }
    }
}

bool waitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() >= timeout.count()) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    return true;
}

void settle(std::chrono::milliseconds duration) {
    waitUntil([] { return false; }, duration);
}

} // namespace vks::cashier
