#pragma once

#include <array>
#include <span>
#include <string_view>

#include <QString>

namespace vkshost {

// A screen a transaction opens, with the value that picks it when a field
// chooses among several.
struct ListedScreen {
    std::string_view className; // empty: no more screens
    const char* when = "";
};

// One transaction type of field 1105, as the module's dispatcher runs it.
struct Transaction {
    int type;
    const char* name;
    const char* before; // what runs before the screen; empty: nothing
    std::array<ListedScreen, 3> screens;
};

// Types 1 to 21.
std::span<const Transaction> transactions();

// A transaction's screens as "vks-host list" shows them, comma-separated.
QString screenList(const Transaction& row);

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
