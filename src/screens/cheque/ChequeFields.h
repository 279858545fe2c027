#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

#include <QString>

#include "host/Fields.h"

class QComboBox;
class QLineEdit;

namespace vks {

// How the cheque screens read their controls into the field store and show
// its values.

// The code that leads a list item ("1-Venda Normal": "1"); empty when none
// is selected.
std::string leadingCode(const QComboBox& list);
// `value` into an empty edit field.
void defaultIfEmpty(QLineEdit& edit, const char* value);
// An amount of the field store as the screens show it.
QString shownAmount(std::string_view amount);

} // namespace vks
