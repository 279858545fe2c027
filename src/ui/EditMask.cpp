#include "ui/EditMask.h"

#include <QStringList>

#include <algorithm>

namespace vks::ui {

namespace {

constexpr QChar kSectionSeparator = QLatin1Char(';');
constexpr QChar kLeftBlanksDirective = QLatin1Char('!');
constexpr QChar kRequiredDigit = QLatin1Char('0');
constexpr QChar kOptionalDigit = QLatin1Char('9');
constexpr QChar kSpace = QLatin1Char(' ');

// Only ASCII digits: the host's routines know no other.
bool isAsciiDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

} // namespace

EditMask::EditMask(const QString& mask)
    : source_(mask) {
    const QStringList sections = mask.split(kSectionSeparator);
    const QString& characters = sections.front();
    if (sections.size() > 1) saveLiterals_ = sections.at(1).trimmed() != QLatin1String("0");
    if (sections.size() > 2 && !sections.at(2).isEmpty()) blank_ = sections.at(2).front();

    slots_.reserve(static_cast<size_t>(characters.size()));
    literals_.reserve(characters.size());
    for (const QChar c : characters) {
        if (c == kLeftBlanksDirective) {
            leftBlanks_ = true;
        } else if (c == kRequiredDigit) {
            slots_.push_back(Slot::RequiredDigit);
            literals_.append(blank_);
        } else if (c == kOptionalDigit) {
            slots_.push_back(Slot::OptionalDigit);
            literals_.append(blank_);
        } else {
            slots_.push_back(Slot::Literal);
            literals_.append(c);
        }
    }
}

EditMask::Slot EditMask::slot(qsizetype position) const {
    if (position < 0 || position >= width()) return Slot::Literal;
    return slots_[static_cast<size_t>(position)];
}

bool EditMask::isEditable(qsizetype position) const { return slot(position) != Slot::Literal; }

QChar EditMask::literalAt(qsizetype position) const {
    if (position < 0 || position >= width()) return blank_;
    return literals_.at(position);
}

bool EditMask::accepts(qsizetype position, QChar c) const { return isEditable(position) && isAsciiDigit(c); }

QString EditMask::emptyDisplay() const { return literals_; }

QString EditMask::format(const QString& rawChars) const {
    QString displayed = emptyDisplay();
    qsizetype position = 0;
    for (const QChar c : rawChars) {
        if (position >= width()) break;
        if (!isEditable(position) && c == literalAt(position)) {
            ++position;
            continue;
        }
        const qsizetype target = nextEditable(position);
        if (target >= width()) break;
        if (c == kSpace || c == blank_) {
            position = target + 1;
        } else if (accepts(target, c)) {
            displayed[target] = c;
            position = target + 1;
        }
    }
    return displayed;
}

QString EditMask::readText(const QString& displayed) const {
    QString text;
    text.reserve(width());
    for (qsizetype i = 0; i < width(); ++i) {
        if (!isEditable(i)) {
            if (saveLiterals_) text.append(literalAt(i));
            continue;
        }
        const QChar c = i < displayed.size() ? displayed.at(i) : blank_;
        text.append(accepts(i, c) ? c : kSpace);
    }
    if (saveLiterals_) return text;
    // Without literals only digits and blanks remain, so trimming spaces
    // drops exactly the blanks on the side the mask names.
    if (leftBlanks_) {
        const auto first = std::find_if(text.cbegin(), text.cend(), [](QChar c) { return c != kSpace; });
        return text.mid(first - text.cbegin());
    }
    qsizetype length = text.size();
    while (length > 0 && text.at(length - 1) == kSpace) --length;
    text.truncate(length);
    return text;
}

bool EditMask::isComplete(const QString& displayed) const {
    for (qsizetype i = 0; i < width(); ++i) {
        if (slot(i) == Slot::RequiredDigit && (i >= displayed.size() || !accepts(i, displayed.at(i)))) return false;
    }
    return true;
}

bool EditMask::type(QString& displayed, qsizetype& cursor, const QString& typed) const {
    bool placed = false;
    for (const QChar c : typed) {
        const qsizetype target = nextEditable(cursor);
        if (target >= width() || target >= displayed.size()) break;
        const bool blankTyped = c == kSpace && slot(target) == Slot::OptionalDigit;
        if (!blankTyped && !accepts(target, c)) continue;
        displayed[target] = blankTyped ? blank_ : c;
        cursor = nextEditable(target + 1);
        placed = true;
    }
    return placed;
}

void EditMask::blankRange(QString& displayed, qsizetype from, qsizetype count) const {
    const qsizetype end = std::min({from + count, width(), displayed.size()});
    for (qsizetype i = std::max<qsizetype>(from, 0); i < end; ++i) {
        if (isEditable(i)) displayed[i] = blank_;
    }
}

qsizetype EditMask::nextEditable(qsizetype from) const {
    for (qsizetype i = std::max<qsizetype>(from, 0); i < width(); ++i) {
        if (isEditable(i)) return i;
    }
    return width();
}

qsizetype EditMask::previousEditable(qsizetype before) const {
    for (qsizetype i = std::min(before, width()) - 1; i >= 0; --i) {
        if (isEditable(i)) return i;
    }
    return -1;
}

} // namespace vks::ui
