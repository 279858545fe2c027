#include "Scene.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>

#include "Text.h"

namespace vks::cashier {
namespace {

bool isOpenModal(const QWidget* w) {
    return w != nullptr && w->isWindow() && w->isVisible() && w->windowModality() != Qt::NonModal;
}

} // namespace

bool isMessageBox(const QWidget* w) { return w != nullptr && w->objectName() == QLatin1String(kMessageBoxName); }

std::vector<QWidget*> openModals() {
    std::vector<QWidget*> modals;
    QWidget* top = QApplication::activeModalWidget();
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (isOpenModal(w) && w != top) modals.push_back(w);
    }
    if (isOpenModal(top)) modals.push_back(top);
    return modals;
}

QWidget* activeModal() {
    const std::vector<QWidget*> modals = openModals();
    return modals.empty() ? nullptr : modals.back();
}

QWidget* activeScreen() {
    const std::vector<QWidget*> modals = openModals();
    for (auto it = modals.rbegin(); it != modals.rend(); ++it) {
        if (!isMessageBox(*it)) return *it;
    }
    return nullptr;
}

QWidget* messageBox() {
    const std::vector<QWidget*> modals = openModals();
    for (auto it = modals.rbegin(); it != modals.rend(); ++it) {
        if (isMessageBox(*it)) return *it;
    }
    return nullptr;
}

std::string screenName() {
    QWidget* screen = activeScreen();
    return screen == nullptr ? std::string() : utf8(screen->objectName());
}

std::string focusedControl() {
    QWidget* modal = activeModal();
    if (modal == nullptr || QApplication::activeWindow() != modal) return {};
    QWidget* focus = modal->focusWidget();
    return focus == nullptr ? std::string() : utf8(focus->objectName());
}

QWidget* control(std::string_view name) {
    QWidget* screen = activeScreen();
    if (screen == nullptr) return nullptr;
    return screen->findChild<QWidget*>(qs(name));
}

std::optional<std::string> controlText(std::string_view name) {
    QWidget* w = control(name);
    if (w == nullptr) return std::nullopt;
    if (auto* edit = qobject_cast<QLineEdit*>(w)) return utf8(edit->text());
    if (auto* label = qobject_cast<QLabel*>(w)) return utf8(label->text());
    if (auto* button = qobject_cast<QAbstractButton*>(w)) return utf8(button->text());
    if (auto* combo = qobject_cast<QComboBox*>(w)) return utf8(combo->currentText());
    return utf8(w->windowTitle());
}

std::optional<bool> controlEnabled(std::string_view name) {
    QWidget* w = control(name);
    if (w == nullptr) return std::nullopt;
    return w->isEnabled();
}

std::optional<bool> controlVisible(std::string_view name) {
    QWidget* w = control(name);
    if (w == nullptr) return std::nullopt;
    return w->isVisibleTo(w->window());
}

bool screenHoldsKeyboard() {
    QWidget* modal = activeModal();
    return modal != nullptr && QApplication::activeWindow() == modal;
}

bool messageBoxUp() { return messageBox() != nullptr; }

std::string messageBoxText() {
    QWidget* box = messageBox();
    if (box == nullptr) return {};
    if (auto* standard = qobject_cast<QMessageBox*>(box)) return utf8(standard->text());
    // Another kind of box: its first label carries the text.
    auto* label = box->findChild<QLabel*>();
    return label == nullptr ? std::string() : utf8(label->text());
}

} // namespace vks::cashier
