#pragma once

#include <functional>

class QComboBox;
class QLineEdit;

namespace vks {

// The kind of a cheque sale (field 1066): contingency, normal or forced, the
// list's items in that order. A kind from the host is locked; without one
// the sale is normal and the cashier may change it. A forced sale shows who
// authorised it (field 1064), to be typed when the host does not say.
class SaleKind {
public:
    // `showAuthorizer` makes the authorizer's control appear on the screen.
    SaleKind(QComboBox& list, QLineEdit& authorizer, std::function<void()> showAuthorizer);

    void fill();
    // The cashier left the list.
    void left();
    // Writes the kind and the authorizer ("1" when none); false at the first
    // write the host refuses.
    bool store();

private:
    void authorizerNeeded();

    QComboBox& list_;
    QLineEdit& authorizer_;
    std::function<void()> showAuthorizer_;
};

} // namespace vks
