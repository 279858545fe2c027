#pragma once

#include <string>
#include <vector>

namespace vks::bench {

struct ChildRun {
    int status = -1;    // exit status; -1 when it did not exit normally
    std::string output; // its standard output
};

// Runs `argv` (argv[0] a path) to its end, standard error passed through.
ChildRun runChild(const std::vector<std::string>& argv);

} // namespace vks::bench
