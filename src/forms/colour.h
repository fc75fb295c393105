#pragma once

#include <cstdint>

namespace forms {

// A host colour value: low byte red, then green, then blue. With the top bit set, the low byte
// names a host system colour instead.
using Colour = std::uint32_t;

inline constexpr Colour kSystemColourFlag = 0x80000000;

struct Rgb {
  std::uint8_t red{};
  std::uint8_t green{};
  std::uint8_t blue{};
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

// Resolves system colours by the host's standard colour scheme; an unknown system colour
// raises Invalid property value.
Rgb ToRgb(Colour colour);

}  // namespace forms

namespace forms {

// The host system colours that the forms of this program use.
inline constexpr Colour kMenuText = 0x80000007;
inline constexpr Colour kWindowText = 0x80000008;
inline constexpr Colour kTitleBarText = 0x80000009;
inline constexpr Colour kButtonText = 0x80000012;

}  // namespace forms
