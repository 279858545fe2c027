#pragma once

#include <optional>

#include <QString>

namespace vks {

// One value of an INI file, read as the platforms the module comes from read
// them: section and key names in any letter case, blanks round names and
// values ignored, a value in matching quotes taken without them, lines
// starting with ";" or "#" skipped, the first occurrence winning. nullopt
// when the file cannot be read or holds no such key.
std::optional<QString> readIniValue(const QString& path, const QString& section, const QString& key);

} // namespace vks
