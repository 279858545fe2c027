#include "screens/queries/QueryContext.h"

#include "core/Characters.h"
#include "core/Text.h"
#include "host/HostServices.h"
#include "host/Messages.h"
#include "screens/base/FieldStore.h"

namespace vks::query {

std::string loadedValue(std::string_view text, std::size_t length, std::string_view fallback) {
    const std::string_view head = text.substr(0, characterPrefixBytes(text, length));
    return std::string(isBlank(head) ? fallback : head);
}

void load(const ContextValue& context) { load(context, context.fallback); }

void load(const ContextValue& context, std::string_view fallback) {
    set(context, loadedValue(fields::read(context.field), context.length, fallback));
}

const std::string& valueOf(const ContextValue& context) { return state().*context.value; }

void set(const ContextValue& context, std::string value) { state().*context.value = std::move(value); }

bool store(const ContextValue& context) { return fields::write(context.field, valueOf(context)); }

bool storeFilled(const ContextValue& context) {
    std::string& value = state().*context.value;
    const std::size_t count = characterCount(value);
    if (count < context.length) value.insert(0, context.length - count, '0');
    return store(context);
}

} // namespace vks::query
