#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <map>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "Catalogue.h"
#include "Platform.h"
#include "Wipe.h"
#include "vks/host_abi.h"

namespace vks::sim {

// One call of a host function, arguments rendered as text.
struct CallRecord {
    std::string function;
    std::vector<std::string> arguments;
};

// A write (text set) or a clear (text empty optional) of the field store.
struct FieldWrite {
    std::int32_t field = 0;
    int occurrence = 0;
    std::optional<std::string> text;
    bool operator==(const FieldWrite&) const = default;
};

struct ErrorReport {
    std::int32_t code = 0;
    std::string text;
};

// One layout entry as the host resolved it.
struct RequestEntry {
    std::uint16_t field = 0;
    std::uint16_t occurrence = 0;
    std::uint16_t width = 0;
    std::uint16_t type = 0;
    std::uint8_t block = 0;
    std::string text; // the entry's formatted text in the request
};

// The host functions a scenario can make fail, one call at a time, and how
// each fails: GravaCampoString and LerCartaoTamMax return status 1 and store
// nothing, ValidarOperador and AutorizaTransacao return false, LeMensagens
// and GetBuildInfo answer an empty text.
inline constexpr const char* kFailableFunctions[] = {"GravaCampoString",  "LerCartaoTamMax", "ValidarOperador",
                                                     "AutorizaTransacao", "LeMensagens",     "GetBuildInfo"};
bool isFailable(std::string_view function);

// The `call`th call (from 1) of a failable host function.
struct CallIndex {
    std::string function;
    int call = 0;
    friend auto operator<=>(const CallIndex&, const CallIndex&) = default;
};

struct AuthorizationRecord {
    std::uint16_t code = 0;
    std::uint16_t flag = 0;
    std::int32_t mode = 0;
    std::vector<RequestEntry> entries;
    std::string request; // the entries' texts joined
};

// Behaviours a scenario configures; reset() restores these defaults.
struct Behaviour {
    std::optional<std::string> buildVersion; // wins over the module file's note
    bool operatorValid = true;
    std::int16_t cardStatus = 0;
    std::string cardNumber = "6034567890123456";                        // stored in 10104 when cardStatus is 0
    std::map<std::pair<std::int32_t, int>, std::int16_t> refusedWrites; // field, occurrence -> status
    bool authorizeResult = true;
    std::map<std::string, std::string> keyboard; // typed character -> character for ValKeyBoard
    std::string progressText = "Enviando solicitação...";
    // Runs inside AutorizaTransacao after the request was recorded, before
    // any progress text is shown.
    std::function<void(const AuthorizationRecord&)> onAuthorize;
    std::set<CallIndex> failingCalls;
};

// The simulated host: field store, catalogue, audit log, records of every
// host call, and the behaviours the scenario configured. The five libraries
// share one per process (simulator()); a unit test may make its own. All
// methods are safe to call from a
// callback that runs inside a host call. Every text it lets go (a field
// overwritten or cleared, the records on reset) is overwritten first: the
// store and the records hold card numbers and host codes. Copies it hands
// out are the caller's.
class Simulator {
public:
    Simulator();

    // Clears the field store, audit log, records and behaviours. The
    // catalogue stays loaded.
    void reset();
    // Clears what the host calls recorded (calls, writes, audit, errors,
    // hand-backs, receipt copies, authorizations), keeping the field store
    // and the behaviours: one set-up run many times.
    void clearRecords();

    // ---- Field store (scenario side: not recorded) ----
    void setField(std::int32_t field, int occurrence, std::string_view text);
    std::string field(std::int32_t field, int occurrence = 0) const; // unset -> empty
    bool hasField(std::int32_t field, int occurrence = 0) const;
    // Lets `use` read a field in place (unset: empty), making no copy.
    void withField(std::int32_t field, int occurrence, const std::function<void(std::string_view)>& use) const;

    // ---- Field store (host-call side: recorded as writes) ----
    // 0 stored; the configured status when the write is refused (nothing stored).
    std::int16_t writeField(std::int32_t field, int occurrence, std::string_view text);
    void clearField(std::int32_t field); // every occurrence

    // ---- Catalogue ----
    const MessageCatalogue& catalogue() const { return catalogue_; }
    MessageCatalogue& catalogue() { return catalogue_; }
    std::string message(std::int32_t id) const; // unknown -> "Mensagem <id> não cadastrada"
    std::optional<std::int32_t> messageIdForText(std::string_view text) const;

    // ---- Recording (called by the libraries) ----
    void recordCall(std::string_view function, std::initializer_list<std::string_view> arguments = {});
    void appendAudit(std::string_view text);
    void handBack();
    void reportError(std::int32_t code, std::string_view text);
    // Called after every error report, on the reporting thread; empty: none.
    // Not cleared by reset().
    void onErrorReported(std::function<void()> listener);
    void setReceiptCopies(std::int32_t copies);

    // ---- Host behaviours (called by the libraries) ----
    std::string buildInfo(std::string_view moduleFile) const;
    bool validateOperator() const;
    std::int16_t readCard(); // stores the number in 10104 on status 0
    std::string keyFor(std::string_view typed) const;
    bool authorize(const VksRequestLayout& layout, const VksMessageLabel* label, std::int32_t mode);
    // Counts one call of a failable function; true when the scenario made
    // this call fail (the library then answers as the function fails).
    bool failsNow(std::string_view function);

    // ---- Configuration ----
    void setBuildVersion(std::optional<std::string> version);
    void setOperatorValid(bool valid);
    void setCard(std::int16_t status, std::string_view number);
    void refuseWrite(std::int32_t field, int occurrence, std::int16_t status = 1);
    void acceptWrite(std::int32_t field, int occurrence); // undoes refuseWrite
    void setAuthorizeResult(bool result);
    void mapKey(std::string from, std::string to);
    void setProgressText(std::string text);
    void setAuthorizeHook(std::function<void(const AuthorizationRecord&)> hook);
    // Makes the `call`th call (from 1) of a failable function fail.
    void failCall(std::string function, int call);

    // ---- Results (copies, in call order) ----
    std::vector<CallRecord> calls() const;
    int callCount(std::string_view function) const;
    std::vector<FieldWrite> writes() const;
    std::vector<std::string> auditLog() const;
    int handBackCount() const;
    std::vector<ErrorReport> errors() const;
    std::vector<std::int32_t> receiptCopies() const;
    std::vector<AuthorizationRecord> authorizations() const;
    // Calls made of each failable function (those never called absent).
    std::map<std::string, int> failableCounts() const;
    // The calls that failed as configured, in order.
    std::vector<CallIndex> failedCalls() const;
    // Every record above as one JSON document.
    std::string resultJson() const;

private:
    template <typename T>
    using Kept = std::vector<T, WipingAllocator<T>>;
    using FieldKey = std::pair<std::int32_t, int>;
    using Store = std::map<FieldKey, std::string, std::less<>, WipingAllocator<std::pair<const FieldKey, std::string>>>;

    void storeText(FieldKey key, std::string_view text);

    mutable platform::RecursiveMutex mutex_;
    MessageCatalogue catalogue_;
    Store store_;
    Behaviour behaviour_;
    Kept<CallRecord> calls_;
    Kept<FieldWrite> writes_;
    Kept<std::string> audit_;
    int handBacks_ = 0;
    Kept<ErrorReport> errors_;
    std::function<void()> errorListener_;
    std::vector<std::int32_t> receiptCopies_;
    Kept<AuthorizationRecord> authorizations_;
    std::map<std::string, int, std::less<>> failableCounts_;
    std::vector<CallIndex> failedCalls_;
};

// The process-wide simulator; loads the catalogue on first use.
Simulator& simulator();

} // namespace vks::sim
