#pragma once

#include <QJsonObject>
#include <QStringList>

namespace vkshost {

// Checks a scenario's "expect" against a result. Every key given is
// asserted; an object asserts only the keys it names; a list must have as
// many items as the result's, each matched in turn, except "writes", whose
// items must appear in the result in that order among any others. A number
// in "boxes" or "errors" stands for {"id": number}, in "receipt_copies" for
// the copies. Returns one message per difference, naming the place.
QStringList checkExpectations(const QJsonObject& expect, const QJsonObject& result);

} // namespace vkshost
