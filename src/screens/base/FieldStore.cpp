#include "screens/base/FieldStore.h"

#include <QLineEdit>

#include "core/FieldText.h"
#include "core/WipedString.h"
#include "host/HostServices.h"

namespace vks::fields {

std::string read(FieldId field) { return host().LeCampo(field); }

bool write(FieldId field, std::string_view text, std::uint16_t occurrence) {
    return host().GravaCampoString(field, occurrence, text) == 0;
}

bool writeAll(std::initializer_list<Write> writes) {
    for (const Write& w : writes) {
        if (!write(w.field, w.text)) return false;
    }
    return true;
}

bool copy(FieldId to, FieldId from) {
    const WipedString value(read(from));
    return write(to, value.view());
}

bool writeAuthorizerTag() { return write(field::AuthorizerTag, kAuthorizerTag); }

std::string bare(const QString& shown) { return host().RemoveFormato(fieldBytes(shown)); }

std::string textOf(const QLineEdit& edit) { return fieldBytes(edit.text()); }

} // namespace vks::fields
