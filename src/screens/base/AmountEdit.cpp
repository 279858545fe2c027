#include "screens/base/AmountEdit.h"

#include <QLineEdit>

#include "core/FieldText.h"
#include "host/HostServices.h"
#include "ui/KeyFilters.h"

namespace vks {
namespace {

// True when the key is used up.
bool takeAmountKey(QLineEdit& edit, const QString& key) {
    if (key == QLatin1String(",") || key == QLatin1String(".")) {
        const QChar separator = QLatin1Char(kDecimalSeparator);
        if (!edit.text().contains(separator)) edit.insert(separator);
        return true;
    }
    return !ui::isDigitBackspaceEnter(key);
}

// The caret stays at the end of the formatted amount.
void formatAsTyped(QLineEdit& edit) {
    if (edit.text().isEmpty()) return;
    const QString formatted = formattedAmount(edit.text());
    if (formatted != edit.text()) edit.setText(formatted);
    edit.setCursorPosition(static_cast<int>(edit.text().size()));
}

} // namespace

QString formattedAmount(const QString& text) {
    const std::string bare = host().RemoveFormato(fieldBytes(text));
    return fieldText(host().Dollar(bare));
}

void handleAsAmount(QLineEdit& edit) {
    new ui::CharHandler(edit, [&edit](const QString& key) { return takeAmountKey(edit, key); });
    QObject::connect(&edit, &QLineEdit::textChanged, &edit, [&edit] { formatAsTyped(edit); });
}

} // namespace vks
