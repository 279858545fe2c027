#include "Simulator.h"

#include <algorithm>
#include <limits>

#include "BuildInfo.h"
#include "Json.h"
#include "RequestText.h"

namespace vks::sim {
namespace {

constexpr std::int32_t CardNumberField = 10104;

std::string unknownMessageText(std::int32_t id) { return "Mensagem " + std::to_string(id) + " não cadastrada"; }

void wipe(CallRecord& call) {
    for (std::string& argument : call.arguments) sim::wipe(argument);
}
void wipe(FieldWrite& write) {
    if (write.text) sim::wipe(*write.text);
}
void wipe(ErrorReport& error) { sim::wipe(error.text); }
void wipe(std::string& text) { sim::wipe(text); }
void wipe(AuthorizationRecord& record) {
    for (RequestEntry& entry : record.entries) sim::wipe(entry.text);
    sim::wipe(record.request);
}

template <typename Records>
void wipeAll(Records& records) {
    for (auto& record : records) wipe(record);
    records.clear();
}

// The result document is built in one text that overwrites what it grows
// out of: it holds every field.
class JsonWriter {
public:
    JsonWriter& raw(std::string_view text) {
        out_.append(text);
        return *this;
    }
    JsonWriter& number(std::int64_t value) { return raw(std::to_string(value)); }
    JsonWriter& string(std::string_view text) {
        appendJsonString(out_, text);
        return *this;
    }
    // "key": then the value `write` writes, after a comma unless first.
    template <typename Write>
    JsonWriter& member(std::string_view key, Write write, bool first = false) {
        if (!first) raw(",");
        string(key).raw(":");
        write(*this);
        return *this;
    }
    template <typename Items, typename WriteItem>
    JsonWriter& array(const Items& items, WriteItem writeItem) {
        raw("[");
        bool first = true;
        for (const auto& item : items) {
            if (!first) raw(",");
            first = false;
            writeItem(*this, item);
        }
        return raw("]");
    }
    std::string text() const { return std::string(out_.begin(), out_.end()); }

private:
    WipedText out_;
};

} // namespace

bool isFailable(std::string_view function) {
    return std::find(std::begin(kFailableFunctions), std::end(kFailableFunctions), function) !=
           std::end(kFailableFunctions);
}

Simulator::Simulator() { catalogue_.loadFile(MessageCatalogue::defaultPath()); }

void Simulator::reset() {
    std::scoped_lock lock(mutex_);
    for (auto& [key, text] : store_) sim::wipe(text);
    store_.clear();
    sim::wipe(behaviour_.cardNumber);
    behaviour_ = Behaviour{};
    clearRecords();
    failableCounts_.clear();
    failedCalls_.clear();
}

void Simulator::clearRecords() {
    std::scoped_lock lock(mutex_);
    wipeAll(calls_);
    wipeAll(writes_);
    wipeAll(audit_);
    wipeAll(errors_);
    wipeAll(authorizations_);
    handBacks_ = 0;
    receiptCopies_.clear();
}

void Simulator::storeText(FieldKey key, std::string_view text) {
    std::string& slot = store_[key];
    sim::wipe(slot);
    slot.assign(text);
}

void Simulator::setField(std::int32_t field, int occurrence, std::string_view text) {
    std::scoped_lock lock(mutex_);
    storeText({field, occurrence}, text);
}

std::string Simulator::field(std::int32_t field, int occurrence) const {
    std::scoped_lock lock(mutex_);
    const auto found = store_.find({field, occurrence});
    return found == store_.end() ? std::string{} : found->second;
}

bool Simulator::hasField(std::int32_t field, int occurrence) const {
    std::scoped_lock lock(mutex_);
    return store_.count({field, occurrence}) != 0;
}

void Simulator::withField(std::int32_t field, int occurrence,
                          const std::function<void(std::string_view)>& use) const {
    std::scoped_lock lock(mutex_);
    const auto found = store_.find({field, occurrence});
    // An unset field reads as an empty text that still points somewhere, so a
    // caller may copy from it as from any other.
    use(found == store_.end() ? std::string_view("") : std::string_view(found->second));
}

std::int16_t Simulator::writeField(std::int32_t field, int occurrence, std::string_view text) {
    std::scoped_lock lock(mutex_);
    const auto refused = behaviour_.refusedWrites.find({field, occurrence});
    if (refused != behaviour_.refusedWrites.end()) return refused->second;
    writes_.push_back({field, occurrence, std::string(text)});
    storeText({field, occurrence}, text);
    return 0;
}

void Simulator::clearField(std::int32_t field) {
    std::scoped_lock lock(mutex_);
    writes_.push_back({field, 0, std::nullopt});
    for (auto it = store_.lower_bound(FieldKey{field, std::numeric_limits<int>::min()});
         it != store_.end() && it->first.first == field;) {
        sim::wipe(it->second);
        it = store_.erase(it);
    }
}

std::string Simulator::message(std::int32_t id) const {
    std::scoped_lock lock(mutex_);
    return catalogue_.text(id).value_or(unknownMessageText(id));
}

std::optional<std::int32_t> Simulator::messageIdForText(std::string_view text) const {
    std::scoped_lock lock(mutex_);
    return catalogue_.idForText(text);
}

void Simulator::recordCall(std::string_view function, std::initializer_list<std::string_view> arguments) {
    std::scoped_lock lock(mutex_);
    CallRecord& call = calls_.emplace_back();
    call.function = function;
    call.arguments.reserve(arguments.size());
    for (const std::string_view argument : arguments) call.arguments.emplace_back(argument);
}

void Simulator::appendAudit(std::string_view text) {
    std::scoped_lock lock(mutex_);
    audit_.emplace_back(text);
}

void Simulator::handBack() {
    std::scoped_lock lock(mutex_);
    ++handBacks_;
}

void Simulator::reportError(std::int32_t code, std::string_view text) {
    std::function<void()> listener;
    {
        std::scoped_lock lock(mutex_);
        errors_.push_back({code, std::string(text)});
        listener = errorListener_;
    }
    if (listener) listener();
}

void Simulator::onErrorReported(std::function<void()> listener) {
    std::scoped_lock lock(mutex_);
    errorListener_ = std::move(listener);
}

void Simulator::setReceiptCopies(std::int32_t copies) {
    std::scoped_lock lock(mutex_);
    receiptCopies_.push_back(copies);
}

std::string Simulator::buildInfo(std::string_view moduleFile) const {
    {
        std::scoped_lock lock(mutex_);
        if (behaviour_.buildVersion) return *behaviour_.buildVersion;
    }
    return versionFromModuleFile(std::string(moduleFile));
}

bool Simulator::validateOperator() const {
    std::scoped_lock lock(mutex_);
    return behaviour_.operatorValid;
}

std::int16_t Simulator::readCard() {
    std::scoped_lock lock(mutex_);
    if (behaviour_.cardStatus == 0) storeText({CardNumberField, 0}, behaviour_.cardNumber);
    return behaviour_.cardStatus;
}

std::string Simulator::keyFor(std::string_view typed) const {
    std::scoped_lock lock(mutex_);
    const auto mapped = behaviour_.keyboard.find(std::string(typed));
    return mapped == behaviour_.keyboard.end() ? std::string(typed) : mapped->second;
}

bool Simulator::authorize(const VksRequestLayout& layout, const VksMessageLabel* label, std::int32_t mode) {
    std::function<void(const AuthorizationRecord&)> hook;
    std::string progress;
    AuthorizationRecord forHook;
    {
        std::scoped_lock lock(mutex_);
        authorizations_.push_back(buildRequest(layout, mode, [this](std::int32_t id, int occurrence) -> std::string_view {
            const auto found = store_.find({id, occurrence});
            return found == store_.end() ? std::string_view() : std::string_view(found->second);
        }));
        hook = behaviour_.onAuthorize;
        progress = behaviour_.progressText;
        if (hook) forHook = authorizations_.back();
    }
    // Callbacks run unlocked: the hook or the label may hand work to
    // another thread that uses the simulator.
    if (hook) hook(forHook);
    if (label != nullptr && label->set_text != nullptr) label->set_text(label->context, progress.c_str());
    wipe(forHook);
    std::scoped_lock lock(mutex_);
    return behaviour_.authorizeResult;
}

bool Simulator::failsNow(std::string_view function) {
    std::scoped_lock lock(mutex_);
    auto counted = failableCounts_.find(function);
    if (counted == failableCounts_.end()) counted = failableCounts_.emplace(std::string(function), 0).first;
    CallIndex index{counted->first, ++counted->second};
    if (!behaviour_.failingCalls.contains(index)) return false;
    failedCalls_.push_back(std::move(index));
    return true;
}

void Simulator::setBuildVersion(std::optional<std::string> version) {
    std::scoped_lock lock(mutex_);
    behaviour_.buildVersion = std::move(version);
}

void Simulator::setOperatorValid(bool valid) {
    std::scoped_lock lock(mutex_);
    behaviour_.operatorValid = valid;
}

void Simulator::setCard(std::int16_t status, std::string_view number) {
    std::scoped_lock lock(mutex_);
    behaviour_.cardStatus = status;
    sim::wipe(behaviour_.cardNumber);
    behaviour_.cardNumber.assign(number);
}

void Simulator::refuseWrite(std::int32_t field, int occurrence, std::int16_t status) {
    std::scoped_lock lock(mutex_);
    behaviour_.refusedWrites[{field, occurrence}] = status == 0 ? std::int16_t{1} : status;
}

void Simulator::acceptWrite(std::int32_t field, int occurrence) {
    std::scoped_lock lock(mutex_);
    behaviour_.refusedWrites.erase({field, occurrence});
}

void Simulator::setAuthorizeResult(bool result) {
    std::scoped_lock lock(mutex_);
    behaviour_.authorizeResult = result;
}

void Simulator::mapKey(std::string from, std::string to) {
    std::scoped_lock lock(mutex_);
    behaviour_.keyboard[std::move(from)] = std::move(to);
}

void Simulator::setProgressText(std::string text) {
    std::scoped_lock lock(mutex_);
    behaviour_.progressText = std::move(text);
}

void Simulator::setAuthorizeHook(std::function<void(const AuthorizationRecord&)> hook) {
    std::scoped_lock lock(mutex_);
    behaviour_.onAuthorize = std::move(hook);
}

void Simulator::failCall(std::string function, int call) {
    std::scoped_lock lock(mutex_);
    behaviour_.failingCalls.insert({std::move(function), call});
}

std::vector<CallRecord> Simulator::calls() const {
    std::scoped_lock lock(mutex_);
    return {calls_.begin(), calls_.end()};
}

int Simulator::callCount(std::string_view function) const {
    std::scoped_lock lock(mutex_);
    return static_cast<int>(
        std::count_if(calls_.begin(), calls_.end(), [&](const CallRecord& c) { return c.function == function; }));
}

std::vector<FieldWrite> Simulator::writes() const {
    std::scoped_lock lock(mutex_);
    return {writes_.begin(), writes_.end()};
}

std::vector<std::string> Simulator::auditLog() const {
    std::scoped_lock lock(mutex_);
    return {audit_.begin(), audit_.end()};
}

int Simulator::handBackCount() const {
    std::scoped_lock lock(mutex_);
    return handBacks_;
}

std::vector<ErrorReport> Simulator::errors() const {
    std::scoped_lock lock(mutex_);
    return {errors_.begin(), errors_.end()};
}

std::vector<std::int32_t> Simulator::receiptCopies() const {
    std::scoped_lock lock(mutex_);
    return receiptCopies_;
}

std::vector<AuthorizationRecord> Simulator::authorizations() const {
    std::scoped_lock lock(mutex_);
    return {authorizations_.begin(), authorizations_.end()};
}

std::map<std::string, int> Simulator::failableCounts() const {
    std::scoped_lock lock(mutex_);
    return {failableCounts_.begin(), failableCounts_.end()};
}

std::vector<CallIndex> Simulator::failedCalls() const {
    std::scoped_lock lock(mutex_);
    return failedCalls_;
}

std::string Simulator::resultJson() const {
    std::scoped_lock lock(mutex_);
    const auto strings = [](JsonWriter& json, const auto& texts) {
        json.array(texts, [](JsonWriter& j, const std::string& text) { j.string(text); });
    };
    const auto call = [&](JsonWriter& json, const CallRecord& c) {
        json.raw("{").member("function", [&](JsonWriter& j) { j.string(c.function); }, true);
        json.member("arguments", [&](JsonWriter& j) { strings(j, c.arguments); }).raw("}");
    };
    const auto write = [](JsonWriter& json, const FieldWrite& w) {
        json.raw("{").member("field", [&](JsonWriter& j) { j.number(w.field); }, true);
        json.member("occurrence", [&](JsonWriter& j) { j.number(w.occurrence); });
        json.member("text", [&](JsonWriter& j) { w.text ? j.string(*w.text) : j.raw("null"); }).raw("}");
    };
    const auto error = [this](JsonWriter& json, const ErrorReport& e) {
        const std::optional<std::int32_t> id = catalogue_.idForText(e.text);
        json.raw("{").member("code", [&](JsonWriter& j) { j.number(e.code); }, true);
        json.member("text", [&](JsonWriter& j) { j.string(e.text); });
        json.member("messageId", [&](JsonWriter& j) { id ? j.number(*id) : j.raw("null"); }).raw("}");
    };
    const auto entry = [](JsonWriter& json, const RequestEntry& e) {
        json.raw("{").member("field", [&](JsonWriter& j) { j.number(e.field); }, true);
        json.member("occurrence", [&](JsonWriter& j) { j.number(e.occurrence); });
        json.member("width", [&](JsonWriter& j) { j.number(e.width); });
        json.member("type", [&](JsonWriter& j) { j.number(e.type); });
        json.member("block", [&](JsonWriter& j) { j.number(e.block); });
        json.member("text", [&](JsonWriter& j) { j.string(e.text); }).raw("}");
    };
    const auto authorization = [&](JsonWriter& json, const AuthorizationRecord& a) {
        json.raw("{").member("code", [&](JsonWriter& j) { j.number(a.code); }, true);
        json.member("flag", [&](JsonWriter& j) { j.number(a.flag); });
        json.member("mode", [&](JsonWriter& j) { j.number(a.mode); });
        json.member("entries", [&](JsonWriter& j) { j.array(a.entries, entry); });
        json.member("request", [&](JsonWriter& j) { j.string(a.request); }).raw("}");
    };
    const auto storedField = [](JsonWriter& json, const auto& stored) {
        json.raw("{").member("field", [&](JsonWriter& j) { j.number(stored.first.first); }, true);
        json.member("occurrence", [&](JsonWriter& j) { j.number(stored.first.second); });
        json.member("text", [&](JsonWriter& j) { j.string(stored.second); }).raw("}");
    };
    const auto failed = [](JsonWriter& json, const CallIndex& c) {
        json.raw("{").member("function", [&](JsonWriter& j) { j.string(c.function); }, true);
        json.member("call", [&](JsonWriter& j) { j.number(c.call); }).raw("}");
    };
    JsonWriter json;
    json.raw("{").member("calls", [&](JsonWriter& j) { j.array(calls_, call); }, true);
    json.member("writes", [&](JsonWriter& j) { j.array(writes_, write); });
    json.member("audit", [&](JsonWriter& j) { strings(j, audit_); });
    json.member("handBacks", [&](JsonWriter& j) { j.number(handBacks_); });
    json.member("errors", [&](JsonWriter& j) { j.array(errors_, error); });
    json.member("receiptCopies",
                [&](JsonWriter& j) { j.array(receiptCopies_, [](JsonWriter& k, std::int32_t n) { k.number(n); }); });
    json.member("authorizations", [&](JsonWriter& j) { j.array(authorizations_, authorization); });
    json.member("failableCalls", [&](JsonWriter& j) {
        j.raw("{");
        bool first = true;
        for (const auto& entry : failableCounts_) {
            j.member(entry.first, [&](JsonWriter& k) { k.number(entry.second); }, first);
            first = false;
        }
        j.raw("}");
    });
    json.member("failedCalls", [&](JsonWriter& j) { j.array(failedCalls_, failed); });
    json.member("fields", [&](JsonWriter& j) { j.array(store_, storedField); }).raw("}\n");
    return json.text();
}

Simulator& simulator() {
    static Simulator instance;
    return instance;
}

} // namespace vks::sim
