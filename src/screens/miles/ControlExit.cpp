#include "screens/miles/ControlExit.h"

#include <QFocusEvent>
#include <QWidget>

namespace vks {

ControlExit::ControlExit(QWidget& control, std::function<void()> handler)
    : QObject(&control), handler_(std::move(handler)) {
    control.installEventFilter(this);
}

bool ControlExit::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) handler_();
    }
    return QObject::eventFilter(watched, event);
}

} // namespace vks
