// The standard 256-colour index table as RGB: 1..9 the named colours and greys, 10..249 24 hues
// in 15 degree steps with five brightnesses each, full and half saturated, 250..255 greys.
// Colour 7 is the foreground: black on a light background, white on a dark one.
#pragma once

#include <cstdint>

namespace zhost {

struct Rgb {
  uint8_t r = 0, g = 0, b = 0;
};

// index outside 1..255 counts as 7.
Rgb AciToRgb(int index, bool darkBackground);

}  // namespace zhost
