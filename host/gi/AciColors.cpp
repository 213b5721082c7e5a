// The colour index table, computed from its hue, brightness and saturation rule.
#include "host/gi/AciColors.h"

#include <cmath>

namespace zhost {

namespace {

// Hue in degrees, saturation 0..1, value 0..255; channels truncated as the table has them.
Rgb FromHsv(double hue, double saturation, double value) {
  double c = value * saturation;
  double h = std::fmod(hue, 360.0) / 60.0;
  double x = c * (1 - std::fabs(std::fmod(h, 2.0) - 1));
  double r = 0, g = 0, b = 0;
  if (h < 1) r = c, g = x;
  else if (h < 2) r = x, g = c;
  else if (h < 3) g = c, b = x;
  else if (h < 4) g = x, b = c;
  else if (h < 5) r = x, b = c;
  else r = c, b = x;
  double m = value - c;
  Rgb out;
  out.r = static_cast<uint8_t>(r + m);
  out.g = static_cast<uint8_t>(g + m);
  out.b = static_cast<uint8_t>(b + m);
  return out;
}

Rgb Grey(uint8_t v) {
  Rgb out;
  out.r = out.g = out.b = v;
  return out;
}

}  // namespace

Rgb AciToRgb(int index, bool darkBackground) {
  static const uint8_t kNamed[10][3] = {{0, 0, 0},       {255, 0, 0},     {255, 255, 0}, {0, 255, 0},
                                        {0, 255, 255},   {0, 0, 255},     {255, 0, 255}, {255, 255, 255},
                                        {128, 128, 128}, {192, 192, 192}};
  static const uint8_t kGreys[6] = {51, 91, 132, 173, 214, 255};
  static const double kValues[5] = {255, 204, 153, 127, 76};
  if (index < 1 || index > 255 || index == 7) return darkBackground ? Grey(255) : Grey(0);
  if (index < 10) {
    Rgb out;
    out.r = kNamed[index][0];
    out.g = kNamed[index][1];
    out.b = kNamed[index][2];
    return out;
  }
  if (index >= 250) return Grey(kGreys[index - 250]);
  int hueStep = (index - 10) / 10, shade = (index - 10) % 10;
  return FromHsv(hueStep * 15.0, shade % 2 ? 0.5 : 1.0, kValues[shade / 2]);
}

}  // namespace zhost
