#pragma once

#include <functional>

#include <QObject>

class QWidget;

namespace vks {

// A control's exit handler: runs when the focus leaves the control for
// another control of the same screen (not when the screen itself loses the
// focus to another window or to the control's own pop-up).
class ControlExit final : public QObject {
public:
    ControlExit(QWidget& control, std::function<void()> handler);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void()> handler_;
};

} // namespace vks
