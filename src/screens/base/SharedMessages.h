#pragma once

#include "host/HostServices.h"

// Catalogue messages that several screens show, one name each.
namespace vks::msg {

inline constexpr MessageId kCpfHint = 11;              // the customer's CPF is asked for
inline constexpr MessageId kAmountHint = 26;           // the amount is asked for, or missing
inline constexpr MessageId kInvalidDate = 787;         // a date that is none
inline constexpr MessageId kInvalidOrMissing = 803;    // a value invalid or not given
inline constexpr MessageId kCouponMissing = 810;       // no fiscal coupon number
inline constexpr MessageId kOccurrenceNotChosen = 839; // no occurrence kind selected
inline constexpr MessageId kChequeNumberInvalid = 1025;

} // namespace vks::msg
