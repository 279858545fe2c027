#pragma once

#include <optional>
#include <string_view>

#include "host/Fields.h"

class QLineEdit;
class QWidget;

namespace vks {

namespace ui {
class CardEdit;
class MaskedEdit;
} // namespace ui

// How an installment account is identified, by the entry type of field
// 1100: the summary document code, the holder's CPF or the card number.
enum class AccountKey { Document, Cpf, Card };

struct EntryTypeRow {
    AccountKey key;
    int value;         // in field 1100
    FieldId field;     // where the host supplies it and where it is written
    MessageId caption; // label text
};

// The row of the entry type in field 1100; nullptr for any other value.
const EntryTypeRow* readEntryType();

// The three identification controls of an installment screen, of which the
// entry type shows one. Shared by the payment and its cancellation.
class AccountIdentification {
public:
    AccountIdentification(QLineEdit& document, ui::MaskedEdit& cpf, ui::CardEdit& card);

    QWidget& controlFor(const EntryTypeRow& row) const;

    // Puts the identification the host supplied for `row` into its control
    // (through the mask for the CPF, concealed for the card), enabled only
    // when the host supplied none.
    void fill(const EntryTypeRow& row, std::string_view supplied);

    // The first shown identification that cannot be sent: the control and
    // its message; nullopt when it can.
    struct Rejection {
        MessageId message;
        QWidget* control;
    };
    std::optional<Rejection> rejection(const QWidget& screen) const;

    // Writes the identification of `row` (nullptr: none) to its field and to
    // field 10154; the card is concealed on screen first. False at the
    // first write the host refuses.
    bool store(const EntryTypeRow* row);

private:
    QLineEdit& document_;
    ui::MaskedEdit& cpf_;
    ui::CardEdit& card_;
};

} // namespace vks
