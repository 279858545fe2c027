#include "screens/queries/MiniStatementScreen.h"

#include "core/FieldText.h"
#include "core/Text.h"
#include "host/Messages.h"
#include "screens/base/FieldStore.h"

namespace vks::mini {

void showHostScope(QComboBox& scope) {
    const std::string supplied = fields::read(field::MiniStatementScope);
    if (supplied.empty()) return;
    // Anything but a whole number is taken as a scope out of range.
    const int value = toInt(supplied, -1);
    if (value < 0 || value >= scope.count()) return;
    scope.setCurrentIndex(value);
    scope.setEnabled(false);
}

bool storeScope(const QComboBox& scope) {
    const QString chosen = scope.currentText().left(1);
    return fields::write(field::MiniStatementScope, fieldBytes(chosen));
}

} // namespace vks::mini
