#include "screens/queries/SuppliedEdit.h"

#include <QLineEdit>

#include "host/HostServices.h"
#include "ui/KeyFilters.h"

namespace vks {
namespace {

// QLineEdit's own ceiling, which is also its default.
constexpr int kLongestText = 32767;

bool typesText(const QString& key) { return !key.isEmpty() && key.front().isPrint(); }

} // namespace

SuppliedEdit::SuppliedEdit(QLineEdit& edit) : edit_(edit) {
    // The limit moves from the control, which would also cut assigned text,
    // to the keyboard.
    const int typed = edit.maxLength();
    edit.setMaxLength(kLongestText);
    new ui::CharFilter(edit, [&edit, typed](const QString& key) {
        return !typesText(key) || edit.text().size() - edit.selectedText().size() < typed;
    });
}

void SuppliedEdit::fill(FieldId field) {
    supplied_ = host().LeCampo(field);
    edit_.setText(QString::fromUtf8(supplied_.data(), static_cast<qsizetype>(supplied_.size())));
    edit_.setEnabled(supplied_.empty());
}

std::string SuppliedEdit::value() const { return edit_.isEnabled() ? edit_.text().toStdString() : supplied_; }

bool SuppliedEdit::store(FieldId field) const { return host().GravaCampoString(field, 0, value()) == 0; }

} // namespace vks
