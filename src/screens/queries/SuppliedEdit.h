#pragma once

#include <string>

#include "host/Fields.h"

class QLineEdit;

namespace vks {

// An edit field the host may fill from its field store. What the host
// supplies is shown, locks the field and goes back to the store byte for
// byte; the field's declared maximum length only limits what the cashier
// types.
class SuppliedEdit {
public:
    explicit SuppliedEdit(QLineEdit& edit);

    // The field's text into the control, locked when there is any.
    void fill(FieldId field);
    // What the control stands for: the supplied text while it is locked,
    // the typed text otherwise.
    std::string value() const;
    // Writes value() to `field`; true when the host stored it.
    bool store(FieldId field) const;

private:
    QLineEdit& edit_;
    std::string supplied_;
};

} // namespace vks
