#pragma once

#include <memory>
#include <optional>
#include <string>

#include <unistd.h>

#include <QByteArray>
#include <QLockFile>
#include <QString>

#include "Scenario.h"

namespace vkshost {

// Exit statuses of "vks-host run".
enum ExitStatus : int {
    kPassed = 0, // the call returned and every expectation held
    kExpectationFailed = 1,
    kInvalidScenario = 2,
    kTimedOut = 3,       // the screen was cancelled, the call abandoned
    kModuleUnusable = 4, // libvks.so cannot be loaded or lacks an export
};

struct RunOptions {
    QString modulePath; // empty: ModuleLibrary::defaultPath()
    QString outPath;    // empty: standard output
    QString shotsDir;   // empty: "shot" steps take no picture
    int timeoutMs = 5000;
    int stepTimeoutMs = 2000;     // how long an expect step waits
    bool cashierCancel = false;   // after a failure: OK and Escape rather than closing the windows
    bool summaryToStdout = false; // --summary: the summary replaces the JSON on stdout
    bool quiet = false;           // no summary on stderr
};

// "VKS.INI" beside the running program for the length of one run. A file a
// person put there is kept aside and put back afterwards, never lost, and
// never read by this run; runs at once in one folder take turns.
class IniFile {
public:
    // While it lives, a signal that ends the process (Ctrl+C, kill, a closed
    // terminal) puts the person's file back first.
    explicit IniFile(const std::optional<QByteArray>& content);
    ~IniFile();
    IniFile(const IniFile&) = delete;
    IniFile& operator=(const IniFile&) = delete;

    // The run's file removed and the person's put back. Only system calls,
    // so that it may run on the watchdog's thread or in a signal handler.
    void restore() const {
        ::unlink(file_.c_str());
        if (keeping_) ::rename(kept_.c_str(), file_.c_str());
    }
    // restore(), and the turn given up, for a process that ends without
    // running its destructors.
    void restoreBeforeExit() const {
        restore();
        ::unlink(lockFile_.c_str());
    }

private:
    static constexpr int kTurnWaitMs = 120000;
    QString path_;
    QLockFile lock_;
    std::string file_;
    std::string kept_;
    std::string lockFile_;
    bool keeping_ = false;
};

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

// Resets the simulated host and fills it from the scenario's fields and
// host behaviours.
void configureHost(const Scenario& scenario);

// Runs one validated scenario against the module; the QApplication exists.
// Prints the result and returns the exit status.
int runScenario(const Scenario& scenario, const RunOptions& options);

} // namespace vkshost
