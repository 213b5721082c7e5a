// AcDbMatchProperties: the protocol extension through which MATCHPROP copies properties from
// one entity to another; applications attach one to their entity classes (addX).
#pragma once

#include "host/rx/AcRxObject.h"

class AcDbEntity;

class AcDbMatchProperties : public AcRxObject {
 public:
  ACRX_DECLARE_MEMBERS(AcDbMatchProperties);

  // Which properties to copy.
  enum Flags {
    kColorFlag = 0x1,
    kLayerFlag = 0x2,
    kLtypeFlag = 0x4,
    kThicknessFlag = 0x8,
    kLtscaleFlag = 0x10,
    kTextFlag = 0x20,
    kDimensionFlag = 0x40,
    kHatchFlag = 0x80,
    kLweightFlag = 0x100,
    kPlotstylenameFlag = 0x200,
    kPolylineFlag = 0x400,
    kViewportFlag = 0x800,
    kTableFlag = 0x1000,
    kMaterialFlag = 0x2000,
    kShadowDisplayFlag = 0x4000,
    kMultileaderFlag = 0x8000,
    kSetAllFlagsProps = 0xFFFF,
  };

  virtual void copyProperties(AcDbEntity* pSrcEntity, AcDbEntity* pTrgEntity, unsigned int flag) const = 0;
};
