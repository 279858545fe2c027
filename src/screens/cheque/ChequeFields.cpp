#include "screens/cheque/ChequeFields.h"

#include <QComboBox>
#include <QLineEdit>

#include "core/FieldText.h"
#include "host/HostServices.h"

namespace vks {

std::string bare(const QString& text) { return host().RemoveFormato(fieldBytes(text)); }

std::string textOf(const QLineEdit& edit) { return fieldBytes(edit.text()); }

std::string leadingCode(const QComboBox& list) { return fieldBytes(list.currentText().left(1).trimmed()); }

void defaultIfEmpty(QLineEdit& edit, const char* value) {
    if (edit.text().isEmpty()) edit.setText(QString::fromLatin1(value));
}

QString shownAmount(std::string_view amount) { return fieldText(host().Dollar(host().RemoveFormato(amount))); }

bool storeAll(std::initializer_list<std::pair<FieldId, std::string>> writes) {
    for (const auto& [field, text] : writes) {
        if (host().GravaCampoString(field, 0, text) != 0) return false;
    }
    return true;
}

} // namespace vks
