// Turns vks-host scenarios into seeds of the transaction fuzz target (the
// format of FuzzInput.h): the transaction type from field 1105, the fields,
// the host's answers, and the cashier's "type" and "key" steps as key bytes.
//
//   vks_fuzz_seeds EXAMPLES_FOLDER CORPUS_FOLDER
#include <cstdio>

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include "FuzzInput.h"

namespace {

// {today}, {today+N}, {today-N}, with or without ":dd/mm/yyyy".
QString expandDates(QString text) {
    static const QRegularExpression pattern(R"(\{today(?:([+-])([0-9]{1,6}))?(:dd/mm/yyyy)?\})");
    QRegularExpressionMatch match;
    while ((match = pattern.match(text)).hasMatch()) {
        const qint64 days = match.captured(2).toLongLong() * (match.captured(1) == "-" ? -1 : 1);
        const QString day =
            QDate::currentDate().addDays(days).toString(match.captured(3).isEmpty() ? "ddMMyyyy" : "dd/MM/yyyy");
        text.replace(match.capturedStart(), match.capturedLength(), day);
    }
    return text;
}

QByteArray keyBytes(const QString& name) {
    static const QHash<QString, char> named{{"Enter", vks::fuzz::kEnter},     {"Tab", vks::fuzz::kTab},
                                            {"Backtab", vks::fuzz::kBacktab}, {"Backspace", vks::fuzz::kBackspace},
                                            {"Escape", vks::fuzz::kEscape},   {"Up", vks::fuzz::kUp},
                                            {"Down", vks::fuzz::kDown}};
    if (named.contains(name)) return QByteArray(1, named[name]);
    if (name.startsWith("Alt+") && name.size() == 5) return QByteArray(1, vks::fuzz::kAlt) + name.mid(4).toUtf8();
    return name.toUtf8();
}

QByteArray seedOf(const QJsonObject& scenario) {
    QByteArray seed;
    const QJsonObject fields = scenario["fields"].toObject();
    const QString flags = expandDates(fields["1105"].toString());
    seed += "type " + QByteArray::number(flags.indexOf('1') + 1) + "\n";
    for (auto it = fields.begin(); it != fields.end(); ++it) {
        if (it.key() == "1105") continue;
        const QJsonArray values = it->isArray() ? it->toArray() : QJsonArray{*it};
        for (qsizetype i = 0; i < values.size(); ++i) {
            const QByteArray name = it.key().toUtf8() + (i == 0 ? QByteArray() : "." + QByteArray::number(i));
            seed += "field " + name + "=" + expandDates(values[i].toString()).toUtf8().replace('\n', ' ') + "\n";
        }
    }
    const QJsonObject host = scenario["host"].toObject();
    if (host.contains("card")) {
        const QJsonObject card = host["card"].toObject();
        seed += "card " + QByteArray::number(card["status"].toInt()) + " " +
                card["number"].toString(vks::fuzz::Input{}.cardNumber.c_str()).toUtf8() + "\n";
    }
    if (host.contains("operator_valid")) seed += host["operator_valid"].toBool() ? "operator 1\n" : "operator 0\n";
    if (host.contains("authorize")) seed += host["authorize"].toBool() ? "authorize 1\n" : "authorize 0\n";
    seed += "keys\n";
    for (const QJsonValue& step : scenario["operator"].toArray()) {
        const QString text = expandDates(step.toString());
        if (text.startsWith("type ")) seed += text.mid(5).toUtf8();
        if (text.startsWith("key ")) seed += keyBytes(text.mid(4));
    }
    return seed;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: vks_fuzz_seeds EXAMPLES_FOLDER CORPUS_FOLDER\n");
        return 2;
    }
    const QDir examples(QString::fromLocal8Bit(argv[1]));
    const QDir corpus(QString::fromLocal8Bit(argv[2]));
    QDir().mkpath(corpus.path());
    int written = 0;
    for (const QString& name : examples.entryList({"*.json"}, QDir::Files, QDir::Name)) {
        QFile in(examples.filePath(name));
        if (!in.open(QIODevice::ReadOnly)) continue;
        QFile out(corpus.filePath(QFileInfo(name).completeBaseName() + ".seed"));
        if (!out.open(QIODevice::WriteOnly)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(out.fileName()));
            return 1;
        }
        out.write(seedOf(QJsonDocument::fromJson(in.readAll()).object()));
        ++written;
    }
    std::printf("%d seeds in %s\n", written, qPrintable(corpus.path()));
    return written > 0 ? 0 : 1;
}
