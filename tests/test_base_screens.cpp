// The base screens: creation and destruction, the confirm flow's order and
// stops, the keyboard (Enter, mnemonics, Escape, the amount field), the
// self-confirming timer and the cancellation screen's date and NSU.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

#include <QApplication>
#include <QDate>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>

#include "TestData.h"
#include "core/ModuleState.h"
#include "screens/base/TFrmCnc_Trn.h"
#include "screens/base/TFrmTrn_Mod.h"
#include "screens/base/TFrmVKS_Adc.h"
#include "screens/base/TFrmVKS_TrnMod.h"
#include "ui/Pictures.h"

namespace {

std::string fieldOr(const SimulatedHost& host, FieldId field) { return host.has(field) ? host.get(field) : "<unset>"; }

int writesOf(const SimulatedHost& host, FieldId field) {
    int n = 0;
    for (const auto& write : host.writes()) n += write.field == field ? 1 : 0;
    return n;
}

// --- Creation -------------------------------------------------------------------

TEST(BaseScreen, CreationAndDestructionAreAuditedAndTheVersionIsShown) {
    ScopedSimulatedHost host;
    {
        auto screen = createScreen<TFrmTrn_Mod>();
        EXPECT_EQ(screen->objectName(), "FrmTrn_Mod");
        EXPECT_EQ(screen->findChild<QLabel*>("lbVersao")->text(), "VKS - v2.1.0.7");
        EXPECT_EQ(applicationTitle(), "VKS - v2.1.0.7");
        EXPECT_EQ(state().versaoDoModulo, "2.1.0.7");
        EXPECT_EQ(screen->width(), 623);
        EXPECT_EQ(screen->height(), 423);
        EXPECT_TRUE(screen->windowFlags() & Qt::FramelessWindowHint);
        EXPECT_TRUE(screen->windowFlags() & Qt::WindowStaysOnTopHint);
    }
    EXPECT_EQ(host->auditLog(), (std::vector<std::string>{"Criou: FrmTrn_Mod", "Destruiu: FrmTrn_Mod"}));
}

// The pictures are prepared once, at the size shown, for every screen, and
// look exactly as when each label scaled the originals on its first paint.
TEST(BaseScreen, PicturesAreSharedAndLookAsScaledByTheirLabels) {
    ScopedSimulatedHost host;
    auto first = createScreen<TFrmTrn_Mod>();
    auto second = createScreen<TFrmTrn_Mod>();
    for (const QString name : {"ImgFundo", "Image1", "ImageLogo"}) {
        auto* shown = first->findChild<QLabel*>(name);
        ASSERT_NE(shown, nullptr) << name.toStdString();
        EXPECT_FALSE(shown->hasScaledContents()) << name.toStdString();
        EXPECT_EQ(shown->pixmap().deviceIndependentSize().toSize(), shown->size()) << name.toStdString();
        EXPECT_EQ(shown->pixmap().cacheKey(), second->findChild<QLabel*>(name)->pixmap().cacheKey())
            << name.toStdString();

        QLabel scaledByLabel;
        scaledByLabel.setPixmap(name == "ImageLogo" ? ui::logoPicture() : ui::backgroundPicture());
        scaledByLabel.setScaledContents(true);
        scaledByLabel.resize(shown->size());
        const auto pixels = [](QWidget& label) {
            return label.grab().toImage().convertToFormat(QImage::Format_ARGB32);
        };
        EXPECT_EQ(pixels(*shown), pixels(scaledByLabel)) << name.toStdString();
    }
    // The background covers the whole screen, so what lies under it is not
    // painted; the screen looks the same as when it is.
    const QImage screen = first->grab().toImage();
    for (const char* name : {"ImgFundo", "Image1"}) {
        first->findChild<QLabel*>(name)->setAttribute(Qt::WA_OpaquePaintEvent, false);
    }
    EXPECT_EQ(first->grab().toImage(), screen);
}

// Every screen and its controls hold one palette: with a palette of each
// screen's own, the style drew and cached its controls anew for every screen
// and memory grew with every transaction.
TEST(BaseScreen, ScreensShareOnePaletteWithLockedValuesReadable) {
    ScopedSimulatedHost host;
    auto first = createScreen<TFrmTrn_Mod>();
    auto second = createScreen<TFrmTrn_Mod>();
    first->ensurePolished();
    second->ensurePolished();
    EXPECT_EQ(first->palette().cacheKey(), second->palette().cacheKey());
    EXPECT_EQ(first->findChild<QLineEdit*>("edValor")->palette().cacheKey(), first->palette().cacheKey());
    EXPECT_EQ(second->findChild<QLineEdit*>("edValor")->palette().color(QPalette::Disabled, QPalette::Text),
              QColor(0x30, 0x30, 0x30));
}

// The message boxes carry the same title as the screen, however long the
// version the host reports.
class BuildVersion : public testing::TestWithParam<std::string> {};

TEST_P(BuildVersion, GivesTheScreenAndTheMessageBoxesTheWholeTitle) {
    ScopedSimulatedHost host;
    host->setBuildVersion(GetParam());
    auto screen = createScreen<TFrmTrn_Mod>();
    const std::string title = "VKS - v" + GetParam();
    EXPECT_EQ(screen->findChild<QLabel*>("lbVersao")->text().toStdString(), title);
    EXPECT_EQ(applicationTitle(), title);
}

INSTANTIATE_TEST_SUITE_P(BaseScreen, BuildVersion,
                         testing::Values(std::string(), std::string("2.1.0.7"), std::string(200, '9')));

TEST(BaseScreen, ShowingFocusesTheFirstControlAndEmptiesTheMessageLine) {
    ScopedSimulatedHost host;
    auto screen = createScreen<TFrmTrn_Mod>();
    ScriptedCashier cashier;
    cashier.expectFocus("edValor")
        .check("hint of the amount",
               [&] { EXPECT_EQ(SimulatedHost::messageIdOf(*cashier::controlText("lbMensagem")), 26); })
        .expectVisible("btConfirma", true)
        .expectText("btConfirma", "Mensagem 553")
        .expectText("lbValor", "Mensagem 546")
        .escape();
    EXPECT_EQ(cashier.run(*screen), 2);
    EXPECT_GE(host->callCount("ColocaJanelaEmPrimeiroPlano"), 1);
}

// --- The confirm flow ---------------------------------------------------------------

struct FlowCase {
    const char* name;
    std::vector<std::pair<FieldId, std::string>> fields;
    bool serviceX;
    int receiptCopies;
};

const FlowCase kFlowCases[] = {
    {"switches absent", {}, false, 0},
    {"service X asked", {{field::ConfirmationSwitch, "0"}, {field::ServiceXSwitch, "1"}}, true, 0},
    {"service X off", {{field::ConfirmationSwitch, "0"}, {field::ServiceXSwitch, "0"}}, false, 0},
    {"confirmation switch set", {{field::ConfirmationSwitch, "1"}, {field::ServiceXSwitch, "3"}}, false, 0},
    {"confirmation switch not a number", {{field::ConfirmationSwitch, "x"}, {field::ServiceXSwitch, "3"}}, false, 0},
    {"receipt copies", {{field::ReceiptCopies, "2"}}, false, 1},
    {"everything",
     {{field::ConfirmationSwitch, "0"}, {field::ServiceXSwitch, "9"}, {field::ReceiptCopies, "1"}},
     true,
     1},
};

class ConfirmFlow : public testing::TestWithParam<FlowCase> {};

TEST_P(ConfirmFlow, RunsItsStepsInOrderAndHandsBackOnce) {
    const FlowCase& c = GetParam();
    ScopedSimulatedHost host;
    host->set(field::Amount, "1500");
    host->set(field::ServiceXData, "  dados  ");
    for (const auto& [field, value] : c.fields) host->set(field, value);
    auto screen = createScreen<TFrmTrn_Mod>();
    ScriptedCashier cashier;
    cashier.expectFocus("btConfirma").enter();
    EXPECT_EQ(cashier.run(*screen), 1);

    EXPECT_EQ(host->get(field::Amount), "1500");
    ASSERT_EQ(host->authorizations().size(), 1u);
    EXPECT_EQ(host->authorizations()[0].mode, 0);
    EXPECT_EQ(host->handBackCount(), 1);
    EXPECT_EQ(static_cast<int>(host->receiptCopies().size()), c.receiptCopies);
    if (c.receiptCopies > 0) {
        EXPECT_EQ(host->receiptCopies()[0], 1);
    }
    EXPECT_EQ(host->has(field::ServiceXRequest), c.serviceX);
    if (c.serviceX) {
        EXPECT_EQ(host->get(field::ServiceXRequest), "dados");
    }

    const int write = host->callIndex("GravaCampoString");
    const int authorize = host->callIndex("AutorizaTransacao");
    const int handBack = host->callIndex("KovarGravaArquivo");
    EXPECT_LT(write, authorize);
    EXPECT_LT(authorize, handBack);
    if (c.serviceX) {
        EXPECT_LT(host->callIndex("KovarLeCampoMaxLen"), handBack);
    }
    if (c.receiptCopies > 0) {
        EXPECT_LT(host->callIndex("KovarSetaViasCupomModulo"), handBack);
    }
}

INSTANTIATE_TEST_SUITE_P(BaseScreen, ConfirmFlow, testing::ValuesIn(kFlowCases), CaseName());

// What the cashier sees while the host holds the screen during the request:
// each paint of a watched control, with its text and whether it was enabled.
class PaintLog final : public QObject {
public:
    explicit PaintLog(const std::vector<QWidget*>& watched) {
        for (QWidget* widget : watched) widget->installEventFilter(this);
    }
    std::vector<std::pair<QString, bool>> painted;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            auto* widget = static_cast<QWidget*>(watched);
            const auto* label = qobject_cast<QLabel*>(widget);
            painted.emplace_back(label != nullptr ? label->text() : widget->objectName(), widget->isEnabled());
        }
        return false;
    }
};

// The buttons are shown locked and the host's progress is shown while the
// host holds the event loop; the other controls keep their look and the
// focus stays where it was (no exit handler runs).
TEST(BaseScreen, WhileAuthorizingTheButtonsShowLockedAndTheHostsProgressAtOnce) {
    ScopedSimulatedHost host;
    host->set(field::Amount, "1500");
    auto screen = createScreen<TFrmTrn_Mod>();
    auto* line = screen->findChild<QLabel*>("lbMensagem");
    auto* confirm = screen->findChild<QWidget*>("btConfirma");
    auto* amount = screen->findChild<QWidget*>("edValor");
    ScriptedCashier cashier;
    std::optional<PaintLog> log;
    cashier.expectFocus("btConfirma").check("watch the paints", [&] {
        log.emplace(std::vector<QWidget*>{line, confirm, amount});
    });
    cashier.enter();
    EXPECT_EQ(cashier.run(*screen), 1);
    ASSERT_TRUE(log.has_value());
    const auto painted = [&](const QString& what) {
        return std::find_if(log->painted.begin(), log->painted.end(), [&](const auto& p) { return p.first == what; }) !=
               log->painted.end();
    };
    EXPECT_NE(std::find(log->painted.begin(), log->painted.end(), std::pair(QString("btConfirma"), false)),
              log->painted.end());
    EXPECT_TRUE(painted("Enviando solicitação..."));
    EXPECT_FALSE(painted("edValor")) << "the controls keep their look: nothing else is repainted";
}

// Between the writes and the host's first progress text the screen is
// locked: the focus moves into no control, so no entry hint or handler runs
// and the message line keeps what it showed.
struct LockedFocusCase {
    const char* name;
    bool confirmFromField; // Alt+1 in the amount, else Enter on the confirm button
};

class LockedWhileAuthorizing : public testing::TestWithParam<LockedFocusCase> {};

TEST_P(LockedWhileAuthorizing, TheFocusMovesNowhereAndTheMessageLineKeepsItsText) {
    ScopedSimulatedHost host;
    auto screen = createScreen<TFrmTrn_Mod>();
    auto* line = screen->findChild<QLabel*>("lbMensagem");
    QStringList focusedAfterConfirm;
    QString lineWhenAuthorizing;
    QString lineBeforeConfirm;
    QWidget* focusBeforeConfirm = nullptr;
    host->setAuthorizeHook([&](const sim::AuthorizationRecord&) {
        lineWhenAuthorizing = line->text();
        QWidget* now = QApplication::focusWidget();
        EXPECT_TRUE(now == nullptr || now == focusBeforeConfirm) << qPrintable(now->objectName());
    });
    ScriptedCashier cashier;
    cashier.expectFocus("edValor").type("15");
    if (!GetParam().confirmFromField) cashier.enter().expectFocus("btConfirma");
    cashier.check("watch the focus", [&] {
        lineBeforeConfirm = line->text();
        focusBeforeConfirm = QApplication::focusWidget();
        QObject::connect(qApp, &QApplication::focusChanged, screen.get(), [&](QWidget*, QWidget* now) {
            focusedAfterConfirm << (now == nullptr ? QStringLiteral("(none)") : now->objectName());
        });
    });
    if (GetParam().confirmFromField) {
        cashier.alt('1');
    } else {
        cashier.enter();
    }
    EXPECT_EQ(cashier.run(*screen), 1);
    ASSERT_EQ(host->authorizations().size(), 1u);
    EXPECT_EQ(lineWhenAuthorizing, lineBeforeConfirm);
    for (const QString& focused : focusedAfterConfirm) {
        EXPECT_FALSE(focused.startsWith(QLatin1String("ed"))) << qPrintable(focused);
    }
}

const LockedFocusCase kLockedFocusCases[] = {{"enter_on_confirm", false}, {"alt_1_in_a_field", true}};
INSTANTIATE_TEST_SUITE_P(BaseScreen, LockedWhileAuthorizing, testing::ValuesIn(kLockedFocusCases), CaseName());

// While the screen sends its request, or waits for the host after a failed
// transfer, no key reaches it, though its controls look the same.
TEST(BaseScreen, ALockedScreenTakesNoInput) {
    ScopedSimulatedHost host;
    host->set(field::ConfirmationSwitch, "0");
    host->set(field::ServiceXSwitch, "1");
    host->refuseWrite(field::ServiceXRequest, 0);
    auto screen = createScreen<TFrmTrn_Mod>();
    auto* amount = screen->findChild<QLineEdit*>("edValor");
    ScriptedCashier cashier;
    QString amountShown;
    cashier.expectFocus("edValor")
        .type("15")
        .enter()
        .expectFocus("btConfirma")
        .enter()
        .expectEnabled("btRetorna", false)
        .check("the controls keep their look",
               [&] {
                   EXPECT_TRUE(amount->isEnabled());
                   amountShown = amount->text();
               })
        .press(cashier::KeyStroke::backtab())
        .type("9")
        .escape()
        .pause(50ms)
        .check("the keys were refused", [&] {
            EXPECT_EQ(amount->text(), amountShown);
            EXPECT_EQ(cashier::screenName(), "FrmTrn_Mod");
            cashier::closeAll();
        });
    EXPECT_EQ(cashier.run(*screen), 2);
}

TEST(BaseScreen, AFailedServiceXTransferLeavesTheScreenDisabledWithoutHandBack) {
    ScopedSimulatedHost host;
    host->set(field::Amount, "1500");
    host->set(field::ConfirmationSwitch, "0");
    host->set(field::ServiceXSwitch, "1");
    host->refuseWrite(field::ServiceXRequest, 0);
    auto screen = createScreen<TFrmTrn_Mod>();
    ScriptedCashier cashier;
    cashier.expectFocus("btConfirma")
        .enter()
        .expectEnabled("btRetorna", false)
        .escape()
        .pause(50ms)
        .check("still open, nothing handed back", [&] {
            EXPECT_EQ(cashier::screenName(), "FrmTrn_Mod");
            EXPECT_EQ(host->handBackCount(), 0);
            EXPECT_EQ(host->errorIds(), std::vector<int>{1591});
            cashier::closeAll();
        });
    EXPECT_EQ(cashier.run(*screen), 2);
    EXPECT_EQ(host->callCount("KovarSetaViasCupomModulo"), 0);
}

TEST(BaseScreen, AFailedValidationStopsBeforeAnyWrite) {
    ScopedSimulatedHost host;
    auto screen = createScreen<TFrmTrn_Mod>();
    ScriptedCashier cashier;
    cashier.expectFocus("edValor")
        .alt('1')
        .dismissMessage(26)
        .expectFocus("edValor")
        .type("0")
        .expectText("edValor", "0,00")
        .alt('1')
        .dismissMessage(790)
        .expectFocus("edValor")
        .expectText("edValor", "")
        .alt('9');
    EXPECT_EQ(cashier.run(*screen), 2);
    EXPECT_EQ(host->callCount("GravaCampoString"), 0);
    EXPECT_EQ(host->callCount("AutorizaTransacao"), 0);
    EXPECT_EQ(host->handBackCount(), 0); // the runner hands a cancelled screen back, not the screen
}

TEST(BaseScreen, ARefusedWriteStopsBeforeAuthorization) {
    ScopedSimulatedHost host;
    host->set(field::Amount, "1500");
    host->refuseWrite(field::Amount, 0);
    auto screen = createScreen<TFrmTrn_Mod>();
    ScriptedCashier cashier;
    cashier.expectFocus("btConfirma").enter().expectNoMessage().expectEnabled("btConfirma", true).alt('9');
    EXPECT_EQ(cashier.run(*screen), 2);
    EXPECT_EQ(host->callCount("AutorizaTransacao"), 0);
    EXPECT_EQ(host->handBackCount(), 0);
}

// --- The keyboard --------------------------------------------------------------------

TEST(BaseScreen, TheFirstKeyAfterAFailedConfirmDoesNotMoveTheFocus) {
    ScopedSimulatedHost host;
    auto screen = createScreen<TFrmTrn_Mod>();
    ScriptedCashier cashier;
    cashier.expectFocus("edValor")
        .alt('1')
        .dismissMessage(26)
        .enter()
        .pause(50ms)
        .expectFocus("edValor")
        .type("5")
        .enter()
        .expectFocus("btConfirma")
        .enter();
    EXPECT_EQ(cashier.run(*screen), 1);
    EXPECT_EQ(host->get(field::Amount), "005");
}

TEST(BaseScreen, EnterMovesToTheNextControlAndPressesAButton) {
    ScopedSimulatedHost host;
    auto screen = createScreen<TFrmTrn_Mod>();
    ScriptedCashier cashier;
    cashier.expectFocus("edValor")
        .type("12")
        .enter()
        .expectFocus("btConfirma")
        .check("hint of the confirm button",
               [] { EXPECT_EQ(SimulatedHost::messageIdOf(*cashier::controlText("lbMensagem")), 46); })
        .tab()
        .expectFocus("btRetorna")
        .enter();
    EXPECT_EQ(cashier.run(*screen), 2);
}

struct KeyCase {
    const char* name;
    std::string typed;
    std::vector<cashier::KeyStroke> keys; // pressed after typing
    int result;                           // -1: still open (then cancelled by the test)
};

const KeyCase kButtonKeys[] = {
    {"plain 1 on a button confirms", "5", {cashier::KeyStroke::enter(), cashier::KeyStroke::character("1")}, 1},
    {"plain 9 on a button cancels", "5", {cashier::KeyStroke::enter(), cashier::KeyStroke::character("9")}, 2},
    {"Alt+1 in a field confirms", "5", {cashier::KeyStroke::alt('1')}, 1},
    {"Alt+9 in a field cancels", "5", {cashier::KeyStroke::alt('9')}, 2},
    {"Escape cancels", "5", {cashier::KeyStroke::escape()}, 2},
    {"plain 1 in a field types", "5", {cashier::KeyStroke::character("1")}, -1},
};

class ButtonKeys : public testing::TestWithParam<KeyCase> {};

TEST_P(ButtonKeys, PressTheirButton) {
    const KeyCase& c = GetParam();
    ScopedSimulatedHost host;
    auto screen = createScreen<TFrmTrn_Mod>();
    ScriptedCashier cashier;
    cashier.expectFocus("edValor").type(c.typed);
    for (const cashier::KeyStroke& key : c.keys) cashier.press(key);
    if (c.result == -1) cashier.expectText("edValor", "0,51").expectNoMessage().escape();
    EXPECT_EQ(cashier.run(*screen), c.result == -1 ? 2 : c.result);
    EXPECT_EQ(host->authorizations().size(), c.result == 1 ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(BaseScreen, ButtonKeys, testing::ValuesIn(kButtonKeys), CaseName());

struct AmountCase {
    std::string typed;
    std::string shown;
};

void PrintTo(const AmountCase& c, std::ostream* os) { *os << testing::PrintToString(c.typed) << " shows " << c.shown; }

class AmountKeys : public testing::TestWithParam<AmountCase> {};

TEST_P(AmountKeys, AreFilteredAndTheAmountIsReformattedAsTyped) {
    ScopedSimulatedHost host;
    auto screen = createScreen<TFrmTrn_Mod>();
    ScriptedCashier cashier;
    cashier.expectFocus("edValor").type(GetParam().typed).expectText("edValor", GetParam().shown).escape();
    EXPECT_EQ(cashier.run(*screen), 2);
}

INSTANTIATE_TEST_SUITE_P(BaseScreen, AmountKeys,
                         testing::Values(AmountCase{"1", "0,01"}, AmountCase{"1500", "15,00"},
                                         AmountCase{"1a-5", "0,15"}, AmountCase{"1,5", "0,15"},
                                         AmountCase{"1.5", "0,15"}, AmountCase{"150\b", "0,15"}, AmountCase{",", ""},
                                         AmountCase{"xyz", ""}));

TEST(BaseScreen, KeysPassThroughTheHostKeyboardRoutine) {
    ScopedSimulatedHost host;
    host->mapKey("a", "7"); // the host reads this key as a 7
    host->mapKey("5", "");  // and this one as nothing
    auto screen = createScreen<TFrmTrn_Mod>();
    ScriptedCashier cashier;
    cashier.expectFocus("edValor").type("a5a").expectText("edValor", "0,77").escape();
    EXPECT_EQ(cashier.run(*screen), 2);
}

TEST(BaseScreen, AnAmountFromTheHostIsShownFormattedAndLocked) {
    ScopedSimulatedHost host;
    host->set(field::Amount, "1.234,56");
    auto screen = createScreen<TFrmTrn_Mod>();
    ScriptedCashier cashier;
    cashier.expectFocus("btConfirma").expectText("edValor", "1234,56").expectEnabled("edValor", false).alt('1');
    EXPECT_EQ(cashier.run(*screen), 1);
    EXPECT_EQ(host->get(field::Amount), "123456");
}

// --- Self-confirming screens -----------------------------------------------------------

TEST(SelfConfirm, AScreenWithNothingToTypeConfirmsItselfOnce) {
    ScopedSimulatedHost host;
    host->set(field::Amount, "1500");
    auto screen = createScreen<TFrmVKS_TrnMod>();
    ScriptedCashier cashier; // no keys at all
    EXPECT_EQ(cashier.run(*screen), 1);
    EXPECT_EQ(host->authorizations().size(), 1u);
    EXPECT_EQ(host->handBackCount(), 1);
}

TEST(SelfConfirm, AScreenOpeningOnAnInputFieldWaits) {
    ScopedSimulatedHost host;
    auto screen = createScreen<TFrmVKS_TrnMod>();
    ScriptedCashier cashier;
    cashier.expectFocus("edValor").pause(100ms).check("not confirmed",
                                                 [&] { EXPECT_EQ(host->callCount("AutorizaTransacao"), 0); });
    cashier.escape();
    EXPECT_EQ(cashier.run(*screen), 2);
}

TEST(SelfConfirm, AQueryScreenStoresItsEntryTypeWithTwoDigits) {
    ScopedSimulatedHost host;
    auto screen = createScreen<TFrmVKS_Adc>();
    ScriptedCashier cashier;
    cashier.expectFocus("edTipoEntrada")
        .alt('1')
        .dismissMessage(823)
        .expectFocus("edTipoEntrada")
        .type("x5")
        .enter()
        .expectFocus("btConfirma")
        .enter();
    EXPECT_EQ(cashier.run(*screen), 1);
    EXPECT_EQ(host->get(field::QueryEntryType), "05");
    EXPECT_EQ(writesOf(*host, field::QueryEntryType), 1);
}

// --- The cancellation screen -------------------------------------------------------------

QString ddmmyyyy(const QDate& date) { return date.toString("ddMMyyyy"); }

struct DateCase {
    const char* name;
    int daysFromToday; // ignored when `fixed` is set
    const char* fixed;
    bool accepted;
};

const DateCase kDates[] = {
    {"today", 0, nullptr, true},     {"yesterday", -1, nullptr, true},
    {"tomorrow", 1, nullptr, false}, {"day 31 of a 30-day month", 0, "31042020", false},
    {"short", 0, "0512", false},     {"letters", 0, "ab12cdef", false},
};

class CancellationDate : public testing::TestWithParam<DateCase> {};

// Amount, date and NSU from the host: the screen confirms itself. A date it
// refuses is reported once, and then the screen waits for the cashier.
TEST_P(CancellationDate, IsCheckedWhenTheScreenConfirmsItself) {
    const DateCase& c = GetParam();
    ScopedSimulatedHost host;
    const std::string date =
        c.fixed != nullptr ? c.fixed : ddmmyyyy(QDate::currentDate().addDays(c.daysFromToday)).toStdString();
    host->set(field::Amount, "990");
    host->set(field::TransactionDate, date);
    host->set(field::Nsu, "123456");
    auto screen = createScreen<TFrmCnc_Trn>();
    ScriptedCashier cashier;
    if (!c.accepted) {
        cashier.dismissMessage(787).expectFocus("btConfirma").expectNoMessage(200ms).escape();
    }
    EXPECT_EQ(cashier.run(*screen), c.accepted ? 1 : 2);
    EXPECT_EQ(fieldOr(*host, field::TransactionDate), date);
    EXPECT_EQ(writesOf(*host, field::TransactionDate), c.accepted ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(BaseScreen, CancellationDate, testing::ValuesIn(kDates), CaseName());

TEST(CancellationScreen, TypedDateAndNsuAreCheckedAndStored) {
    ScopedSimulatedHost host;
    host->set(field::Amount, "990");
    auto screen = createScreen<TFrmCnc_Trn>();
    const QString tomorrow = QDate::currentDate().addDays(1).toString("ddMMyyyy");
    const QString today = QDate::currentDate().toString("ddMMyyyy");
    ScriptedCashier cashier;
    cashier.expectFocus("edDtTransacao")
        .check("hint of the date",
               [] { EXPECT_EQ(SimulatedHost::messageIdOf(*cashier::controlText("lbMensagem")), 37); })
        .type(tomorrow.toStdString())
        .enter()
        .expectFocus("edNumDocumento")
        .type("  ")
        .alt('1')
        .dismissMessage(787)
        .expectFocus("edDtTransacao")
        .expectText("edDtTransacao", "__/__/____")
        .type(today.toStdString())
        .alt('1')
        .dismissMessage(811)
        .expectFocus("edNumDocumento")
        .type("12a34")
        .expectText("edNumDocumento", "1234")
        .alt('1');
    EXPECT_EQ(cashier.run(*screen), 1);
    EXPECT_EQ(host->get(field::TransactionDate), today.toStdString());
    EXPECT_EQ(host->get(field::Nsu), "1234");
    EXPECT_EQ(host->get(field::Amount), "990");
}

} // namespace
