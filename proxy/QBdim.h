// QBdim: the chain dimension, a custom entity carrying a whole chain of measured segments
// along one dimension line. This version registers its runtime class; the chain's data,
// filing, drawing and editing are added to this class.
#pragma once

#include "host/db/AcDbEntity.h"

class QBdim : public AcDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(QBdim);
  // Deletes the class registered by rxInit.
  static void rxUninit();

  QBdim() = default;
};
