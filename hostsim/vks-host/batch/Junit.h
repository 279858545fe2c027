#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

namespace vkshost {

// One test case of a JUnit report, as CI servers read it: a failure is an
// expectation that did not hold; an error is a scenario that could not be
// judged (refused as invalid, timed out, crashed).
struct TestOutcome {
    enum class Kind { Passed, Failed, Error };
    QString name;
    Kind kind = Kind::Passed;
    QString reason;
    double seconds = 0;
    QString systemErr; // what the run said on standard error (its summary)
};

QByteArray junitReport(const QString& suite, const QList<TestOutcome>& outcomes, const QDateTime& started);

// A report of one run that ended just now.
bool writeRunJunit(const QString& path, const TestOutcome& outcome);

// Writes `bytes` to `path` whole; false when it could not.
bool writeWholeFile(const QString& path, const QByteArray& bytes);

} // namespace vkshost
