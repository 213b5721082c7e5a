// AcDbDatabaseReactor: hears of every object appended to, modified in or erased from a database
// (AcDbDatabase::addReactor). Notifications come after the change, after the object's own
// reactors, with the object open for notify.
#pragma once

#include "host/rx/AcRxObject.h"
#include "host/rx/adesk.h"

class AcDbDatabase;
class AcDbObject;

class AcDbDatabaseReactor : public AcRxObject {
 public:
  ACRX_DECLARE_MEMBERS(AcDbDatabaseReactor);
  ~AcDbDatabaseReactor() override;

  virtual void objectAppended(const AcDbDatabase*, const AcDbObject*) {}
  virtual void objectUnAppended(const AcDbDatabase*, const AcDbObject*) {}
  virtual void objectReAppended(const AcDbDatabase*, const AcDbObject*) {}
  virtual void objectOpenedForModify(const AcDbDatabase*, const AcDbObject*) {}
  virtual void objectModified(const AcDbDatabase*, const AcDbObject*) {}
  virtual void objectErased(const AcDbDatabase*, const AcDbObject*, Adesk::Boolean /*pErased*/ = true) {}
  virtual void headerSysVarWillChange(const AcDbDatabase*, const ACHAR* /*name*/) {}
  virtual void headerSysVarChanged(const AcDbDatabase*, const ACHAR* /*name*/, Adesk::Boolean /*bSuccess*/) {}
  virtual void proxyResurrectionCompleted(const AcDbDatabase*, const ACHAR* /*appname*/, void* /*objects*/) {}
  // The database is being deleted.
  virtual void goodbye(const AcDbDatabase*) {}
};
