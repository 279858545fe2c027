#include "ui/TabOrder.h"

#include <algorithm>

#include <QWidget>

namespace vks::ui {
namespace {

bool isTabStop(QWidget& window, QWidget* w) {
    return w != nullptr && w != &window && window.isAncestorOf(w) &&
           (w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && w->isEnabled() && w->isVisibleTo(&window);
}

std::vector<QWidget*> focusChain(QWidget& window) {
    std::vector<QWidget*> chain;
    for (QWidget* w = window.nextInFocusChain(); w != nullptr && w != &window; w = w->nextInFocusChain()) {
        chain.push_back(w);
    }
    return chain;
}

} // namespace

QWidget* firstTabStop(QWidget& window, const std::vector<QWidget*>& order) {
    return nextTabStop(window, order, nullptr);
}

QWidget* nextTabStop(QWidget& window, const std::vector<QWidget*>& order, QWidget* from, bool forward) {
    const std::vector<QWidget*> stops = order.empty() ? focusChain(window) : order;
    const auto n = static_cast<std::ptrdiff_t>(stops.size());
    const auto found = std::find(stops.begin(), stops.end(), from);
    // Not in the order: the scan starts just before the first (or after the last).
    std::ptrdiff_t at = found != stops.end() ? found - stops.begin() : (forward ? -1 : n);
    for (std::ptrdiff_t step = 0; step < n; ++step) {
        at = ((forward ? at + 1 : at - 1) % n + n) % n;
        if (stops[static_cast<std::size_t>(at)] != from && isTabStop(window, stops[static_cast<std::size_t>(at)])) {
            return stops[static_cast<std::size_t>(at)];
        }
    }
    return nullptr;
}

} // namespace vks::ui
