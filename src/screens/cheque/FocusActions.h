#pragma once

#include <functional>

#include <QObject>

class QWidget;

namespace vks {

// What a control does when the cashier moves into it or out of it within
// its screen. A screen losing the focus to another window (a message box)
// or to the control's own pop-up is neither.
class FocusActions final : public QObject {
public:
    using Action = std::function<void()>;

    FocusActions(QWidget& control, Action onEnter, Action onLeave = {});

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Action onEnter_;
    Action onLeave_;
};

} // namespace vks
