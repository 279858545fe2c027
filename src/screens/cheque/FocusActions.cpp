#include "screens/cheque/FocusActions.h"

#include <QFocusEvent>
#include <QWidget>

namespace vks {

FocusActions::FocusActions(QWidget& control, Action onEnter, Action onLeave)
    : QObject(&control), onEnter_(std::move(onEnter)), onLeave_(std::move(onLeave)) {
    control.installEventFilter(this);
}

bool FocusActions::eventFilter(QObject*, QEvent* event) {
    if (event->type() != QEvent::FocusIn && event->type() != QEvent::FocusOut) return false;
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) return false;
    const Action& action = event->type() == QEvent::FocusIn ? onEnter_ : onLeave_;
    if (action) action();
    return false;
}

} // namespace vks
