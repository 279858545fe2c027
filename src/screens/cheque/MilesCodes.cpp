#include "screens/cheque/MilesCodes.h"

#include <QLabel>
#include <QLineEdit>

#include "core/FieldText.h"
#include "core/Text.h"
#include "host/HostServices.h"
#include "screens/base/FieldStore.h"
#include "screens/cheque/ChequeFields.h"

namespace vks {
namespace {

void showWithLabel(const MilesCodes::Entry& entry, bool shown) {
    entry.edit->setVisible(shown);
    if (entry.label != nullptr) entry.label->setVisible(shown);
}

} // namespace

MilesCodes::MilesCodes(const std::array<Entry, 4>& entries)
    : entries_(entries) {
    for (const Entry& entry : entries_) showWithLabel(entry, false);
}

void MilesCodes::fill() const {
    for (const Entry& entry : entries_) {
        const std::string value = fields::read(entry.field);
        if (value.empty()) continue;
        showWithLabel(entry, true);
        const std::string shown = trimmed(value);
        entry.edit->setText(entry.amount ? shownAmount(shown) : fieldText(shown));
        entry.edit->setEnabled(trimmed(fields::textOf(*entry.edit)).empty());
    }
}

bool MilesCodes::store() const {
    for (const Entry& entry : entries_) {
        if (!fields::writeAll({{entry.field, host().RemoveFormato(trimmed(fields::textOf(*entry.edit)))}}))
            return false;
    }
    return true;
}

} // namespace vks
