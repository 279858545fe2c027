#pragma once

#include <string>

namespace vks {

// Path of the file this module was loaded from (the shared library, or the
// program when the module is linked in statically).
std::string moduleFilePath();

} // namespace vks
