#include "screens/cheque/ChequeFields.h"

#include <QComboBox>
#include <QLineEdit>

#include "host/HostServices.h"

namespace vks {

std::string bare(const QString& text) { return host().RemoveFormato(text.toStdString()); }

std::string textOf(const QLineEdit& edit) { return edit.text().toStdString(); }

std::string leadingCode(const QComboBox& list) { return list.currentText().left(1).trimmed().toStdString(); }

void defaultIfEmpty(QLineEdit& edit, const char* value) {
    if (edit.text().isEmpty()) edit.setText(QString::fromLatin1(value));
}

QString shownAmount(std::string_view amount) {
    return QString::fromStdString(host().Dollar(host().RemoveFormato(amount)));
}

bool storeAll(std::initializer_list<std::pair<FieldId, std::string>> writes) {
    for (const auto& [field, text] : writes) {
        if (host().GravaCampoString(field, 0, text) != 0) return false;
    }
    return true;
}

} // namespace vks
