#include "screens/queries/SuppliedEdit.h"

#include <QLineEdit>

#include "core/FieldText.h"
#include "host/HostServices.h"
#include "screens/base/FieldStore.h"

namespace vks {

SuppliedEdit::SuppliedEdit(QLineEdit& edit)
    : edit_(edit) {}

void SuppliedEdit::fill(FieldId field) {
    supplied_ = fields::read(field);
    edit_.setText(fieldText(supplied_));
    edit_.setEnabled(supplied_.empty());
}

std::string SuppliedEdit::value() const { return edit_.isEnabled() ? fieldBytes(edit_.text()) : supplied_; }

bool SuppliedEdit::store(FieldId field) const { return fields::write(field, value()); }

} // namespace vks
