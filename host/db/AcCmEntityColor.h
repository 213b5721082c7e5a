// AcCmEntityColor: an entity's colour as a method (by layer, by block, by ACI index, by RGB)
// and its value.
#pragma once

#include <cstdint>

#include "host/rx/adesk.h"

class AcCmEntityColor {
 public:
  enum ColorMethod {
    kByLayer = 0xC0,
    kByBlock = 0xC1,
    kByColor = 0xC2,
    kByACI = 0xC3,
    kByPen = 0xC4,
    kForeground = 0xC5,
    kLayerOff = 0xC6,
    kLayerFrozen = 0xC7,
    kNone = 0xC8,
  };
  // The ACI values of the logical colours.
  enum ACIcolorMethod { kACIbyBlock = 0, kACIRed = 1, kACIYellow = 2, kACIGreen = 3, kACICyan = 4,
                        kACIBlue = 5, kACIMagenta = 6, kACIforeground = 7, kACIbyLayer = 256,
                        kACIclear = 0, kACIstandard = 7, kACImaximum = 255, kACInone = 257,
                        kACIminimum = -255 };

  AcCmEntityColor() = default;
  explicit AcCmEntityColor(ColorMethod method) { setColorMethod(method); }
  AcCmEntityColor(Adesk::UInt8 red, Adesk::UInt8 green, Adesk::UInt8 blue) { setRGB(red, green, blue); }

  ColorMethod colorMethod() const { return method_; }
  void setColorMethod(ColorMethod method);

  // Sets an ACI index: 0 is by block, 256 by layer, 257 none, 1..255 a colour index.
  void setColorIndex(Adesk::Int16 index);
  // The ACI index: 256 by layer, 0 by block, 257 none; 7 for an RGB colour (no index).
  Adesk::Int16 colorIndex() const;

  void setRGB(Adesk::UInt8 red, Adesk::UInt8 green, Adesk::UInt8 blue);
  Adesk::UInt8 red() const { return static_cast<Adesk::UInt8>((rgb_ >> 16) & 0xFF); }
  Adesk::UInt8 green() const { return static_cast<Adesk::UInt8>((rgb_ >> 8) & 0xFF); }
  Adesk::UInt8 blue() const { return static_cast<Adesk::UInt8>(rgb_ & 0xFF); }

  bool isByLayer() const { return method_ == kByLayer; }
  bool isByBlock() const { return method_ == kByBlock; }
  bool isByACI() const { return method_ == kByACI; }
  bool isByColor() const { return method_ == kByColor; }
  bool isNone() const { return method_ == kNone; }

  bool operator==(const AcCmEntityColor& o) const { return method_ == o.method_ && value() == o.value(); }
  bool operator!=(const AcCmEntityColor& o) const { return !(*this == o); }

 private:
  uint32_t value() const { return method_ == kByColor ? rgb_ : (method_ == kByACI ? static_cast<uint32_t>(index_) : 0); }
  ColorMethod method_ = kByLayer;
  Adesk::Int16 index_ = 256;
  uint32_t rgb_ = 0;
};
