#include "screens/cheque/SaleKind.h"

#include <QComboBox>
#include <QLineEdit>

#include "core/FieldText.h"
#include "core/Text.h"
#include "host/HostServices.h"
#include "screens/base/FieldStore.h"
#include "screens/cheque/ChequeFields.h"

namespace vks {
namespace {

constexpr int kNormalSale = 1;
constexpr int kForcedSale = 2;

} // namespace

SaleKind::SaleKind(QComboBox& list, QLineEdit& authorizer, std::function<void()> showAuthorizer)
    : list_(list),
      authorizer_(authorizer),
      showAuthorizer_(std::move(showAuthorizer)) {}

void SaleKind::fill() {
    const std::string kind = fields::read(field::SaleKind);
    const int item = kind.size() == 1 && kind[0] >= '0' && kind[0] <= '2' ? kind[0] - '0' : -1;
    if (item < 0) {
        list_.setCurrentIndex(kNormalSale);
        return;
    }
    list_.setCurrentIndex(item);
    list_.setEnabled(false);
    if (item == kForcedSale) authorizerNeeded();
}

void SaleKind::left() {
    if (list_.currentIndex() == kForcedSale) authorizerNeeded();
}

bool SaleKind::store() {
    if (!fields::writeAll({{field::SaleKind, leadingCode(list_)}})) return false;
    defaultIfEmpty(authorizer_, "1");
    return fields::writeAll({{field::ForcedSaleAuthorizer, fields::textOf(authorizer_)}});
}

void SaleKind::authorizerNeeded() {
    authorizer_.setText(fieldText(fields::read(field::ForcedSaleAuthorizer)));
    authorizer_.setEnabled(trimmed(fields::textOf(authorizer_)).empty());
    showAuthorizer_();
}

} // namespace vks
