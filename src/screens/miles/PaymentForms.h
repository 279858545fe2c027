#pragma once

#include <QStringList>

namespace vks {

// The payment forms a customer may pay with, in code order; the first two
// characters of an item are its code in field 1078. The last item has no
// blank before the hyphen, as the host's receipts show it.
inline const QStringList& paymentForms() {
    static const QStringList forms = {
        QStringLiteral("00 - Não Informada"),
        QStringLiteral("01 - Dinheiro"),
        QStringLiteral("02 - Cheque à vista"),
        QStringLiteral("03 - Cheque pré"),
        QStringLiteral("04 - Cartão de Débito"),
        QStringLiteral("05 - Cartão de Crédito"),
        QStringLiteral("06 - Ticket"),
        QStringLiteral("07 - Cheque Administrativo"),
        QStringLiteral("08 - Traveller Check"),
        QStringLiteral("09 - Desconto em folha"),
        QStringLiteral("10 - Vale"),
        QStringLiteral("11- Milhas"),
    };
    return forms;
}

} // namespace vks
