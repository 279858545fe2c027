#include "Simulator.h"

#include <algorithm>

#include "BuildInfo.h"
#include "Json.h"
#include "RequestText.h"

namespace vks::sim {
namespace {

constexpr std::int32_t CardNumberField = 10104;

std::string unknownMessageText(std::int32_t id) { return "Mensagem " + std::to_string(id) + " não cadastrada"; }

// Joins the JSON texts of a list's items.
template <typename Items, typename ToJson>
std::string jsonArray(const Items& items, ToJson toJson) {
    std::string out = "[";
    for (const auto& item : items) {
        if (out.size() > 1) out += ",";
        out += toJson(item);
    }
    return out + "]";
}

std::string jsonOptionalId(const std::optional<std::int32_t>& id) { return id ? std::to_string(*id) : "null"; }

} // namespace

bool isFailable(std::string_view function) {
    return std::find(std::begin(kFailableFunctions), std::end(kFailableFunctions), function) !=
           std::end(kFailableFunctions);
}

Simulator::Simulator() { catalogue_.loadFile(MessageCatalogue::defaultPath()); }

void Simulator::reset() {
    std::scoped_lock lock(mutex_);
    store_.clear();
    behaviour_ = Behaviour{};
    calls_.clear();
    writes_.clear();
    audit_.clear();
    handBacks_ = 0;
    errors_.clear();
    receiptCopies_.clear();
    authorizations_.clear();
    failableCounts_.clear();
    failedCalls_.clear();
}

void Simulator::setField(std::int32_t field, int occurrence, std::string text) {
    std::scoped_lock lock(mutex_);
    store_[{field, occurrence}] = std::move(text);
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

std::int16_t Simulator::writeField(std::int32_t field, int occurrence, std::string text) {
    std::scoped_lock lock(mutex_);
    const auto refused = behaviour_.refusedWrites.find({field, occurrence});
    if (refused != behaviour_.refusedWrites.end()) return refused->second;
    writes_.push_back({field, occurrence, text});
    store_[{field, occurrence}] = std::move(text);
    return 0;
}

void Simulator::clearField(std::int32_t field) {
    std::scoped_lock lock(mutex_);
    writes_.push_back({field, 0, std::nullopt});
    std::erase_if(store_, [&](const auto& entry) { return entry.first.first == field; });
}

std::string Simulator::message(std::int32_t id) const {
    std::scoped_lock lock(mutex_);
    return catalogue_.text(id).value_or(unknownMessageText(id));
}

std::optional<std::int32_t> Simulator::messageIdForText(std::string_view text) const {
    std::scoped_lock lock(mutex_);
    return catalogue_.idForText(text);
}

void Simulator::recordCall(std::string function, std::vector<std::string> arguments) {
    std::scoped_lock lock(mutex_);
    calls_.push_back({std::move(function), std::move(arguments)});
}

void Simulator::appendAudit(std::string text) {
    std::scoped_lock lock(mutex_);
    audit_.push_back(std::move(text));
}

void Simulator::handBack() {
    std::scoped_lock lock(mutex_);
    ++handBacks_;
}

void Simulator::reportError(std::int32_t code, std::string text) {
    std::function<void()> listener;
    {
        std::scoped_lock lock(mutex_);
        errors_.push_back({code, std::move(text)});
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
    if (behaviour_.cardStatus == 0) store_[{CardNumberField, 0}] = behaviour_.cardNumber;
    return behaviour_.cardStatus;
}

std::string Simulator::keyFor(std::string_view typed) const {
    std::scoped_lock lock(mutex_);
    const auto mapped = behaviour_.keyboard.find(std::string(typed));
    return mapped == behaviour_.keyboard.end() ? std::string(typed) : mapped->second;
}

bool Simulator::authorize(const VksRequestLayout& layout, const VksMessageLabel* label, std::int32_t mode) {
    AuthorizationRecord record =
        buildRequest(layout, mode, [this](std::int32_t id, int occurrence) { return field(id, occurrence); });
    std::function<void(const AuthorizationRecord&)> hook;
    std::string progress;
    {
        std::scoped_lock lock(mutex_);
        authorizations_.push_back(record);
        hook = behaviour_.onAuthorize;
        progress = behaviour_.progressText;
    }
    // Callbacks run unlocked: the label or the hook may hand work to
    // another thread that uses the simulator.
    if (label != nullptr && label->set_text != nullptr) label->set_text(label->context, progress.c_str());
    if (hook) hook(record);
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

void Simulator::setCard(std::int16_t status, std::string number) {
    std::scoped_lock lock(mutex_);
    behaviour_.cardStatus = status;
    behaviour_.cardNumber = std::move(number);
}

void Simulator::refuseWrite(std::int32_t field, int occurrence, std::int16_t status) {
    std::scoped_lock lock(mutex_);
    behaviour_.refusedWrites[{field, occurrence}] = status == 0 ? std::int16_t{1} : status;
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
    return calls_;
}

int Simulator::callCount(std::string_view function) const {
    std::scoped_lock lock(mutex_);
    return static_cast<int>(
        std::count_if(calls_.begin(), calls_.end(), [&](const CallRecord& c) { return c.function == function; }));
}

std::vector<FieldWrite> Simulator::writes() const {
    std::scoped_lock lock(mutex_);
    return writes_;
}

std::vector<std::string> Simulator::auditLog() const {
    std::scoped_lock lock(mutex_);
    return audit_;
}

int Simulator::handBackCount() const {
    std::scoped_lock lock(mutex_);
    return handBacks_;
}

std::vector<ErrorReport> Simulator::errors() const {
    std::scoped_lock lock(mutex_);
    return errors_;
}

std::vector<std::int32_t> Simulator::receiptCopies() const {
    std::scoped_lock lock(mutex_);
    return receiptCopies_;
}

std::vector<AuthorizationRecord> Simulator::authorizations() const {
    std::scoped_lock lock(mutex_);
    return authorizations_;
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
    const auto call = [](const CallRecord& c) {
        return "{\"function\":" + jsonString(c.function) + ",\"arguments\":" + jsonArray(c.arguments, jsonString) + "}";
    };
    const auto write = [](const FieldWrite& w) {
        return "{\"field\":" + std::to_string(w.field) + ",\"occurrence\":" + std::to_string(w.occurrence) +
               ",\"text\":" + (w.text ? jsonString(*w.text) : std::string("null")) + "}";
    };
    const auto error = [this](const ErrorReport& e) {
        return "{\"code\":" + std::to_string(e.code) + ",\"text\":" + jsonString(e.text) +
               ",\"messageId\":" + jsonOptionalId(catalogue_.idForText(e.text)) + "}";
    };
    const auto entry = [](const RequestEntry& e) {
        return "{\"field\":" + std::to_string(e.field) + ",\"occurrence\":" + std::to_string(e.occurrence) +
               ",\"width\":" + std::to_string(e.width) + ",\"type\":" + std::to_string(e.type) +
               ",\"block\":" + std::to_string(e.block) + ",\"text\":" + jsonString(e.text) + "}";
    };
    const auto authorization = [&](const AuthorizationRecord& a) {
        return "{\"code\":" + std::to_string(a.code) + ",\"flag\":" + std::to_string(a.flag) +
               ",\"mode\":" + std::to_string(a.mode) + ",\"entries\":" + jsonArray(a.entries, entry) +
               ",\"request\":" + jsonString(a.request) + "}";
    };
    const auto storedField = [](const auto& stored) {
        return "{\"field\":" + std::to_string(stored.first.first) +
               ",\"occurrence\":" + std::to_string(stored.first.second) + ",\"text\":" + jsonString(stored.second) +
               "}";
    };
    const auto number = [](std::int32_t n) { return std::to_string(n); };
    const auto failed = [](const CallIndex& c) {
        return "{\"function\":" + jsonString(c.function) + ",\"call\":" + std::to_string(c.call) + "}";
    };
    std::string counts = "{";
    for (const auto& [function, count] : failableCounts_)
        counts += (counts.size() > 1 ? "," : "") + jsonString(function) + ":" + std::to_string(count);
    counts += "}";
    return "{\"calls\":" + jsonArray(calls_, call) + ",\"writes\":" + jsonArray(writes_, write) +
           ",\"audit\":" + jsonArray(audit_, jsonString) + ",\"handBacks\":" + std::to_string(handBacks_) +
           ",\"errors\":" + jsonArray(errors_, error) + ",\"receiptCopies\":" + jsonArray(receiptCopies_, number) +
           ",\"authorizations\":" + jsonArray(authorizations_, authorization) + ",\"failableCalls\":" + counts +
           ",\"failedCalls\":" + jsonArray(failedCalls_, failed) + ",\"fields\":" + jsonArray(store_, storedField) +
           "}\n";
}

Simulator& simulator() {
    static Simulator instance;
    return instance;
}

} // namespace vks::sim
