#pragma once

#include <QString>

#include <vector>

namespace vks::ui {

// An edit mask in the screens' notation: "mask[;saveLiterals[;blank]]".
//   "0"  a required digit;   "9"  an optional digit (may stay blank);
//   "!"  blanks are dropped on the leading side when the text is read
//        without its literals (trailing side otherwise);
//   anything else is a literal shown in place ("/", ":", ".", "-").
// saveLiterals "0" leaves the literals out of the text the program reads;
// any other value, or no section, keeps them. The blank (default "_") is
// shown in unfilled positions and reads back as a space.
//
// Pure text logic: the widget keeps the displayed text (one character per
// position, blanks as the blank character) and asks this class to place,
// read and check it.
class EditMask {
public:
    enum class Slot { RequiredDigit, OptionalDigit, Literal };

    EditMask() = default;
    explicit EditMask(const QString& mask);

    const QString& source() const { return source_; }
    // No positions: the field behaves as a plain edit field.
    bool isEmpty() const { return slots_.empty(); }
    // Number of positions, which is the length of the displayed text.
    qsizetype width() const { return static_cast<qsizetype>(slots_.size()); }
    Slot slot(qsizetype position) const;
    bool isEditable(qsizetype position) const;
    // The literal shown at a literal position; the blank elsewhere.
    QChar literalAt(qsizetype position) const;

    bool saveLiterals() const { return saveLiterals_; }
    QChar blank() const { return blank_; }
    bool leftBlanks() const { return leftBlanks_; }

    // Whether `c` may be typed into `position`: a digit into a digit
    // position; never anything into a literal.
    bool accepts(qsizetype position, QChar c) const;

    // The displayed text of an empty field: literals and blanks.
    QString emptyDisplay() const;
    // Places a text into the positions in order, giving the displayed
    // text. Literals in the source are consumed where they meet the same
    // literal in the mask, so both "05/12/2026" and "05122026" fill a date;
    // a space or the blank leaves a position blank; characters a position
    // does not accept are dropped, and so are those beyond the last
    // position. Displayed texts come back unchanged.
    QString format(const QString& rawChars) const;
    // The text the program reads from a displayed text: literals per
    // saveLiterals, blanks as spaces (dropped at the edge "!" names when
    // literals are not kept). A short or malformed display reads as if
    // the missing or unacceptable characters were blanks.
    QString readText(const QString& displayed) const;
    // Every required position of the displayed text holds a digit.
    bool isComplete(const QString& displayed) const;

    // Typing into a displayed text: each character goes into the next
    // editable position at or after `cursor` (a space blanks an optional
    // one), and the cursor moves past it and past the literals after it.
    // Characters no position takes are skipped. Returns whether any
    // character was placed.
    bool type(QString& displayed, qsizetype& cursor, const QString& typed) const;
    // Blanks the editable positions in [from, from + count).
    void blankRange(QString& displayed, qsizetype from, qsizetype count) const;

    // First editable position at or after `from`, or width() if none.
    qsizetype nextEditable(qsizetype from) const;
    // Last editable position before `before`, or -1 if none.
    qsizetype previousEditable(qsizetype before) const;

private:
    QString source_;
    std::vector<Slot> slots_;
    QString literals_; // per position: the literal, or the blank
    bool saveLiterals_ = true;
    bool leftBlanks_ = false;
    QChar blank_ = QLatin1Char('_');
};

} // namespace vks::ui
