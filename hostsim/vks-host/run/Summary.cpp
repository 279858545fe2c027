#include "Summary.h"

#include <algorithm>
#include <deque>
#include <utility>

#include <QJsonArray>
#include <QSet>
#include <QStringView>

#include "module/Catalogues.h"

namespace vkshost {

namespace {

// A value longer than this is shown as its beginning and its length, so a
// huge field is not one huge line.
constexpr qsizetype kShownChars = 120;
constexpr qsizetype kShownWhenLong = 100;
// Card numbers have at most 19 digits.
constexpr qsizetype kLongestCard = 19;

// "  1007 Cpf": the number, padded so that numbers line up, and for a field
// the module uses, its name.
QString fieldLabel(qint64 field) {
    const QString name = fieldName(field);
    const QString number = QString("%1").arg(field, 5);
    return name.isEmpty() ? number : number + " " + name;
}

// Card numbers as the module handles them, found in the result, and every
// text of the summary with them masked as the screens show them: the first
// six characters and one "*" per further one.
class CardMask {
public:
    explicit CardMask(const QJsonObject& result) {
        // The fields that carry a card; some carry a CPF, a document code,
        // cheque numbers or zeros at other times, which are not masked.
        static const QList<qint64> cardFields{1041, 1059, 1201, 10104, 10154};
        const auto take = [this](qint64 field, const QJsonValue& value) {
            if (const QString text = value.toString().trimmed(); cardFields.contains(field) && isCardNumber(text))
                add(text);
        };
        const QJsonObject fields = result["fields"].toObject();
        for (auto it = fields.begin(); it != fields.end(); ++it) {
            if (!it->isArray()) take(it.key().toLongLong(), *it);
            for (const QJsonValue& occurrence : it->toArray()) take(it.key().toLongLong(), occurrence);
        }
        for (const QJsonValue& write : result["writes"].toArray()) take(write["field"].toInteger(), write["text"]);
        for (const QJsonValue& request : result["requests"].toArray())
            for (const QJsonValue& entry : request["entries"].toArray())
                take(entry["field"].toInteger(), entry["text"]);
    }

    // `text` masked and, when long, only its beginning and its length; in
    // time linear in the part shown.
    QString shown(const QString& text, const QString& quote = {}) const {
        if (text.size() <= kShownChars) return quote + masked(text) + quote;
        // A card that starts in the part shown is masked whole before the cut.
        return quote + masked(text.left(kShownWhenLong + kLongestCard)).left(kShownWhenLong) + quote +
               QString("... (%1 characters)").arg(text.size());
    }
    QString quoted(const QString& text) const { return shown(text, "\""); }

private:
    // 12 to 19 digits, not all zeros (the store's "no card").
    static bool isCardNumber(const QString& text) {
        if (text.size() < 12 || text.size() > kLongestCard) return false;
        return std::all_of(text.begin(), text.end(), [](QChar c) { return c >= '0' && c <= '9'; }) &&
               text.count(QLatin1Char('0')) != text.size();
    }

    void add(const QString& card) {
        if (std::find(cards_.begin(), cards_.end(), card) != cards_.end()) return;
        cards_.push_back(card);
        lookup_.insert(QStringView(cards_.back()));
        if (!lengths_.contains(card.size())) lengths_ << card.size();
    }

    QString masked(QString text) const {
        if (cards_.empty()) return text;
        for (qsizetype at = 0; at < text.size(); ++at)
            for (const qsizetype length : lengths_) {
                if (at + length > text.size()) continue;
                if (!lookup_.contains(QStringView(text).mid(at, length))) continue;
                for (qsizetype i = at + 6; i < at + length; ++i) text[i] = QLatin1Char('*');
                at += length - 1;
                break;
            }
        return text;
    }

    std::deque<QString> cards_; // never moved: the lookup holds views of them
    QSet<QStringView> lookup_;
    QList<qsizetype> lengths_;
};

QString idText(const QJsonValue& id) { return id.isNull() ? QString("?") : QString::number(id.toInt()); }

QString screensLine(const QJsonObject& result) {
    const QJsonArray screens = result["screens"].toArray();
    const QJsonArray modalResults = result["modal_results"].toArray();
    QStringList parts;
    for (const QJsonValue& screen : screens) {
        QString part = screen.toString();
        for (const QJsonValue& outcome : modalResults) {
            if (outcome["screen"].toString() != part) continue;
            const int code = outcome["result"].toInt();
            part += code == 1 ? " (OK)" : code == 2 ? " (Cancel)" : QString(" (result %1)").arg(code);
            break;
        }
        parts << part;
    }
    return "Screens: " + (parts.isEmpty() ? QString("none") : parts.join(", "));
}

QString messagesLine(const QString& title, const QJsonArray& messages, const CardMask& mask) {
    if (messages.isEmpty()) return title + ": none";
    QString line = title + ":";
    for (const QJsonValue& message : messages)
        line += QString("\n  %1 %2").arg(idText(message["id"]), mask.quoted(message["text"].toString()));
    return line;
}

// Rows of "label = value", the labels padded to one width.
QString table(const QString& title, const QList<std::pair<QString, QString>>& rows) {
    qsizetype width = 0;
    for (const auto& [label, value] : rows) width = std::max(width, label.size());
    QString text = title;
    for (const auto& [label, value] : rows) text += "\n  " + label.leftJustified(width) + " = " + value;
    return text;
}

QString occurrenceSuffix(qint64 occurrence) { return occurrence == 0 ? QString() : QString("[%1]").arg(occurrence); }

// Each entry with its offset in the request text (in characters, from 0),
// so that a position in the text the host sends leads back to its field.
QString requestText(const QJsonObject& request, qsizetype number, const CardMask& mask) {
    QString text = QString("Request %1: code %2, flag %3, mode %4\n  request text: %5\n  entries (offset, length):")
                       .arg(number)
                       .arg(request["code"].toInt())
                       .arg(request["flag"].toInt())
                       .arg(request["mode"].toInt())
                       .arg(mask.quoted(request["request"].toString()));
    const QJsonArray entries = request["entries"].toArray();
    QStringList labels;
    qsizetype width = 0;
    for (const QJsonValue& entry : entries) {
        const int field = entry["field"].toInt();
        labels << (field == 0 ? QString("fixed text") : fieldLabel(field)) +
                      occurrenceSuffix(entry["occurrence"].toInt()) + QString(", type %1").arg(entry["type"].toInt()) +
                      (entry["block"].toInt() != 0 ? QString(", block") : QString());
        width = std::max(width, labels.back().size());
    }
    qsizetype offset = 0;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const QString value = entries[i]["text"].toString();
        text += QString("\n    %1 %2  %3  %4")
                    .arg(offset, 6)
                    .arg(value.size(), 4)
                    .arg(labels[i].leftJustified(width), mask.quoted(value));
        offset += value.size();
    }
    return text;
}

QString writesText(const QJsonArray& writes, const CardMask& mask) {
    if (writes.isEmpty()) return "Field writes: none";
    QList<std::pair<QString, QString>> rows;
    for (const QJsonValue& write : writes)
        rows.append({fieldLabel(write["field"].toInt()) + occurrenceSuffix(write["occurrence"].toInt()),
                     write["text"].isNull() ? QString("(cleared)") : mask.quoted(write["text"].toString())});
    return table("Field writes, in order:", rows);
}

QString storeText(const QJsonObject& fields, const CardMask& mask) {
    if (fields.isEmpty()) return "Field store after the call: empty";
    // In the order of the field numbers, not of their texts.
    QStringList keys = fields.keys();
    std::sort(keys.begin(), keys.end(),
              [](const QString& a, const QString& b) { return a.toLongLong() < b.toLongLong(); });
    QList<std::pair<QString, QString>> rows;
    for (const QString& key : keys) {
        const QJsonValue value = fields[key];
        const QString label = fieldLabel(key.toLongLong());
        if (!value.isArray()) {
            rows.append({label, mask.quoted(value.toString())});
            continue;
        }
        const QJsonArray occurrences = value.toArray();
        for (qsizetype i = 0; i < occurrences.size(); ++i)
            rows.append({label + QString("[%1]").arg(i), mask.quoted(occurrences[i].toString())});
    }
    return table("Field store after the call:", rows);
}

} // namespace

QString summarize(const QJsonObject& result, const QString& description, const QStringList& failures, bool expected) {
    QStringList lines;
    lines
        << QString("Scenario %1%2").arg(result["scenario"].toString(), description.isEmpty() ? "" : ": " + description);
    lines << "Module version: " + result["module_version"].toString();
    lines << (result["returned"].toBool() ? "The call returned." : "The call did not return in time.");
    if (result["ended_by_host"].toBool())
        lines << "The host ended the transaction after the module's error report: the screen left open was cancelled.";
    lines << screensLine(result);
    const CardMask mask(result);
    lines << messagesLine("Message boxes", result["boxes"].toArray(), mask);
    lines << messagesLine("Errors reported", result["errors"].toArray(), mask);
    const QJsonArray requests = result["requests"].toArray();
    if (requests.isEmpty()) lines << "Requests: none";
    for (qsizetype i = 0; i < requests.size(); ++i) lines << requestText(requests[i].toObject(), i + 1, mask);
    lines << writesText(result["writes"].toArray(), mask);
    lines << storeText(result["fields"].toObject(), mask);
    lines << QString("Field store handed back: %1 time(s)").arg(result["hand_backs"].toInt());
    if (!failures.isEmpty()) {
        QStringList shown;
        for (const QString& failure : failures) shown << mask.shown(failure);
        lines << "Expectations failed:\n  " + shown.join("\n  ");
    } else {
        lines << (expected ? QString("Expectations: all held") : QString("Expectations: none were given"));
    }
    return lines.join('\n') + '\n';
}

} // namespace vkshost
