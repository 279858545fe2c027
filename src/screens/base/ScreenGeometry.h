#pragma once

#include <QRect>

// Where the parts of a screen stand, on the 623 by 423 screen.
namespace vks::geometry {

inline constexpr int kScreenWidth = 623;
inline constexpr int kScreenHeight = 423;

inline constexpr QRect kTitle{12, 8, 470, 30};
inline constexpr QRect kLogoPanel{491, 9, 120, 28};
inline constexpr QRect kCapturePanel{20, 58, 583, 252};
inline constexpr QRect kButtonPanel{20, 316, 583, 44};
inline constexpr QRect kMessageLine{20, 368, 583, 22};
inline constexpr QRect kVersion{303, 396, 300, 20};

// The cheque sale shows up to 28 controls at once: a taller panel.
inline constexpr QRect kChequeSaleCapturePanel{20, 42, 583, 272};
// The registration's two columns share a wider panel.
inline constexpr QRect kRegistrationCapturePanel{10, 50, 603, 264};

} // namespace vks::geometry
