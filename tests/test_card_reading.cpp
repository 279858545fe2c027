// Card reading before card transactions, the service-X transfer and the
// wiping of card copies.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>

#include "TestData.h"
#include "core/ModuleState.h"
#include "core/WipedString.h"
#include "entry/CardReading.h"
#include "host/ServiceX.h"
#include "ui/CardEdit.h"

namespace {

struct CardCase {
    const char* name;
    std::string supplied;  // field 1059
    std::int16_t status;   // PIN-pad status
    std::string padNumber; // what the PIN pad stores in 10104
    bool refuseStore;      // 10104 refused
    bool result;
    int pinPadReads;
    int handBacks;
    std::vector<int> errors;
    std::string identification; // field 10104 afterwards
};

const CardCase kCardCases[] = {
    {"host number", "6034567890123456", 0, "", false, true, 0, 0, {}, "6034567890123456"},
    {"blank host number", "   ", 0, "6034999999999999", false, true, 1, 0, {}, "6034999999999999"},
    {"pin pad read", "", 0, "6034999999999999", false, true, 1, 0, {}, "6034999999999999"},
    {"pin pad failure", "", 5, "", false, false, 1, 1, {}, ""},
    {"read leaves nothing", "", 0, "  ", false, false, 1, 1, {}, "  "},
    {"store refused", "6034567890123456", 0, "", true, false, 0, 0, {1591}, ""},
};


class CardReading : public testing::TestWithParam<CardCase> {};

TEST_P(CardReading, ReadsOrTakesTheCardAndStoresIt) {
    const CardCase& c = GetParam();
    ScopedSimulatedHost fake;
    state().ownerWindow = 0x33;
    fake->set(field::CardNumber, c.supplied);
    fake->setCard(c.status, c.padNumber);
    if (c.refuseStore) fake->refuseWrite(field::Identification, 0);

    EXPECT_EQ(LeCartaoVKS(517), c.result);
    EXPECT_EQ(static_cast<int>(fake->cardReads().size()), c.pinPadReads);
    EXPECT_EQ(fake->handBackCount(), c.handBacks);
    EXPECT_EQ(fake->errorIds(), c.errors);
    EXPECT_EQ(fake->get(field::Identification), c.identification);
    // 10227 announces a PIN-pad read and nothing else.
    EXPECT_EQ(fake->has(field::CardReadRequested), c.pinPadReads > 0);
    if (c.pinPadReads > 0) {
        EXPECT_EQ(fake->cardReads()[0].first, 0x33u);
        EXPECT_EQ(fake->cardReads()[0].second, SimulatedHost::messageText(517));
    }
}

INSTANTIATE_TEST_SUITE_P(CardReading, CardReading, testing::ValuesIn(kCardCases), CaseName());

struct ServiceXCase {
    const char* name;
    std::string data;
    std::string stored;
};

std::string repeated(std::string_view text, int times) {
    std::string all;
    for (int i = 0; i < times; ++i) all += text;
    return all;
}

// At most 2049 characters, trimmed; a character is never cut, and a stray
// byte counts as one.
const ServiceXCase kServiceXCases[] = {
    {"trimmed", "  abc def  ", "abc def"},
    {"empty", "", ""},
    {"longer than 2049", std::string(3000, 'x'), std::string(2049, 'x')},
    {"up to a zero byte", std::string("ab\0cd", 5), "ab"},
    {"two-byte characters", repeated("\xC3\xA9", 2100), repeated("\xC3\xA9", 2049)},
    {"exactly 2049 two-byte characters", repeated("\xC3\xA9", 2049), repeated("\xC3\xA9", 2049)},
    {"four-byte characters", repeated("\xF0\x9F\x98\x80", 3000), repeated("\xF0\x9F\x98\x80", 2049)},
    {"stray bytes", std::string(3000, '\xBF'), std::string(2049, '\xBF')},
    {"mixed", "a" + repeated("\xC3\xA9\xBF", 1500), "a" + repeated("\xC3\xA9\xBF", 1024)},
};

class ServiceXTransfer : public testing::TestWithParam<ServiceXCase> {};

TEST_P(ServiceXTransfer, CopiesTheTrimmedDataIntoField1099) {
    const ServiceXCase& c = GetParam();
    ScopedSimulatedHost fake;
    fake->set(field::ServiceXData, c.data);
    EXPECT_TRUE(TrataServicoX_VKS());
    EXPECT_EQ(fake->get(field::ServiceXRequest), c.stored);
    EXPECT_TRUE(fake->errors().empty());
}

INSTANTIATE_TEST_SUITE_P(ServiceX, ServiceXTransfer, testing::ValuesIn(kServiceXCases), CaseName());

TEST(ServiceX, RefusedStoreReports1591) {
    ScopedSimulatedHost fake;
    fake->refuseWrite(field::ServiceXRequest, 0);
    EXPECT_FALSE(TrataServicoX_VKS());
    EXPECT_EQ(fake->errorIds(), std::vector<int>{1591});
}

TEST(WipedString, OverwritesItsTextAndTheSourceItWasMadeFrom) {
    for (std::string text : {std::string("1234"), std::string("6034567890123456"), std::string(100, '9')}) {
        std::string source = text;
        WipedString held(std::move(source));
        EXPECT_EQ(held.view(), text);
        EXPECT_EQ(source, std::string(text.size(), '*')); // NOLINT: the moved-from source is wiped on purpose
        held.wipe();
        EXPECT_EQ(held.view(), std::string(text.size(), '*'));
    }
}

// The typed-card control: once concealed, nothing brings the typed digits
// back to the screen (the undo history went with them), and neither the
// platform's input method nor the clipboard gets the text.
TEST(CardEdit, AConcealedNumberCannotBeUndoneAndTheInputMethodGetsNoText) {
    ui::CardEdit edit;
    EXPECT_FALSE(edit.testAttribute(Qt::WA_InputMethodEnabled));
    edit.insert(QString::fromLatin1(kCard));
    EXPECT_TRUE(edit.isUndoAvailable());
    EXPECT_EQ(edit.number(), kCard);
    const QWidget& widget = edit;
    EXPECT_FALSE(widget.inputMethodQuery(Qt::ImSurroundingText).isValid());
    EXPECT_FALSE(widget.inputMethodQuery(Qt::ImTextBeforeCursor).isValid());
    EXPECT_EQ(edit.contextMenuPolicy(), Qt::NoContextMenu);
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    edit.selectAll();
    for (const QKeySequence::StandardKey copying : {QKeySequence::Copy, QKeySequence::Cut}) {
        const QKeyCombination keys = QKeySequence(copying)[0];
        QKeyEvent press(QEvent::KeyPress, keys.key(), keys.keyboardModifiers());
        QCoreApplication::sendEvent(&edit, &press);
    }
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "before");
    EXPECT_EQ(edit.number(), kCard);

    edit.conceal(QString::fromLatin1(kConcealedCard));
    EXPECT_TRUE(edit.isConcealed());
    EXPECT_FALSE(edit.isUndoAvailable());
    edit.undo();
    EXPECT_EQ(edit.text(), kConcealedCard);
    EXPECT_EQ(edit.number(), kCard);

    // A change to the concealed text starts the field afresh.
    edit.end(false);
    edit.backspace();
    EXPECT_FALSE(edit.isConcealed());
    EXPECT_EQ(edit.text(), "");
    EXPECT_EQ(edit.number(), "");
}

// The cashier's editing keys change a card field as in any edit field, but
// the field makes each change itself: the toolkit's undo history, which
// keeps one character per record where no wipe reaches, never gets one.
struct CardKeysCase {
    const char* name;
    std::vector<QKeyCombination> keys; // after "1234" was typed, the cursor at its end
    const char* shown;
};

const CardKeysCase kCardKeys[] = {
    {"digits", {Qt::Key_5, Qt::Key_6}, "123456"},
    {"backspace", {Qt::Key_Backspace, Qt::Key_Backspace}, "12"},
    {"delete before the end", {Qt::Key_Home, Qt::Key_Right, Qt::Key_Delete}, "134"},
    {"typed between digits", {Qt::Key_Left, Qt::Key_Left, Qt::Key_9}, "12934"},
    {"over a selection", {Qt::SHIFT | Qt::Key_Left, Qt::SHIFT | Qt::Key_Left, Qt::Key_7}, "127"},
    {"backspace on a selection", {Qt::SHIFT | Qt::Key_Home, Qt::Key_Backspace}, ""},
    {"all selected then typed", {Qt::CTRL | Qt::Key_A, Qt::Key_8}, "8"},
    {"undo does nothing", {Qt::Key_Backspace, Qt::CTRL | Qt::Key_Z}, "123"},
    {"backspace at the start", {Qt::Key_Home, Qt::Key_Backspace}, "1234"},
};

class CardEditKeys : public testing::TestWithParam<CardKeysCase> {};

TEST_P(CardEditKeys, EditAsTypedAndLeaveNoUndoHistory) {
    ui::CardEdit edit;
    const auto press = [&edit](QKeyCombination keys) {
        const QString text = keys.keyboardModifiers() & (Qt::ControlModifier | Qt::AltModifier)
                                 ? QString()
                                 : QKeySequence(keys.key()).toString().left(1);
        const bool digit = keys.key() >= Qt::Key_0 && keys.key() <= Qt::Key_9;
        QKeyEvent event(QEvent::KeyPress, keys.key(), keys.keyboardModifiers(), digit ? text : QString());
        QCoreApplication::sendEvent(&edit, &event);
    };
    for (const Qt::Key digit : {Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4}) press(digit);
    for (const QKeyCombination keys : GetParam().keys) press(keys);
    EXPECT_EQ(edit.text(), GetParam().shown);
    EXPECT_EQ(edit.number(), GetParam().shown);
    EXPECT_FALSE(edit.isUndoAvailable());
    EXPECT_FALSE(edit.isRedoAvailable());
}

INSTANTIATE_TEST_SUITE_P(CardEdit, CardEditKeys, testing::ValuesIn(kCardKeys), CaseName());

} // namespace
