// The cashier's keyboard on every screen: the keyboard back after a message
// box, lists that take the keys they do not step with, typing limits that
// never cut the host's values, the focus frame, readable locked values,
// rows in tab order, VKS.INI names in any case, and a simulated cashier that
// types only into the active window.
#include <gtest/gtest.h>

#include <cmath>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>

#include "TestData.h"
#include "host/IniFile.h"
#include "screens/base/TFrmCnc_Trn.h"
#include "screens/base/TFrmVKS_Adc.h"

namespace {

int hintShown() { return SimulatedHost::messageIdOf(cashier::controlText("lbMensagem").value_or("")); }

// --- After a message box --------------------------------------------------------

TEST(Keyboard, AfterARefusedConfirmationTheScreenHoldsTheKeyboardAndTheHintFollows) {
    ScopedSimulatedHost host;
    auto screen = createScreen<TFrmCnc_Trn>();
    ScriptedCashier cashier;
    cashier.expectFocus("edValor")
        .type("100")
        .alt('1')
        .dismissMessage(787) // no date
        .expectFocus("edDtTransacao")
        .check("the screen is active and shows the date's hint",
               [&] {
                   EXPECT_EQ(QApplication::activeWindow(), screen.get());
                   EXPECT_EQ(hintShown(), 37);
               })
        .type(QDate::currentDate().toString("ddMMyyyy").toStdString())
        .enter()
        .expectFocus("edNumDocumento")
        .check("the NSU's hint", [] { EXPECT_EQ(hintShown(), 52); })
        .type("77")
        .alt('1');
    EXPECT_EQ(cashier.run(*screen), 1);
    EXPECT_EQ(host->get(field::Nsu), "77");
}

TEST(Keyboard, AKeyForAScreenThatIsNotActiveIsLostAndFailsTheScriptNamingIt) {
    ScopedSimulatedHost host;
    auto screen = createScreen<TFrmCnc_Trn>();
    QWidget elsewhere;
    elsewhere.setObjectName("elsewhere");
    cashier::Script script(1000ms);
    std::string failure;
    script.onFailure([&](const std::string& why) { failure = why; });
    script.expectFocus("edValor")
        .then("another window takes the keyboard",
              [&] {
                  elsewhere.show();
                  QApplication::setActiveWindow(&elsewhere);
              })
        .type("5")
        .pause(200ms);
    script.start();
    screen->exec();
    EXPECT_TRUE(script.keyLost());
    EXPECT_NE(failure.find("FrmCnc_Trn"), std::string::npos) << failure;
    EXPECT_NE(failure.find("not the active window"), std::string::npos) << failure;
    EXPECT_EQ(screen->findChild<QLineEdit*>("edValor")->text(), "");
}

// --- Lists, typing limits -----------------------------------------------------------

// A query screen with one control of each keyboard rule under test.
class KeyboardScreen : public TFrmVKS_Adc {
public:
    KeyboardScreen()
        : TFrmVKS_Adc("TFrmKeyboard") {
        addList({.name = "cbHost", .keys = Keys::ListSteps},
                {"A - Primeiro", "B - Segundo", "P - Presente", "0 - Demais"});
        addList({.name = "cbOwn", .keys = Keys::OwnSteps}, {"S - Seguro", "0 - Demais casos", "1 - Um"});
        addEdit({.name = "edShort", .maxLength = 3});
    }
};

struct ListCase {
    const char* name;
    const char* list;
    std::string keys;
    std::string shown;
};

const ListCase kListCases[] = {
    {"host list steps with 2", "cbHost", "22", "B - Segundo"},
    {"host list steps back with 8", "cbHost", "2228", "B - Segundo"},
    {"host list selects by a typed letter", "cbHost", "P", "P - Presente"},
    {"host list selects by a typed digit", "cbHost", "0", "0 - Demais"},
    {"own list selects by S", "cbOwn", "S", "S - Seguro"},
    {"own list selects by 0", "cbOwn", "0", "0 - Demais casos"},
    {"own list 1 selects, not a step", "cbOwn", "1", "1 - Um"},
    {"own list 2 from nothing is the first", "cbOwn", "2", "S - Seguro"},
    {"own list 8 never above the first", "cbOwn", "28", "S - Seguro"},
    {"a blank opens nothing and selects nothing", "cbOwn", " ", ""},
};

class ListKeys : public testing::TestWithParam<ListCase> {};

TEST_P(ListKeys, StepWithTwoAndEightAndPassEveryOtherKeyToTheList) {
    const ListCase& c = GetParam();
    ScopedSimulatedHost host;
    auto screen = createScreen<KeyboardScreen>();
    QComboBox* list = screen->findChild<QComboBox*>(c.list);
    ScriptedCashier cashier;
    cashier.expectFocus("edTipoEntrada")
        .focusOn(c.list)
        .expectFocus(c.list)
        .type(c.keys)
        .expectText(c.list, c.shown)
        .expectNoMessage(50ms)
        .check("no pop-up", [&] { EXPECT_FALSE(list->view()->isVisible()); })
        .escape();
    EXPECT_EQ(cashier.run(*screen), 2);
}

INSTANTIATE_TEST_SUITE_P(Keyboard, ListKeys, testing::ValuesIn(kListCases), CaseName());

TEST(Keyboard, AMaximumLengthLimitsTypingButNotTheProgramsText) {
    ScopedSimulatedHost host;
    auto screen = createScreen<KeyboardScreen>();
    auto* edShort = screen->findChild<QLineEdit*>("edShort");
    edShort->setText("0123456789");
    EXPECT_EQ(edShort->text(), "0123456789");
    const QString huge(100000, QLatin1Char('7')); // beyond the toolkit's own ceiling
    edShort->setText(huge);
    EXPECT_EQ(edShort->text(), huge);
    edShort->clear();
    ScriptedCashier cashier;
    cashier.focusOn("edShort")
        .expectFocus("edShort")
        .type("abcdef")
        .expectText("edShort", "abc")
        .check("select one", [&] { edShort->setSelection(0, 1); })
        .type("Z")
        .expectText("edShort", "Zbc")
        .check("caret at the end", [&] { edShort->end(false); })
        .backspace()
        .type("xy")
        .expectText("edShort", "Zbx")
        .escape();
    EXPECT_EQ(cashier.run(*screen), 2);
}

// Keys that type no character (Delete, Home) are the field's own, also in
// fields that take only some characters.
struct EditKeyCase {
    const char* name;
    bool amountScreen; // the amount of a transaction screen, else a query screen
    const char* field;
    std::string typed;
    std::string shown; // after Home and Delete
};

const EditKeyCase kEditKeyCases[] = {
    {"digits field", false, "edTipoEntrada", "12", "2"},
    {"field of any key", false, "edShort", "ab", "b"},
    {"amount", true, "edValor", "1234", "2,34"},
};

class EditKeys : public testing::TestWithParam<EditKeyCase> {};

TEST_P(EditKeys, ReachTheFieldWhateverItFilters) {
    const EditKeyCase& c = GetParam();
    ScopedSimulatedHost host;
    std::unique_ptr<QDialog> screen;
    if (c.amountScreen) {
        screen = createScreen<TFrmCnc_Trn>();
    } else {
        screen = createScreen<KeyboardScreen>();
    }
    ScriptedCashier cashier;
    cashier.focusOn(c.field)
        .expectFocus(c.field)
        .type(c.typed)
        .press({Qt::Key_Home, Qt::NoModifier, ""})
        .press({Qt::Key_Delete, Qt::NoModifier, "\x7f"}) // the text X11 gives the key
        .expectText(c.field, c.shown)
        .escape();
    EXPECT_EQ(cashier.run(*screen), 2);
}

INSTANTIATE_TEST_SUITE_P(Keyboard, EditKeys, testing::ValuesIn(kEditKeyCases), CaseName());

// --- What the cashier sees -------------------------------------------------------------

QWidget* focusFrame(QWidget& screen) { return screen.findChild<QWidget*>("focusCue"); }

TEST(Keyboard, TheFocusedControlIsFramedWhereverTheFocusCameFrom) {
    ScopedSimulatedHost host;
    auto screen = createScreen<KeyboardScreen>();
    auto framing = [&](const char* name) {
        return [&screen, name] {
            QWidget* frame = focusFrame(*screen);
            QWidget* control = screen->findChild<QWidget*>(name);
            ASSERT_NE(frame, nullptr);
            ASSERT_TRUE(frame->isVisible()) << name;
            EXPECT_TRUE(frame->geometry().contains(control->geometry())) << name;
            EXPECT_EQ(frame->parentWidget(), control->parentWidget()) << name;
        };
    };
    ScriptedCashier cashier;
    cashier.expectFocus("edTipoEntrada")
        .check("framed on opening", framing("edTipoEntrada"))
        .type("1")
        .enter()
        .expectFocus("cbHost")
        .check("a list reached by Enter", framing("cbHost"))
        .enter()
        .enter()
        .enter()
        .expectFocus("btConfirma")
        .check("a button reached by Enter", framing("btConfirma"))
        .check("a disabled screen shows none",
               [&] {
                   screen->setEnabled(false);
                   EXPECT_FALSE(focusFrame(*screen)->isVisible());
                   screen->setEnabled(true);
               })
        .escape();
    EXPECT_EQ(cashier.run(*screen), 2);
}

double luminance(const QColor& c) {
    auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

double contrast(const QColor& a, const QColor& b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

class EveryScreen : public testing::TestWithParam<ScreenClass> {};

TEST_P(EveryScreen, ShowsLockedValuesReadablyAndLaysItsRowsOutInTabOrder) {
    ScopedSimulatedHost host;
    host->set(field::Amount, "1500"); // a locked amount where the screen has one
    std::unique_ptr<QDialog> dialog = GetParam().create();
    auto* screen = dynamic_cast<TFrmMod*>(dialog.get());
    ASSERT_NE(screen, nullptr);
    screen->show();
    QCoreApplication::processEvents();

    for (auto* field : screen->findChildren<QWidget*>()) {
        if (field->isEnabled() || !field->isVisible()) continue;
        if (qobject_cast<QLineEdit*>(field) != nullptr) {
            const QPalette& p = field->palette();
            EXPECT_GE(
                contrast(p.color(QPalette::Disabled, QPalette::Text), p.color(QPalette::Disabled, QPalette::Base)), 4.5)
                << field->objectName().toStdString();
        }
    }

    // Enter moves forward on the screen: down a column, or on to the next
    // column to the right.
    QWidget* previous = nullptr;
    for (QWidget* control : screen->tabSequence()) {
        if (!control->isVisible() || control->parentWidget() == nullptr) continue;
        if (previous != nullptr) {
            const QRect was(previous->mapTo(screen, QPoint()), previous->size());
            const QRect is(control->mapTo(screen, QPoint()), control->size());
            EXPECT_TRUE(is.top() >= was.bottom() - 2 || is.left() >= was.right() - 2)
                << previous->objectName().toStdString() << " " << was.x() << "," << was.y() << " then "
                << control->objectName().toStdString() << " " << is.x() << "," << is.y();
        }
        previous = control;
    }
    screen->hide();
}

TEST_P(EveryScreen, GivesEachControlOneTurnInTheTabOrder) {
    ScopedSimulatedHost host;
    const std::unique_ptr<QDialog> dialog = GetParam().create();
    const auto& sequence = dynamic_cast<TFrmMod&>(*dialog).tabSequence();
    for (auto it = sequence.begin(); it != sequence.end(); ++it) {
        EXPECT_EQ(std::find(sequence.begin(), it, *it), it) << (*it)->objectName().toStdString() << " twice";
    }
}

INSTANTIATE_TEST_SUITE_P(Keyboard, EveryScreen, testing::ValuesIn(screenClasses()),
                         [](const auto& info) { return std::string(info.param.className); });

// --- VKS.INI --------------------------------------------------------------------------------

struct IniCase {
    const char* name;
    const char* text;
    std::optional<QString> value;
};

const IniCase kIniCases[] = {
    {"as written", "[OPERACAO]\nTrataOcorrencia=SIM\n", QString("SIM")},
    {"names in other cases", "[Operacao]\ntrataocorrencia=Sim\n", QString("Sim")},
    {"blanks round names and value", "  [ operacao ]  \n  TRATAOCORRENCIA  =  sim  \n", QString("sim")},
    {"quoted value", "[OPERACAO]\nTrataOcorrencia=\"SIM\"\n", QString("SIM")},
    {"the first one wins", "[OPERACAO]\nTrataOcorrencia=SIM\nTrataOcorrencia=NAO\n", QString("SIM")},
    {"another section's key", "[OUTRA]\nTrataOcorrencia=SIM\n[OPERACAO]\n", std::nullopt},
    {"a comment", "[OPERACAO]\n;TrataOcorrencia=SIM\n", std::nullopt},
    {"empty value", "[OPERACAO]\nTrataOcorrencia=\n", QString("")},
};

class IniNames : public testing::TestWithParam<IniCase> {};

TEST_P(IniNames, AreFoundInAnyLetterCase) {
    QTemporaryDir dir;
    const QString path = dir.filePath("VKS.INI");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(GetParam().text);
    file.close();
    EXPECT_EQ(readIniValue(path, "OPERACAO", "TrataOcorrencia"), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Keyboard, IniNames, testing::ValuesIn(kIniCases), CaseName());

TEST(Keyboard, AMissingIniFileHasNoValue) {
    EXPECT_EQ(readIniValue(QDir::temp().filePath("no-such-dir/VKS.INI"), "OPERACAO", "TrataOcorrencia"), std::nullopt);
}

} // namespace
