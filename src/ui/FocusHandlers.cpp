#include "ui/FocusHandlers.h"

#include <QFocusEvent>
#include <QWidget>

namespace vks::ui {
namespace {

bool movedByCashier(Qt::FocusReason reason) {
    return reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason || reason == Qt::MouseFocusReason ||
           reason == Qt::ShortcutFocusReason;
}

} // namespace

FocusMoveHandler::FocusMoveHandler(QWidget& control, QEvent::Type focusEvent, std::function<void()> handler,
                                   bool cashierOnly)
    : QObject(&control),
      focusEvent_(focusEvent),
      handler_(std::move(handler)),
      cashierOnly_(cashierOnly) {
    control.installEventFilter(this);
}

bool FocusMoveHandler::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == focusEvent_) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        const bool withinScreen = reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
        if (withinScreen && (!cashierOnly_ || movedByCashier(reason))) handler_();
    }
    return QObject::eventFilter(watched, event);
}

void onEntry(QWidget& control, std::function<void()> handler) {
    new FocusMoveHandler(control, QEvent::FocusIn, std::move(handler));
}

void onExit(QWidget& control, std::function<void()> handler) {
    new FocusMoveHandler(control, QEvent::FocusOut, std::move(handler));
}

void onCashierExit(QWidget& control, std::function<void()> handler) {
    new FocusMoveHandler(control, QEvent::FocusOut, std::move(handler), true);
}

} // namespace vks::ui
