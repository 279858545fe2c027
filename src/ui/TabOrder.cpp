#include "ui/TabOrder.h"

#include <QWidget>

namespace vks::ui {
namespace {

bool isTabStop(QWidget& window, QWidget* w) {
    return w != &window && (w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && w->isEnabled() &&
           w->isVisibleTo(&window) && window.isAncestorOf(w);
}

} // namespace

QWidget* firstTabStop(QWidget& window) { return nextTabStop(window, &window); }

QWidget* nextTabStop(QWidget& window, QWidget* from) {
    if (from == nullptr || (from != &window && !window.isAncestorOf(from))) from = &window;
    // The focus chain is a ring through every widget of the window.
    for (QWidget* w = from->nextInFocusChain(); w != nullptr && w != from; w = w->nextInFocusChain()) {
        if (isTabStop(window, w)) return w;
    }
    return nullptr;
}

void setTabSequence(const std::vector<QWidget*>& controls) {
    for (std::size_t i = 1; i < controls.size(); ++i) QWidget::setTabOrder(controls[i - 1], controls[i]);
}

} // namespace vks::ui
