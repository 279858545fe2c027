#include "screens/base/FieldStore.h"

#include "core/WipedString.h"
#include "host/HostServices.h"

namespace vks::fields {

std::string read(FieldId field) { return host().LeCampo(field); }

bool write(FieldId field, std::string_view text) { return host().GravaCampoString(field, 0, text) == 0; }

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

} // namespace vks::fields
