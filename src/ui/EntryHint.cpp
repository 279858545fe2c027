#include "ui/EntryHint.h"

#include <QEvent>
#include <QLabel>

namespace vks::ui {

EntryHint::EntryHint(QWidget& control, QLabel& messageLine, std::function<QString()> text)
    : QObject(&control),
      line_(&messageLine),
      text_(std::move(text)) {
    control.installEventFilter(this);
}

bool EntryHint::eventFilter(QObject*, QEvent* event) {
    if (event->type() == QEvent::FocusIn && line_ != nullptr) {
        line_->setVisible(true);
        line_->setText(text_());
    }
    return false;
}

} // namespace vks::ui
