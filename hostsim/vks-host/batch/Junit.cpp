#include "Junit.h"

#include <algorithm>

#include <QFile>
#include <QXmlStreamWriter>

namespace vkshost {

namespace {

qsizetype countOf(const QList<TestOutcome>& outcomes, TestOutcome::Kind kind) {
    return std::count_if(outcomes.begin(), outcomes.end(), [kind](const TestOutcome& o) { return o.kind == kind; });
}

// XML 1.0 cannot carry most control characters, not even escaped.
QString xmlText(const QString& text) {
    QString clean = text;
    for (QChar& c : clean)
        if (c.unicode() < 0x20 && c != '\n' && c != '\t' && c != '\r') c = QChar(0xFFFD);
    return clean;
}

} // namespace

QByteArray junitReport(const QString& suite, const QList<TestOutcome>& outcomes, const QDateTime& started) {
    double total = 0;
    for (const TestOutcome& o : outcomes) total += o.seconds;
    QByteArray xml;
    QXmlStreamWriter out(&xml);
    out.setAutoFormatting(true);
    out.writeStartDocument();
    out.writeStartElement("testsuites");
    out.writeStartElement("testsuite");
    out.writeAttribute("name", suite);
    out.writeAttribute("tests", QString::number(outcomes.size()));
    out.writeAttribute("failures", QString::number(countOf(outcomes, TestOutcome::Kind::Failed)));
    out.writeAttribute("errors", QString::number(countOf(outcomes, TestOutcome::Kind::Error)));
    out.writeAttribute("skipped", "0");
    out.writeAttribute("time", QString::number(total, 'f', 3));
    out.writeAttribute("timestamp", started.toUTC().toString(Qt::ISODate));
    for (const TestOutcome& o : outcomes) {
        out.writeStartElement("testcase");
        out.writeAttribute("classname", suite);
        out.writeAttribute("name", o.name);
        out.writeAttribute("time", QString::number(o.seconds, 'f', 3));
        if (o.kind != TestOutcome::Kind::Passed) {
            out.writeStartElement(o.kind == TestOutcome::Kind::Failed ? "failure" : "error");
            out.writeAttribute("message", xmlText(o.reason.left(2000)));
            out.writeCharacters(xmlText(o.reason));
            out.writeEndElement();
        }
        if (!o.systemErr.isEmpty()) out.writeTextElement("system-err", xmlText(o.systemErr));
        out.writeEndElement();
    }
    out.writeEndElement();
    out.writeEndElement();
    out.writeEndDocument();
    return xml;
}

bool writeRunJunit(const QString& path, const TestOutcome& outcome) {
    const QDateTime started = QDateTime::currentDateTime().addMSecs(-qint64(outcome.seconds * 1000));
    return writeWholeFile(path, junitReport("vks-host", {outcome}, started));
}

bool writeWholeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush();
}

} // namespace vkshost
