#include "host/ServiceX.h"

#include "core/Text.h"
#include "host/HostServices.h"
#include "host/Messages.h"

namespace vks {
namespace {
constexpr std::size_t kServiceXCapacity = 2049;
constexpr MessageId kStoreFailed = 1591;
} // namespace

bool TrataServicoX_VKS() {
    const std::string data = trimmed(host().KovarLeCampoMaxLen(field::ServiceXData, kServiceXCapacity));
    if (host().GravaCampoString(field::ServiceXRequest, 0, data) == 0) return true;
    reportError(kStoreFailed);
    return false;
}

} // namespace vks
