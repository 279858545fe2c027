// libFuzzer target: one transaction per input (see FuzzInput.h), run in
// process on the offscreen platform against the simulated host. It aborts
// when an invariant breaks: the call must return, the composed request
// texts stay inside their buffers, and no whole card number reaches a
// screen, an audit line or an error report.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>

#include "FuzzInput.h"
#include "Simulator.h"
#include "cashier/Cashier.h"
#include "core/Characters.h"
#include "host/Fields.h"
#include "host/RequestLayouts.h"
#include "vks/vks.h"

namespace {

namespace cashier = vks::cashier;
using vks::fuzz::Input;

// Ticks of the driver's 1 ms timer: how long a screen gets for its own
// timers before the next key, and for Escape before it is closed outright.
constexpr int kSettleTicks = 3;
constexpr int kEscapeTicks = 200;

[[noreturn]] void broken(const std::string& what) {
    std::fprintf(stderr, "invariant broken: %s\n", what.c_str());
    std::fflush(stderr);
    std::abort();
}

// The card numbers of this transaction: the PIN pad's and those the host
// supplied in the card fields. A number that the input also put somewhere
// else (another field, the keys) may show there, so it is not watched.
std::vector<std::string> watchedCards(const Input& input) {
    std::vector<std::string> cards;
    const auto isCard = [](const std::string& text) {
        return text.size() >= 13 && text.size() <= 19 && text.find_first_not_of("0123456789") == std::string::npos;
    };
    if (input.cardStatus == 0 && isCard(input.cardNumber)) cards.push_back(input.cardNumber);
    for (const auto& value : input.fields)
        if ((value.field == vks::field::CardNumber || value.field == vks::field::OtherHolderCard) && isCard(value.text))
            cards.push_back(value.text);
    std::erase_if(cards, [&](const std::string& card) {
        if (input.keys.find(card) != std::string::npos) return true;
        for (const auto& value : input.fields) {
            const bool cardField = value.field == vks::field::CardNumber ||
                                   value.field == vks::field::OtherHolderCard ||
                                   value.field == vks::field::Identification;
            if (!cardField && value.text.find(card) != std::string::npos) return true;
        }
        return false;
    });
    return cards;
}

void checkText(const std::vector<std::string>& cards, const QString& shown, const char* where) {
    if (shown.isEmpty()) return;
    const std::string text = shown.toStdString();
    for (const std::string& card : cards)
        if (text.find(card) != std::string::npos) broken(std::string("a whole card number on ") + where);
}

// Every text the open windows show.
void checkWindows(const std::vector<std::string>& cards) {
    for (QWidget* widget : QApplication::allWidgets()) {
        if (!widget->isVisible()) continue;
        if (widget->isWindow()) checkText(cards, widget->windowTitle(), "a window title");
        if (auto* edit = qobject_cast<QLineEdit*>(widget)) checkText(cards, edit->displayText(), "an edit field");
        if (auto* label = qobject_cast<QLabel*>(widget)) checkText(cards, label->text(), "a label");
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) checkText(cards, button->text(), "a button");
        if (auto* combo = qobject_cast<QComboBox*>(widget))
            for (int i = 0; i < combo->count(); ++i) checkText(cards, combo->itemText(i), "a list");
        if (auto* view = qobject_cast<QAbstractItemView*>(widget); view != nullptr && view->model() != nullptr) {
            const QAbstractItemModel& model = *view->model();
            for (int row = 0; row < model.rowCount(); ++row)
                for (int column = 0; column < model.columnCount(); ++column)
                    checkText(cards, model.index(row, column).data().toString(), "a grid");
        }
    }
}

// Lengths given in characters: the query context and the service-X data
// are never longer, and never cut inside a character of what the host had.
void checkCharacterLengths(const vks::sim::Simulator& sim, const std::string& serviceXData) {
    using vks::characterCount;
    const std::pair<std::int32_t, std::size_t> limits[] = {{vks::field::QueryType, 2},
                                                           {vks::field::QueryOutput, 1},
                                                           {vks::field::QueryCode, 3},
                                                           {vks::field::ServiceXRequest, 2049}};
    for (const auto& write : sim.writes()) {
        if (!write.text) continue;
        for (const auto& [field, limit] : limits) {
            if (write.field == field && characterCount(*write.text) > limit)
                broken("field " + std::to_string(field) + " written with more than " + std::to_string(limit) +
                       " characters");
        }
        if (write.field != vks::field::ServiceXRequest || write.text->empty()) continue;
        // A trimmed run of the host's characters: it starts and ends where characters do.
        bool atBoundaries = false;
        for (std::size_t at = 0; at < serviceXData.size() && !atBoundaries;
             at += vks::characterBytes(serviceXData, at)) {
            if (serviceXData.compare(at, write.text->size(), *write.text) != 0) continue;
            const std::string_view rest = std::string_view(serviceXData).substr(at);
            atBoundaries = vks::characterPrefixBytes(rest, characterCount(*write.text)) == write.text->size();
        }
        if (!atBoundaries) broken("the service-X data was cut inside a character");
    }
}

template <std::size_t N>
void checkComposed(const char (&buffer)[N], const char* name) {
    if (std::memchr(buffer, 0, N) == nullptr) broken(std::string(name) + " is not terminated inside its buffer");
}

void configure(const Input& input) {
    vks::sim::Simulator& sim = vks::sim::simulator();
    sim.reset();
    std::string flags(21, '0');
    if (input.type >= 1) flags[std::size_t(input.type - 1)] = '1';
    sim.setField(vks::field::EnabledTransactions, 0, flags);
    for (const auto& value : input.fields) sim.setField(value.field, value.occurrence, value.text);
    sim.setCard(input.cardStatus, input.cardNumber);
    sim.setOperatorValid(input.operatorValid);
    sim.setAuthorizeResult(input.authorize);
}

cashier::KeyStroke keyOf(const std::string& keys, std::size_t& at) {
    const char c = keys[at++];
    switch (c) {
    case vks::fuzz::kEnter:
        return cashier::KeyStroke::enter();
    case vks::fuzz::kTab:
        return cashier::KeyStroke::tab();
    case vks::fuzz::kBacktab:
        return cashier::KeyStroke::backtab();
    case vks::fuzz::kBackspace:
        return cashier::KeyStroke::backspace();
    case vks::fuzz::kEscape:
        return cashier::KeyStroke::escape();
    case vks::fuzz::kUp:
        return cashier::KeyStroke::up();
    case vks::fuzz::kDown:
        return cashier::KeyStroke::down();
    case vks::fuzz::kAlt:
        return cashier::KeyStroke::alt(at < keys.size() ? keys[at++] : '1');
    default:
        // Bytes beyond ASCII stand for a printable character, never half of one.
        return cashier::KeyStroke::character(std::string(1, (c >= ' ' && c < 0x7f) ? c : char('0' + (c & 7))));
    }
}

// The cashier: acknowledges every message box, types the keys one per
// settled tick, then leaves with Escape; a screen that does not take it is
// closed.
class Cashier {
public:
    Cashier(const Input& input, const std::vector<std::string>& cards)
        : input_(input),
          cards_(cards) {
        timer_.setInterval(1);
        QObject::connect(&timer_, &QTimer::timeout, [this] { tick(); });
        timer_.start();
    }

private:
    void tick() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || !modal->isVisible()) return;
        checkWindows(cards_);
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            box->done(QMessageBox::Ok);
            return;
        }
        if (modal != screen_) {
            screen_ = modal;
            ticks_ = 0;
        }
        if (++ticks_ % kSettleTicks != 0) return;
        cashier::takeKeyboardFault();
        if (at_ < input_.keys.size()) {
            cashier::press(keyOf(input_.keys, at_));
        } else if (ticks_ < kEscapeTicks) {
            if (ticks_ % (kSettleTicks * 10) == 0) cashier::press(cashier::KeyStroke::escape());
        } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            dialog->done(2);
        }
    }

    const Input& input_;
    const std::vector<std::string>& cards_;
    QTimer timer_;
    QWidget* screen_ = nullptr;
    int ticks_ = 0;
    std::size_t at_ = 0;
};

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Never destroyed: libFuzzer ends the process with exit(), after the
    // toolkit's own globals are gone.
    new QApplication(*argc, *argv);
    Initialize();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Input input = vks::fuzz::decode(std::string_view(reinterpret_cast<const char*>(data), size));
    const std::vector<std::string> cards = watchedCards(input);
    configure(input);
    const std::string serviceXData = vks::sim::simulator().field(vks::field::ServiceXData);
    {
        Cashier cashier(input, cards);
        ExecutaGenerico(0, 0);
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    checkComposed(vks::pCodigoValorMilhas, "the miles code");
    checkComposed(vks::aValorFinanciado, "the financed amount");
    const vks::sim::Simulator& sim = vks::sim::simulator();
    for (const auto& request : sim.authorizations())
        if (request.entries.size() > VKS_LAYOUT_ENTRIES) broken("a request layout past its entries");
    for (const std::string& line : sim.auditLog()) checkText(cards, QString::fromStdString(line), "an audit line");
    for (const auto& error : sim.errors()) checkText(cards, QString::fromStdString(error.text), "an error report");
    checkCharacterLengths(sim, serviceXData);
    return 0;
}
