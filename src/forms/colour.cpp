#include "forms/colour.h"

#include <array>

#include "forms/runtime_error.h"

namespace forms {
namespace {

// The standard scheme, indexed by system colour number, as colour values (low byte red):
// 7 menu text, 8 window text and 18 button text are black; 9 title bar text is white.
constexpr std::array<Colour, 25> kStandardScheme = {
    0xC0C0C0, 0x808000, 0x800000, 0x808080, 0xC0C0C0, 0xFFFFFF, 0x000000, 0x000000, 0x000000,
    0xFFFFFF, 0xC0C0C0, 0xC0C0C0, 0x808080, 0x800000, 0xFFFFFF, 0xC0C0C0, 0x808080, 0x808080,
    0x000000, 0xC0C0C0, 0xFFFFFF, 0x000000, 0xDFDFDF, 0x000000, 0xE1FFFF,
};

}  // namespace

Rgb ToRgb(Colour colour) {
  if ((colour & kSystemColourFlag) != 0) {
    const Colour index = colour & ~kSystemColourFlag;
    if (index >= kStandardScheme.size()) {
      throw errors::InvalidPropertyValue();
    }
    colour = kStandardScheme[index];
  }
  return {static_cast<std::uint8_t>(colour & 0xFF), static_cast<std::uint8_t>((colour >> 8) & 0xFF),
          static_cast<std::uint8_t>((colour >> 16) & 0xFF)};
}

}  // namespace forms
