// AcDbEntity: an object with a place in the drawing and the common properties that
// MatchProperties copies (colour, layer, linetype, linetype scale, visibility).
#pragma once

#include <string>

#include "host/db/AcCmEntityColor.h"
#include "host/db/AcDbObject.h"
#include "host/rx/ads.h"

class AcDbEntity : public AcDbObject {
 public:
  ACRX_DECLARE_MEMBERS(AcDbEntity);

  AcDbEntity();
  ~AcDbEntity() override;

  const AcCmEntityColor& entityColor() const { return color_; }
  Acad::ErrorStatus setColor(const AcCmEntityColor& color, bool doSubents = true);
  Adesk::UInt16 colorIndex() const { return static_cast<Adesk::UInt16>(color_.colorIndex()); }
  // 0 (by block) .. 256 (by layer); eInvalidInput otherwise.
  Acad::ErrorStatus setColorIndex(Adesk::UInt16 color, bool doSubents = true);

  const ACHAR* layer() const { return layer_.c_str(); }
  Acad::ErrorStatus setLayer(const ACHAR* newVal, bool doSubents = true, bool allowHiddenLayer = false);
  const ACHAR* linetype() const { return linetype_.c_str(); }
  Acad::ErrorStatus setLinetype(const ACHAR* newVal, bool doSubents = true);
  double linetypeScale() const { return linetypeScale_; }
  // Positive values only.
  Acad::ErrorStatus setLinetypeScale(double newVal, bool doSubents = true);
  AcDb::Visibility visibility() const { return visibility_; }
  Acad::ErrorStatus setVisibility(AcDb::Visibility newVal, bool doSubents = true);

 private:
  AcCmEntityColor color_;
  std::wstring layer_ = L"0";
  std::wstring linetype_ = L"ByLayer";
  double linetypeScale_ = 1.0;
  AcDb::Visibility visibility_ = AcDb::kVisible;
};
