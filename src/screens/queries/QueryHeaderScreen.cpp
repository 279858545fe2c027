#include "screens/queries/QueryHeaderScreen.h"

#include "core/Text.h"
#include "host/Fields.h"
#include "host/Messages.h"
#include "screens/queries/QueryContext.h"

namespace vks::query {

bool storeHeader(const Header& header) {
    return host().GravaCampoString(field::QueryType, 0, header.queryType) == 0 && store(SaidaConsulta) &&
           (header.code == CodeWrite::Filled ? storeFilled(CodigoConsulta) : store(CodigoConsulta));
}

bool storeAuthorizerTag() { return host().GravaCampoString(field::AuthorizerTag, 0, "36") == 0; }

QString entryTypeOr(std::string_view fallback) {
    const std::string entryType = host().LeCampo(field::QueryEntryType);
    return QString::fromStdString(isBlank(entryType) ? std::string(fallback) : entryType);
}

} // namespace vks::query
