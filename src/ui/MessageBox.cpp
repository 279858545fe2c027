#include "ui/MessageBox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include "core/FieldText.h"
#include "core/ModuleState.h"
#include "ui/Activation.h"
#include "ui/OwnerWindow.h"

namespace vks::ui {

void showMessage(const std::string& text, QWidget* owner) {
    if (owner == nullptr) owner = activeScreen();
    // The window the cashier was working in gets the keyboard back after the
    // box, whether or not the box was owned by it.
    QWidget* returnTo = owner != nullptr ? owner->window() : QApplication::activeWindow();
    QMessageBox box(owner);
    box.setObjectName(kMessageBoxName);
    box.setIcon(QMessageBox::NoIcon);
    box.setWindowTitle(fieldText(applicationTitle()));
    box.setText(fieldText(text));
    box.setTextFormat(Qt::PlainText);
    box.addButton(QMessageBox::Ok);
    box.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    if (owner == nullptr) attachToOwner(box);
    runModal(box, returnTo);
}

} // namespace vks::ui
