#include "ui/MessageBox.h"

#include <QMessageBox>
#include <QPushButton>

#include "entry/ModuleState.h"
#include "ui/OwnerWindow.h"

namespace vks::ui {

void showMessage(const std::string& text, QWidget* owner) {
    if (owner == nullptr) owner = activeScreen();
    QMessageBox box(owner);
    box.setObjectName(kMessageBoxName);
    box.setIcon(QMessageBox::NoIcon);
    box.setWindowTitle(QString::fromStdString(applicationTitle()));
    box.setText(QString::fromStdString(text));
    box.setTextFormat(Qt::PlainText);
    box.addButton(QMessageBox::Ok);
    box.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    if (owner == nullptr) attachToOwner(box);
    box.exec();
}

} // namespace vks::ui
