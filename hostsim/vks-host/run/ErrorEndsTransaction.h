#pragma once

#include <memory>

namespace vkshost {

// What a client does when the module reports an error: the transaction
// ends. A screen the module leaves open after its report (disabled, waiting
// for the host) is cancelled once control is back in the event loop.
class ErrorEndsTransaction {
public:
    ErrorEndsTransaction();
    ~ErrorEndsTransaction();
    ErrorEndsTransaction(const ErrorEndsTransaction&) = delete;
    ErrorEndsTransaction& operator=(const ErrorEndsTransaction&) = delete;

    // A screen was cancelled this way.
    bool endedAScreen() const { return *ended_; }

private:
    std::shared_ptr<bool> ended_;
};

} // namespace vkshost
