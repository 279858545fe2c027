#pragma once

#include <string_view>

namespace vks {

inline constexpr int kTransactionTypes = 21;

// The transaction type enabled by a flag string: the 1-based position (in
// characters) of its first "1", 0 when there is none within the first 21.
int transactionTypeOf(std::string_view flags);

// The type enabled by field 1105.
int TransacoesHabilitadasVKS();

// Runs the preconditions and the screen of a transaction type.
void runTransaction(int type);

} // namespace vks
