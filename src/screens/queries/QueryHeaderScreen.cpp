#include "screens/queries/QueryHeaderScreen.h"

#include "core/FieldText.h"
#include "core/Text.h"
#include "host/Fields.h"
#include "host/Messages.h"
#include "screens/base/FieldStore.h"
#include "screens/queries/QueryContext.h"

namespace vks::query {

bool storeHeader(const Header& header) {
    if (header.queryType.empty()) return true;
    return fields::write(field::QueryType, header.queryType) && store(SaidaConsulta) &&
           (header.code == CodeWrite::Filled ? storeFilled(CodigoConsulta) : store(CodigoConsulta));
}

QString entryTypeOr(std::string_view fallback) {
    const std::string entryType = fields::read(field::QueryEntryType);
    return fieldText(isBlank(entryType) ? std::string(fallback) : entryType);
}

} // namespace vks::query
