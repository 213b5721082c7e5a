// A small entity and reactors for the database tests: an entity with one filed value and a
// partial-undo setter, reactors that log what they hear.
#pragma once

#include <string>
#include <vector>

#include "host/db/DbCore.h"

class TestEntity : public AcDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(TestEntity);
  int value() const {
    assertReadEnabled();
    return value_;
  }
  void setValue(int v) {
    assertWriteEnabled();
    value_ = v;
  }
  // Records its own undo instead of a whole copy.
  void setValuePartial(int v);
  Acad::ErrorStatus applyPartialUndo(AcDbDwgFiler* filer, AcRxClass* cls) override;
  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;

 private:
  int value_ = 0;
};

// Shared log of notifications, "who:what" strings in order.
std::vector<std::wstring>& NotificationLog();

class LogObjectReactor : public AcDbObjectReactor {
 public:
  explicit LogObjectReactor(std::wstring name) : name_(std::move(name)) {}
  void modified(const AcDbObject*) override { NotificationLog().push_back(name_ + L":modified"); }
  void erased(const AcDbObject*, Adesk::Boolean e) override {
    NotificationLog().push_back(name_ + (e ? L":erased" : L":unerased"));
  }
  void modifiedXData(const AcDbObject*) override { NotificationLog().push_back(name_ + L":xdata"); }
  void unappended(const AcDbObject*) override { NotificationLog().push_back(name_ + L":unappended"); }

 private:
  std::wstring name_;
};

class LogDbReactor : public AcDbDatabaseReactor {
 public:
  void objectAppended(const AcDbDatabase*, const AcDbObject*) override { NotificationLog().push_back(L"db:appended"); }
  void objectModified(const AcDbDatabase*, const AcDbObject* obj) override {
    if (TestEntity::cast(obj)) NotificationLog().push_back(L"db:modified");
  }
  void objectErased(const AcDbDatabase*, const AcDbObject*, Adesk::Boolean e) override {
    NotificationLog().push_back(e ? L"db:erased" : L"db:unerased");
  }
  void objectUnAppended(const AcDbDatabase*, const AcDbObject*) override { NotificationLog().push_back(L"db:unappended"); }
};

// A persistent reactor: an object that logs what it hears, and whether it was open for notify.
class LogPersistentReactor : public AcDbObject {
 public:
  ACRX_DECLARE_MEMBERS(LogPersistentReactor);
  void modified(const AcDbObject*) override {
    NotificationLog().push_back(isNotifyEnabled() && !isWriteEnabled() ? L"persistent:modified" : L"persistent:wrong-state");
  }
  void erased(const AcDbObject*, Adesk::Boolean e) override {
    NotificationLog().push_back(e ? L"persistent:erased" : L"persistent:unerased");
  }
};

// A database with a TestEntity in model space; returns its id (closed).
AcDbObjectId AddTestEntity(AcDbDatabase* db, int value, const wchar_t* layer = nullptr);
