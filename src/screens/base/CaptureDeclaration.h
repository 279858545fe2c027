#pragma once

#include <vector>

class QWidget;

namespace vks {

// How a capture control starts out. The flags combine: an amount the host
// may supply starts hidden, for one.
enum class Start : unsigned {
    AsCreated = 0,
    Amount = 1U << 0,   // typed and shown as an amount (edValor is one already)
    Hidden = 1U << 1,   // with its label, until the host or the screen asks for it
    Disabled = 1U << 2, // until the host leaves it empty or the screen opens it
};

constexpr Start operator|(Start a, Start b) {
    return static_cast<Start>(static_cast<unsigned>(a) | static_cast<unsigned>(b));
}

// `start` has every flag of `flags`.
constexpr bool startsAs(Start start, Start flags) {
    return (static_cast<unsigned>(start) & static_cast<unsigned>(flags)) == static_cast<unsigned>(flags);
}

// One capture control in a screen's ordered declaration: the order of the
// entries is the tab order and the order of the controls on screen.
struct Captured {
    QWidget* control;
    Start start = Start::AsCreated;
};

using CaptureDeclaration = std::vector<Captured>;

// The declared controls in their order.
std::vector<QWidget*> controlsOf(const CaptureDeclaration& capture);

} // namespace vks
