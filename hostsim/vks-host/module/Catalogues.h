#pragma once

#include <span>

#include <QString>

namespace vkshost {

// One transaction type of field 1105, as the module's dispatcher runs it.
struct Transaction {
    int type;
    const char* name;
    const char* before; // what runs before the screen; empty: nothing
    const char* screens;
};

// Types 1 to 21.
std::span<const Transaction> transactions();

// The type field 1105 enables: the 1-based position of its first "1" within
// the first 21 characters, 0 when there is none (as the module reads it).
int transactionTypeOf(const QString& flags);

// Field 1105 enabling exactly `type` (0: none).
QString flagsFor(int type);

// A field's name in the module ("Cpf"); empty when the module does not use it.
QString fieldName(qint64 field);

// What a field carries, from the module's catalogue; empty when the module
// does not use it.
QString fieldDescription(qint64 field);

// The texts of "vks-host list" and "vks-host fields".
QString transactionListing();
QString fieldListing();

} // namespace vkshost
