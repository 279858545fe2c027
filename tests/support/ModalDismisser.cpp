#include "ModalDismisser.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>

namespace vks::test {

ModalDismisser::ModalDismisser() {
    connect(&timer_, &QTimer::timeout, this, &ModalDismisser::poll);
    timer_.start(5);
}

void ModalDismisser::poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || !modal->isVisible()) return;
    if (onModal) onModal();
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        boxes.push_back(box->text().toStdString());
        box->done(QMessageBox::Ok);
    } else if (auto* screen = qobject_cast<QDialog*>(modal)) {
        screens.push_back(screen->objectName().toStdString());
        screen->done(2);
    }
}

} // namespace vks::test
