// The card trace's host made of the replacement host libraries: the same
// interface as the clean host, over vkssim.h. Texts go from the region into
// the simulator and come back into the region; the test keeps no copy.
#include "CleanHost.h"

#include <cstring>

#include "vks/vkssim.h"

namespace vks::cardtrace {
namespace {

// A field's text is read back into this slot of the region.
FieldSlot& readBack() { return region().fieldSlots[0]; }

// A zero-terminated copy in the region's second slot, for the C interface.
const char* terminated(std::string_view text) {
    FieldSlot& slot = region().fieldSlots[1];
    const std::size_t length = text.size() < kSlotText ? text.size() : kSlotText - 1;
    std::memset(slot.text, 0, kSlotText);
    std::memcpy(slot.text, text.data(), length);
    return slot.text;
}

} // namespace

void resetHost() {
    vkssim_reset();
    HostRegion& r = region();
    for (FieldSlot& slot : r.fieldSlots) std::memset(slot.text, 0, kSlotText);
    r.cardInMessages = 0;
}

void setField(std::int32_t field, std::string_view text, std::int32_t occurrence) {
    vkssim_set_field(field, occurrence, terminated(text));
    std::memset(region().fieldSlots[1].text, 0, kSlotText);
}

std::string_view field(std::int32_t field, std::int32_t occurrence) {
    FieldSlot& slot = readBack();
    VksTextOut out{slot.text, static_cast<std::uint32_t>(kSlotText), 0};
    vkssim_get_field(&out, field, occurrence);
    slot.length = out.length < kSlotText ? out.length : kSlotText - 1;
    return {slot.text, slot.length};
}

bool hasField(std::int32_t f, std::int32_t occurrence) { return !field(f, occurrence).empty(); }

void setPinPad(std::int16_t status) {
    HostRegion& r = region();
    vkssim_set_card(status, terminated({r.card, r.cardLength}));
    std::memset(r.fieldSlots[1].text, 0, kSlotText);
}

void releaseStore() { vkssim_reset(); }

int authorizationsSent() { return vkssim_count("AutorizaTransacao"); }

int messagesWithCard() { return -1; }

} // namespace vks::cardtrace
