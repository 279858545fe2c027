#include "Probe.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QMessageBox>
#include <QPointer>

namespace vks::bench {

bool isMessageBox(const QObject& window) {
    return window.objectName() == QLatin1String("VksMessageBox") || qobject_cast<const QMessageBox*>(&window);
}

FirstPaintProbe::FirstPaintProbe() { qApp->installEventFilter(this); }

FirstPaintProbe::~FirstPaintProbe() {
    if (qApp != nullptr) qApp->removeEventFilter(this);
}

void FirstPaintProbe::arm(const QElapsedTimer& clock, Then then) {
    clock_ = &clock;
    then_ = std::move(then);
    armed_ = true;
    pending_ = false;
    focused_ = false;
    elapsedNs_ = -1;
}

bool FirstPaintProbe::eventFilter(QObject* watched, QEvent* event) {
    if (!armed_ || pending_ || event->type() != QEvent::Paint || !watched->isWidgetType()) return false;
    auto* dialog = qobject_cast<QDialog*>(static_cast<QWidget*>(watched)->window());
    if (dialog == nullptr || !dialog->isVisible() || isMessageBox(*dialog)) return false;
    pending_ = true;
    // Queued: runs once the paint of the whole window has been done.
    QMetaObject::invokeMethod(
        this, [this, target = QPointer<QDialog>(dialog)] { report(target); }, Qt::QueuedConnection);
    return false;
}

void FirstPaintProbe::report(QDialog* dialog) {
    armed_ = false;
    if (dialog == nullptr) return;
    elapsedNs_ = clock_->nsecsElapsed();
    const QWidget* focus = QApplication::focusWidget();
    focused_ = focus != nullptr && (focus == dialog || dialog->isAncestorOf(focus));
    if (then_) then_(*dialog);
}

} // namespace vks::bench
