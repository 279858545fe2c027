#include "host/ServiceX.h"

#include <algorithm>

#include "core/Characters.h"
#include "core/Text.h"
#include "host/HostServices.h"
#include "host/Messages.h"

namespace vks {
namespace {
constexpr std::size_t kServiceXCharacters = 2049;
constexpr std::size_t kMostBytesPerCharacter = 4;
constexpr MessageId kStoreFailed = 1591;

bool isAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// The first 2049 characters of the service-X data. The host copies bytes:
// a full buffer of multi-byte text holds fewer characters, and may end
// inside one, so it is read again with room for 2049 of any size.
std::string serviceXData() {
    std::string data = host().KovarLeCampoMaxLen(field::ServiceXData, kServiceXCharacters);
    if (data.size() == kServiceXCharacters && !isAscii(data)) {
        data = host().KovarLeCampoMaxLen(field::ServiceXData, kServiceXCharacters * kMostBytesPerCharacter);
    }
    data.resize(characterPrefixBytes(data, kServiceXCharacters));
    return data;
}

} // namespace

bool TrataServicoX_VKS() {
    const std::string data = trimmed(serviceXData());
    if (host().GravaCampoString(field::ServiceXRequest, 0, data) == 0) return true;
    reportError(kStoreFailed);
    return false;
}

} // namespace vks
