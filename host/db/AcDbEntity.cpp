// Entities and their common properties.
#include "host/db/AcDbEntity.h"

#include <cmath>

#include "host/rx/AcRxClass.h"

ZHOST_RX_HOST_MEMBERS(AcDbEntity, AcDbObject, nullptr)

AcDbEntity::AcDbEntity() = default;
AcDbEntity::~AcDbEntity() = default;

Acad::ErrorStatus AcDbEntity::setColor(const AcCmEntityColor& color, bool) {
  assertWriteEnabled();
  color_ = color;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbEntity::setColorIndex(Adesk::UInt16 color, bool) {
  if (color > 256) return Acad::eInvalidInput;
  assertWriteEnabled();
  color_.setColorIndex(static_cast<Adesk::Int16>(color));
  return Acad::eOk;
}

Acad::ErrorStatus AcDbEntity::setLayer(const ACHAR* newVal, bool, bool) {
  if (!newVal || !*newVal) return Acad::eInvalidInput;
  assertWriteEnabled();
  layer_ = newVal;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbEntity::setLinetype(const ACHAR* newVal, bool) {
  if (!newVal || !*newVal) return Acad::eInvalidInput;
  assertWriteEnabled();
  linetype_ = newVal;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbEntity::setLinetypeScale(double newVal, bool) {
  if (!(newVal > 0) || !std::isfinite(newVal)) return Acad::eInvalidInput;
  assertWriteEnabled();
  linetypeScale_ = newVal;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbEntity::setVisibility(AcDb::Visibility newVal, bool) {
  if (newVal != AcDb::kVisible && newVal != AcDb::kInvisible) return Acad::eInvalidInput;
  assertWriteEnabled();
  visibility_ = newVal;
  return Acad::eOk;
}
