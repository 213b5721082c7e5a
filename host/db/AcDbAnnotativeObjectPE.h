// AcDbAnnotativeObjectPE: the protocol extension that reads and sets whether an object is
// annotative. The host attaches one to AcDbEntity, so every entity class answers queryX for it.
#pragma once

#include "host/rx/AcRxObject.h"
#include "host/rx/AcadErrorStatus.h"

class AcDbObject;

class AcDbAnnotativeObjectPE : public AcRxObject {
 public:
  ACRX_DECLARE_MEMBERS(AcDbAnnotativeObjectPE);

  // The state is kept in the object's extended data of the application "AcadAnnotative", as
  // drawings carry it: [1001 "AcadAnnotative"][1000 "AnnotativeData"][1002 "{"][1070 1]
  // [1070 0|1][1002 "}"]. No record means not annotative.
  virtual bool annotative(AcDbObject* object) const;
  // The object must be open for write; the application is registered in its drawing when needed.
  virtual Acad::ErrorStatus setAnnotative(AcDbObject* object, bool annotative);
};

// The extension the host attaches to AcDbEntity.
AcDbAnnotativeObjectPE* acdbHostAnnotativePE();
