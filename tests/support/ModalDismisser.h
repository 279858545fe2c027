#pragma once

#include <functional>
#include <string>
#include <vector>

#include <QObject>
#include <QTimer>

namespace vks::test {

// While alive, closes whatever modal window the module opens: a message box
// is acknowledged with OK and its text recorded; a screen is cancelled
// (modal result 2) and its reference name recorded. Lets tests run whole
// transactions without an operator.
class ModalDismisser : public QObject {
    Q_OBJECT
public:
    ModalDismisser();

    std::vector<std::string> boxes;   // texts of the message boxes, in order
    std::vector<std::string> screens; // reference names of the screens, in order

    // Called once for each modal window before it is closed.
    std::function<void()> onModal;

private:
    void poll();
    QTimer timer_;
};

} // namespace vks::test
