// QBdimHeight: the height mark, a custom entity showing a level symbol with its value. This
// version registers its runtime class; the mark's data, filing, drawing and editing are added
// to this class.
#pragma once

#include "host/db/AcDbEntity.h"

class QBdimHeight : public AcDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(QBdimHeight);
  // Deletes the class registered by rxInit.
  static void rxUninit();

  QBdimHeight() = default;
};
