#pragma once

namespace vks {

// Makes sure a QApplication exists: the host's when it has one, otherwise
// one of the module's own, created on first need.
void ensureApplication();

// Destroys the module's own QApplication, if it created one.
void releaseApplication();

} // namespace vks
