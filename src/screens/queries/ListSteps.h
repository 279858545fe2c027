#pragma once

class QComboBox;

namespace vks {

// The cashier steps through `list` with "2" (the next item; from no
// selection the first) and "8" (the previous one), as the host's routine
// moves it. Only those two keys are taken; every other key reaches the list,
// which then behaves as a list does.
void stepWithTwoAndEight(QComboBox& list);

} // namespace vks
