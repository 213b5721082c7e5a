// Transient reactors of objects: an AcDbObjectReactor (or AcDbEntityReactor) attached with
// AcDbObject::addReactor hears of the object's changes after they happened. The object is passed
// open for notify (read access; upgradeFromNotify for a change). A reactor may remove itself
// (or others) from inside a notification. The reactor stays owned by its creator: detach it
// before deleting it.
#pragma once

#include "host/db/AcDbObjectId.h"
#include "host/rx/adesk.h"
#include "host/rx/AcRxObject.h"

class AcDbObject;
class AcDbEntity;

class AcDbObjectReactor : public AcRxObject {
 public:
  ACRX_DECLARE_MEMBERS(AcDbObjectReactor);
  ~AcDbObjectReactor() override;

  virtual void cancelled(const AcDbObject*) {}
  virtual void copied(const AcDbObject*, const AcDbObject*) {}
  virtual void erased(const AcDbObject*, Adesk::Boolean /*bErasing*/ = true) {}
  virtual void goodbye(const AcDbObject*) {}
  virtual void openedForModify(const AcDbObject*) {}
  virtual void modified(const AcDbObject*) {}
  virtual void subObjModified(const AcDbObject*, const AcDbObject*) {}
  virtual void modifyUndone(const AcDbObject*) {}
  virtual void modifiedXData(const AcDbObject*) {}
  virtual void unappended(const AcDbObject*) {}
  virtual void reappended(const AcDbObject*) {}
  virtual void objectClosed(const AcDbObjectId) {}
};

class AcDbEntityReactor : public AcDbObjectReactor {
 public:
  ACRX_DECLARE_MEMBERS(AcDbEntityReactor);
  ~AcDbEntityReactor() override;

  // Sent before modified when the entity's graphics changed (recordGraphicsModified).
  virtual void modifiedGraphics(const AcDbEntity*) {}
};
