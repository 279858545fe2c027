#include "screens/cheque/ControlEntry.h"

#include <QFocusEvent>
#include <QWidget>

namespace vks {

ControlEntry::ControlEntry(QWidget& control, std::function<void()> handler)
    : QObject(&control), handler_(std::move(handler)) {
    control.installEventFilter(this);
}

bool ControlEntry::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) handler_();
    }
    return QObject::eventFilter(watched, event);
}

} // namespace vks
