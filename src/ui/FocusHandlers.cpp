#include "ui/FocusHandlers.h"

#include <QFocusEvent>
#include <QWidget>

namespace vks::ui {

FocusMoveHandler::FocusMoveHandler(QWidget& control, QEvent::Type focusEvent, std::function<void()> handler)
    : QObject(&control),
      focusEvent_(focusEvent),
      handler_(std::move(handler)) {
    control.installEventFilter(this);
}

bool FocusMoveHandler::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == focusEvent_) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) handler_();
    }
    return QObject::eventFilter(watched, event);
}

void onEntry(QWidget& control, std::function<void()> handler) {
    new FocusMoveHandler(control, QEvent::FocusIn, std::move(handler));
}

void onExit(QWidget& control, std::function<void()> handler) {
    new FocusMoveHandler(control, QEvent::FocusOut, std::move(handler));
}

} // namespace vks::ui
