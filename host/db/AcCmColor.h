// AcCmColor: a colour as layers and entities carry it: by layer, by block, an ACI index 1..255
// or a true (RGB) colour.
#pragma once

#include "host/db/AcCmEntityColor.h"
#include "host/rx/AcadErrorStatus.h"
#include "host/rx/adesk.h"

class AcCmColor {
 public:
  AcCmColor() = default;
  explicit AcCmColor(const AcCmEntityColor& color) : color_(color) {}

  AcCmEntityColor::ColorMethod colorMethod() const { return color_.colorMethod(); }
  Acad::ErrorStatus setColorMethod(AcCmEntityColor::ColorMethod method) {
    color_.setColorMethod(method);
    return Acad::eOk;
  }
  bool isByLayer() const { return color_.isByLayer(); }
  bool isByBlock() const { return color_.isByBlock(); }
  bool isByACI() const { return color_.isByACI(); }
  bool isByColor() const { return color_.isByColor(); }
  bool isNone() const { return color_.isNone(); }
  bool isForeground() const { return color_.colorMethod() == AcCmEntityColor::kForeground; }
  Acad::ErrorStatus setByLayer() { return setColorMethod(AcCmEntityColor::kByLayer); }
  Acad::ErrorStatus setByBlock() { return setColorMethod(AcCmEntityColor::kByBlock); }

  // 0 by block, 256 by layer, 1..255; eInvalidInput otherwise.
  Acad::ErrorStatus setColorIndex(Adesk::UInt16 index) {
    if (index > 257) return Acad::eInvalidInput;
    color_.setColorIndex(static_cast<Adesk::Int16>(index));
    return Acad::eOk;
  }
  Adesk::UInt16 colorIndex() const { return static_cast<Adesk::UInt16>(color_.colorIndex()); }
  Acad::ErrorStatus setRGB(Adesk::UInt8 red, Adesk::UInt8 green, Adesk::UInt8 blue) {
    color_.setRGB(red, green, blue);
    return Acad::eOk;
  }
  Adesk::UInt8 red() const { return color_.red(); }
  Adesk::UInt8 green() const { return color_.green(); }
  Adesk::UInt8 blue() const { return color_.blue(); }

  const AcCmEntityColor& entityColor() const { return color_; }

  bool operator==(const AcCmColor& o) const { return color_ == o.color_; }
  bool operator!=(const AcCmColor& o) const { return !(*this == o); }

 private:
  AcCmEntityColor color_;
};
