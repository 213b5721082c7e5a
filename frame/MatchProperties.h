// The MatchProperties protocol extension of the module's two entity classes.
#pragma once

#include "host/db/AcDbMatchProperties.h"

// One object serves both entity classes.
class QBdimMatchProp : public AcDbMatchProperties {
 public:
  void copyProperties(AcDbEntity* pSrcEntity, AcDbEntity* pTrgEntity, unsigned int flag) const override;
};

// Adds the extension when the MatchProperties service is there; false when it is not (yet).
bool addMatchQBdim();
// Takes the extension off both classes and gives the service dependency back.
void RemoveMatchQBdim();
bool IsMatchQBdimAdded();
