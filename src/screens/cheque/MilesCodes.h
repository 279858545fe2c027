#pragma once

#include <array>

#include "host/Fields.h"

class QLabel;
class QLineEdit;

namespace vks {

// The miles codes and values of a cheque sale (fields 1327 to 1330): hidden
// with their labels until the host supplies them, then shown and locked
// unless blank; each written back to its own field.
class MilesCodes {
public:
    struct Entry {
        FieldId field;
        QLineEdit* edit;
        QLabel* label;
        bool amount;
    };
    // In the order they are written back.
    explicit MilesCodes(const std::array<Entry, 4>& entries);

    void fill() const;
    // False at the first write the host refuses.
    bool store() const;

private:
    std::array<Entry, 4> entries_;
};

} // namespace vks
