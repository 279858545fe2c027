#pragma once

#include <QStringList>

class QProcess;

namespace vkshost {

// Starts this program again with `arguments`, as a child that ends with its
// parent: a folder run or a sweep stopped by Ctrl+C or kill leaves no runs
// behind (each puts its VKS.INI back as it ends).
void startOwnRun(QProcess& child, const QStringList& arguments);

} // namespace vkshost
