// The explosion of a chain: the lines, solids, circles, arcs and texts it draws, as new entities
// on the chain's layer (no sum, no text masks).
#include "host/mfc/Exceptions.h"
#include "proxy/QBdim.h"
#include "settings/DebugLog.h"

Acad::ErrorStatus QBdim::subExplode(AcDbVoidPtrArray& entitySet) const {
  try {
    TraceMsg(L"\nQBdim::explode ");
    assertReadEnabled();
    // Drawing an arc chain re-takes its direction per extension: the chain itself is not changed
    // otherwise, so the explosion may run on a chain opened for read.
    QBdim* self = const_cast<QBdim*>(this);
    const int firstNew = entitySet.length();
    self->drawDimension(nullptr, &entitySet);
    const AcDbObjectId layer = layerId();
    for (int e = firstNew; e < entitySet.length(); ++e) {
      AcDbEntity* ent = static_cast<AcDbEntity*>(entitySet[e]);
      if (ent && !layer.isNull()) ent->setLayer(layer);
    }
    TraceMsgF(L"\n entitySet=%d ", entitySet.length());
  } catch (CException* e) {
    e->Delete();
    TraceMsg(L"\n!!! QBdim::explode ANY ERROR ");
  } catch (...) {
    TraceMsg(L"\n!!! QBdim::explode ANY ERROR ");
  }
  return Acad::eOk;
}
