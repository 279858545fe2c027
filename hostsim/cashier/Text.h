#pragma once

// The cashier reads and types UTF-8; Qt holds UTF-16.

#include <string>
#include <string_view>

#include <QString>

namespace vks::cashier {

inline QString qs(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }
inline std::string utf8(const QString& text) { return text.toUtf8().toStdString(); }

} // namespace vks::cashier
