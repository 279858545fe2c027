#include "screens/cheque/ChequeFields.h"

#include <QComboBox>
#include <QLineEdit>

#include "core/FieldText.h"
#include "host/HostServices.h"

namespace vks {

std::string leadingCode(const QComboBox& list) { return fieldBytes(list.currentText().left(1).trimmed()); }

void defaultIfEmpty(QLineEdit& edit, const char* value) {
    if (edit.text().isEmpty()) edit.setText(QString::fromLatin1(value));
}

QString shownAmount(std::string_view amount) { return fieldText(host().Dollar(host().RemoveFormato(amount))); }

} // namespace vks
