// The masked edit field: the mask notation, the text the program reads and
// assigns, and typing into a real widget.
#include "ui/EditMask.h"
#include "ui/MaskedEdit.h"

#include "routines.h"

#include <QApplication>
#include <QKeyEvent>

#include <gtest/gtest.h>

#include <string>

namespace {

using vks::ui::EditMask;
using vks::ui::MaskedEdit;

struct MaskCase {
    const char* mask;
    qsizetype width;
    bool saveLiterals;
    bool leftBlanks;
    const char* emptyRead;
    bool emptyComplete;
    const char* typed; // fills every position
    const char* fullDisplay;
    const char* fullRead;
    const char* partialRead; // the first three digits typed
    bool partialComplete;
    const char* digits; // the full read text with formatting removed
};

void PrintTo(const MaskCase& c, std::ostream* os) { *os << c.mask; }

const MaskCase kMasks[] = {
    {"!99/99/9999;1;_", 10, true, true, "  /  /    ", true, "05122026", "05/12/2026", "05/12/2026", "05/1 /    ", true,
     "05122026"},
    {"!90:00:00;1;_", 8, true, true, "  :  :  ", false, "123456", "12:34:56", "12:34:56", "12:3 :  ", false, "123456"},
    {"!99:99:99;1;_", 8, true, true, "  :  :  ", true, "235959", "23:59:59", "23:59:59", "23:5 :  ", true, "235959"},
    {"999.999.999-99;0;_", 14, false, false, "", true, "52998224725", "529.982.247-25", "52998224725", "529", true,
     "52998224725"},
    {"999.999.999-99", 14, true, false, "   .   .   -  ", true, "52998224725", "529.982.247-25", "529.982.247-25",
     "529.   .   -  ", true, "52998224725"},
    {"000000;0;_", 6, false, false, "", false, "004711", "004711", "004711", "004", false, "004711"},
    {"00/00/0000", 10, true, false, "  /  /    ", false, "31012027", "31/01/2027", "31/01/2027", "31/0 /    ", false,
     "31012027"},
    {"99/99/9999", 10, true, false, "  /  /    ", true, "01022003", "01/02/2003", "01/02/2003", "01/0 /    ", true,
     "01022003"},
    {"99999-999", 9, true, false, "     -   ", true, "01310100", "01310-100", "01310-100", "013  -   ", true,
     "01310100"},
    {"9999-9999", 9, true, false, "    -    ", true, "34567890", "3456-7890", "3456-7890", "345 -    ", true,
     "34567890"},
};

QString q(const char* text) { return QString::fromLatin1(text); }

std::string withoutFormatting(const QString& text) { return vks::sim::routines::removeFormato(text.toStdString()); }

// The display of an empty field: every digit of a full one blank.
QString blanksFor(QString fullDisplay) {
    for (QChar& c : fullDisplay) {
        if (c.isDigit()) c = QLatin1Char('_');
    }
    return fullDisplay;
}

// Returns whether the field kept the key (keys it ignores reach the screen).
bool sendKey(QWidget& widget, int key, const QString& text = {}) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(&widget, &press);
    return press.isAccepted();
}

void typeChars(QWidget& widget, const QString& text) {
    for (const QChar c : text) {
        const int key = c.isDigit() ? Qt::Key_0 + c.digitValue() : Qt::Key_A + (c.toUpper().unicode() - 'A');
        sendKey(widget, key, QString(c));
    }
}

class MaskedEditTable : public ::testing::TestWithParam<MaskCase> {
protected:
    void SetUp() override {
        ASSERT_NE(QApplication::instance(), nullptr);
        edit.setEditMask(q(GetParam().mask));
    }

    MaskedEdit edit;
};

TEST_P(MaskedEditTable, ParsesTheMask) {
    const MaskCase& c = GetParam();
    const EditMask mask(q(c.mask));
    EXPECT_EQ(mask.width(), c.width);
    EXPECT_EQ(mask.saveLiterals(), c.saveLiterals);
    EXPECT_EQ(mask.leftBlanks(), c.leftBlanks);
    EXPECT_EQ(mask.blank(), QLatin1Char('_'));
    EXPECT_EQ(edit.editMask(), q(c.mask));
}

TEST_P(MaskedEditTable, ReadsEmptyPartialAndFull) {
    const MaskCase& c = GetParam();
    EXPECT_EQ(edit.maskedText(), q(c.emptyRead));
    EXPECT_EQ(edit.displayText(), blanksFor(q(c.fullDisplay)));
    EXPECT_EQ(edit.isComplete(), c.emptyComplete);

    typeChars(edit, q(c.typed).left(3));
    EXPECT_EQ(edit.maskedText(), q(c.partialRead));
    EXPECT_EQ(edit.isComplete(), c.partialComplete);

    typeChars(edit, q(c.typed).mid(3));
    EXPECT_EQ(edit.maskedText(), q(c.fullRead));
    EXPECT_EQ(edit.displayText(), q(c.fullDisplay));
    EXPECT_TRUE(edit.isComplete());
    EXPECT_EQ(withoutFormatting(edit.maskedText()), c.digits);
}

TEST_P(MaskedEditTable, AssignedTextReadsBack) {
    const MaskCase& c = GetParam();
    for (const char* assigned : {c.fullRead, c.digits}) {
        edit.setMaskedText(q(assigned));
        EXPECT_EQ(edit.displayText(), q(c.fullDisplay)) << assigned;
        EXPECT_EQ(edit.maskedText(), q(c.fullRead)) << assigned;
    }
    edit.setMaskedText(q(c.partialRead));
    EXPECT_EQ(edit.maskedText(), q(c.partialRead));

    edit.clearMasked();
    EXPECT_EQ(edit.maskedText(), q(c.emptyRead));
    typeChars(edit, q(c.typed)); // typing after a clear starts at the front
    EXPECT_EQ(edit.maskedText(), q(c.fullRead));
    edit.setMaskedText(q(c.fullRead));
    edit.clear(); // the line edit's own clear leaves an empty masked field
    EXPECT_EQ(edit.displayText(), blanksFor(q(c.fullDisplay)));
}

TEST_P(MaskedEditTable, TypingSkipsLiteralsIgnoresLettersAndBacksUp) {
    const MaskCase& c = GetParam();
    const QString typed = q(c.typed);
    typeChars(edit, typed.left(2) + QStringLiteral("k") + typed.mid(2));
    EXPECT_EQ(edit.maskedText(), q(c.fullRead));
    typeChars(edit, QStringLiteral("7")); // the field is full
    EXPECT_EQ(edit.maskedText(), q(c.fullRead));

    sendKey(edit, Qt::Key_Backspace);
    sendKey(edit, Qt::Key_Backspace);
    MaskedEdit expected;
    expected.setEditMask(q(c.mask));
    expected.setMaskedText(typed.chopped(2));
    EXPECT_EQ(edit.maskedText(), expected.maskedText());

    typeChars(edit, typed.right(2));
    EXPECT_EQ(edit.maskedText(), q(c.fullRead));
}

TEST_P(MaskedEditTable, DropsWhatThePositionsDoNotTake) {
    const MaskCase& c = GetParam();
    QString noisy;
    for (const QChar d : q(c.digits)) noisy += QStringLiteral("x") + d;
    edit.setMaskedText(noisy + QStringLiteral("98765"));
    EXPECT_EQ(edit.maskedText(), q(c.fullRead));

    edit.setMaskedText(QString::fromUtf8("\xd9\xa5\xd9\xa6")); // Arabic-Indic digits
    EXPECT_EQ(edit.maskedText(), q(c.emptyRead));
    edit.setMaskedText(QString::fromUtf8(QByteArray("\xff\xfe\xc3(\xa0\xa1\xe2\x28\xa1\xf0\x90\x28\xbc", 13)));
    EXPECT_EQ(edit.maskedText(), q(c.emptyRead));

    const QString huge(1 << 20, QLatin1Char('7'));
    edit.setMaskedText(huge);
    EXPECT_EQ(edit.displayText().size(), c.width);
    edit.setText(huge + QStringLiteral("abc"));
    EXPECT_EQ(edit.displayText().size(), c.width);
}

INSTANTIATE_TEST_SUITE_P(ScreenMasks, MaskedEditTable, ::testing::ValuesIn(kMasks));

TEST(MaskedEdit, TypingReplacesASelectionButARejectedKeyKeepsIt) {
    MaskedEdit edit;
    edit.setEditMask(QStringLiteral("!99/99/9999;1;_"));
    edit.setMaskedText(QStringLiteral("05/12/2026"));
    edit.setSelection(3, 2);
    typeChars(edit, QStringLiteral("x"));
    EXPECT_EQ(edit.selectedText(), QStringLiteral("12"));
    typeChars(edit, QStringLiteral("1"));
    EXPECT_EQ(edit.maskedText(), QStringLiteral("05/1 /2026"));
    EXPECT_FALSE(edit.hasSelectedText());
}

TEST(MaskedEdit, BackspaceStepsOverLiteralsAndDeleteKeepsTheCursor) {
    MaskedEdit edit;
    edit.setEditMask(QStringLiteral("99999-999"));
    typeChars(edit, QStringLiteral("123456"));
    EXPECT_EQ(edit.cursorPosition(), 7);
    sendKey(edit, Qt::Key_Backspace);
    sendKey(edit, Qt::Key_Backspace);
    EXPECT_EQ(edit.maskedText(), QStringLiteral("1234 -   "));
    EXPECT_EQ(edit.cursorPosition(), 4);
    edit.setCursorPosition(0);
    sendKey(edit, Qt::Key_Delete);
    EXPECT_EQ(edit.maskedText(), QStringLiteral(" 234 -   "));
    EXPECT_EQ(edit.cursorPosition(), 0);
}

TEST(MaskedEdit, SpaceBlanksOnlyOptionalPositions) {
    MaskedEdit edit;
    edit.setEditMask(QStringLiteral("!90:00:00;1;_"));
    sendKey(edit, Qt::Key_Space, QStringLiteral(" "));
    typeChars(edit, QStringLiteral("9"));
    sendKey(edit, Qt::Key_Space, QStringLiteral(" "));
    EXPECT_EQ(edit.displayText(), QStringLiteral("_9:__:__"));
    EXPECT_EQ(edit.cursorPosition(), 3);
}

TEST(MaskedEdit, EnterAndEscapeReachTheScreen) {
    MaskedEdit edit;
    edit.setEditMask(QStringLiteral("00/00/0000"));
    EXPECT_FALSE(sendKey(edit, Qt::Key_Return));
    EXPECT_FALSE(sendKey(edit, Qt::Key_Escape));
}

TEST(MaskedEdit, LeftBlanksAreDroppedWhenLiteralsAreNotKept) {
    const EditMask mask(QStringLiteral("!999-99;0;*"));
    EXPECT_EQ(mask.blank(), QLatin1Char('*'));
    EXPECT_EQ(mask.readText(QStringLiteral("**1-2*")), QStringLiteral("12 "));
    const EditMask right(QStringLiteral("999-99;0"));
    EXPECT_EQ(right.readText(QStringLiteral("__1-2_")), QStringLiteral("  12"));
}

TEST(MaskedEdit, WithoutAMaskItIsAPlainField) {
    MaskedEdit edit;
    edit.setMaskedText(QStringLiteral("abc"));
    EXPECT_EQ(edit.maskedText(), QStringLiteral("abc"));
    typeChars(edit, QStringLiteral("d"));
    EXPECT_EQ(edit.maskedText(), QStringLiteral("abcd"));
}

TEST(MaskedEdit, HugeMaskStaysBounded) {
    QString huge(1 << 20, QLatin1Char('9'));
    huge += QStringLiteral(";0;");
    MaskedEdit edit;
    edit.setEditMask(huge);
    typeChars(edit, QStringLiteral("12"));
    EXPECT_EQ(edit.maskedText(), QStringLiteral("12"));
    EXPECT_EQ(EditMask(huge).width(), 1 << 20);
}

} // namespace
