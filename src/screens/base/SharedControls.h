#pragma once

#include "screens/base/CaptureControls.h"

// The controls several screens declare alike, declared once.
namespace vks::controls {

// The customer's CPF, typed through its mask; `hint` differs by family.
constexpr Control cpf(MessageId hint) {
    return {.name = "edCPF",
            .label = "lbCPF",
            .design = "CPF:",
            .caption = 589,
            .hint = hint,
            .maxLength = 14,
            .keys = Keys::Digits,
            .mask = "999.999.999-99;0;_"};
}

// The card number read before the screen, shown and never typed.
inline constexpr Control kCardShown{.name = "edCartao", .label = "lbCartao", .design = "Cartão:", .maxLength = 16};

// The miles' value of a sale or an acquisition.
inline constexpr Control kMilesValue{.name = "edValorMilhas",
                                     .label = "lbValorMilhas",
                                     .design = "Valor das Milhas:",
                                     .caption = 765,
                                     .hint = 31,
                                     .maxLength = 12};

// The operator's registration number.
constexpr Control operatorId(const char* design, Keys keys) {
    return {.name = "edOperador",
            .label = "lbOperador",
            .design = design,
            .caption = 751,
            .hint = 109,
            .maxLength = 6,
            .keys = keys};
}

// The payment form, stepped through the host.
inline constexpr Control kPaymentForm{.name = "cbFPPagto",
                                      .label = "lbFPPagto",
                                      .design = "Forma de Pagamento:",
                                      .caption = 587,
                                      .hint = 15,
                                      .keys = Keys::ListSteps};

} // namespace vks::controls
