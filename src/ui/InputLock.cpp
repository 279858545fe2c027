#include "ui/InputLock.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

namespace vks::ui {
namespace {

bool isInput(QEvent::Type type) {
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::InputMethod:
        return true;
    default:
        return false;
    }
}

} // namespace

InputLock::InputLock(QWidget& window)
    : QObject(&window),
      window_(window) {
    QCoreApplication::instance()->installEventFilter(this);
}

InputLock::~InputLock() {
    if (QCoreApplication::instance() != nullptr) QCoreApplication::instance()->removeEventFilter(this);
}

bool InputLock::eventFilter(QObject* receiver, QEvent* event) {
    if (!isInput(event->type()) || !receiver->isWidgetType()) return false;
    return static_cast<QWidget*>(receiver)->window() == &window_;
}

void paintPending(QWidget& window) { QCoreApplication::sendPostedEvents(window.window(), QEvent::UpdateRequest); }

} // namespace vks::ui
