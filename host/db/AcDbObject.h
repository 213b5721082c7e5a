// AcDbObject: the root of the objects a drawing database holds. Small for now: its runtime
// class and the open-state checks that entity code calls.
#pragma once

#include "host/db/AcDb.h"
#include "host/rx/AcRxObject.h"
#include "host/rx/AcadErrorStatus.h"

class AcDbDatabase;

class AcDbObject : public AcRxObject {
 public:
  ACRX_DECLARE_MEMBERS(AcDbObject);

  AcDbObject();
  ~AcDbObject() override;

  AcDbDatabase* database() const { return database_; }
  void setDatabase(AcDbDatabase* db) { database_ = db; }

  // Objects not in a database are always open for write.
  bool isReadEnabled() const { return true; }
  bool isWriteEnabled() const { return true; }
  void assertReadEnabled() const {}
  void assertWriteEnabled(bool autoUndo = true, bool recordModified = true) {
    (void)autoUndo;
    (void)recordModified;
  }
  void assertNotifyEnabled() const {}

 private:
  AcDbDatabase* database_ = nullptr;
};
