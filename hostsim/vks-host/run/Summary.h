#pragma once

#include <QJsonObject>
#include <QString>
#include <QStringList>

namespace vkshost {

// A short account of a result for a person: the screens, the message
// boxes, the errors, and each request the host would send.
// `expected`: the run had expectations (an expect block or expect steps);
// without any the summary says so rather than that they held.
QString summarize(const QJsonObject& result, const QString& description, const QStringList& failures, bool expected);

} // namespace vkshost
