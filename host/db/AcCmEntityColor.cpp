// Entity colours.
#include "host/db/AcCmEntityColor.h"

void AcCmEntityColor::setColorMethod(ColorMethod method) {
  method_ = method;
  if (method == kByLayer) index_ = kACIbyLayer;
  if (method == kByBlock) index_ = kACIbyBlock;
  if (method == kNone) index_ = kACInone;
  if (method == kForeground) index_ = kACIforeground;
}

void AcCmEntityColor::setColorIndex(Adesk::Int16 index) {
  if (index == kACIbyLayer) return setColorMethod(kByLayer);
  if (index == kACIbyBlock) return setColorMethod(kByBlock);
  if (index == kACInone || index < 0 || index > 257) return setColorMethod(kNone);
  method_ = kByACI;
  index_ = index;
}

Adesk::Int16 AcCmEntityColor::colorIndex() const {
  switch (method_) {
    case kByLayer: return kACIbyLayer;
    case kByBlock: return kACIbyBlock;
    case kByACI: return index_;
    case kNone: return kACInone;
    default: return kACIforeground;
  }
}

void AcCmEntityColor::setRGB(Adesk::UInt8 red, Adesk::UInt8 green, Adesk::UInt8 blue) {
  method_ = kByColor;
  rgb_ = (uint32_t(red) << 16) | (uint32_t(green) << 8) | uint32_t(blue);
}
