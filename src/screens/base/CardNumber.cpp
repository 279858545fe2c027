#include "screens/base/CardNumber.h"

#include "core/FieldText.h"
#include "host/HostServices.h"

namespace vks {

QString concealedCardNumber(std::string_view number) {
    constexpr std::size_t kShown = 6;
    const int hidden = static_cast<int>(number.size()) - static_cast<int>(kShown);
    std::string shown(number.substr(0, kShown));
    if (hidden > 0) shown += host().Replicate("*", hidden);
    return fieldText(shown);
}

} // namespace vks
