#pragma once

// The command line of vks-host, read and checked before anything runs.

#include <variant>

#include <QString>
#include <QStringList>

#include "batch/FolderRun.h"
#include "batch/Sweep.h"
#include "run/ScenarioRun.h"

namespace vkshost {

// What vks-host prints for --help and for a command line it cannot read.
extern const char kUsage[];

struct CommandLine {
    QString target;
    vkshost::RunOptions options;
    bool offscreen = false;
    QStringList childOptions; // passed on to each scenario of a folder
    vkshost::FolderOptions folder;
    bool sweep = false;
    vkshost::SweepOptions sweepOptions;
};

// A command line that runs no scenario: what to tell the person, and whether
// it asked for help, the version or a listing (status 0) or was a mistake (2).
struct Refusal {
    QString text;
    bool mistake = true;
};

std::variant<CommandLine, Refusal> parseCommandLine(const QStringList& args);

} // namespace vkshost
