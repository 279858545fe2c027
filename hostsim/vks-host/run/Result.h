#pragma once

#include <QJsonObject>
#include <QString>

namespace vkshost {

class ScreenWatcher;

// The result document of one run: what the module did through the host
// libraries (read from the simulator) and on screen (from the watcher).
QJsonObject buildResult(const QString& scenarioName, bool returned, bool endedByHost, const ScreenWatcher& watcher);

// Final value of a field in a result's "fields": occurrence 0 as a text, or
// every occurrence as a list.
QJsonValue fieldValue(const QJsonObject& result, const QString& field);

} // namespace vkshost
