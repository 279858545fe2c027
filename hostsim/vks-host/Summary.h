#pragma once

#include <QJsonObject>
#include <QString>
#include <QStringList>

namespace vkshost {

// A short account of a result for a person: the screens, the message
// boxes, the errors, and each request the host would send.
QString summarize(const QJsonObject& result, const QString& description, const QStringList& failures);

} // namespace vkshost
