#pragma once

#include <functional>

#include <QObject>

class QWidget;

namespace vks {

// A control's entry handler: runs when the cashier moves the focus into the
// control within its screen (not when the screen comes back to the front
// with the focus already there). The counterpart of ControlExit.
class ControlEntry final : public QObject {
public:
    ControlEntry(QWidget& control, std::function<void()> handler);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void()> handler_;
};

} // namespace vks
