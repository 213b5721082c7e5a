// AcDbObjectId: the stable name of an object in its database (one id per object per database,
// the same for the database's whole life, also before the object itself is read or after it was
// erased), the typed ids that tell a filer how an object refers to another, the id array and the
// conversion between ids and ads_name.
#pragma once

#include <cstddef>
#include <functional>

#include "host/db/AcDbHandle.h"
#include "host/ge/AcArray.h"
#include "host/rx/AcadErrorStatus.h"
#include "host/rx/ads.h"

class AcDbDatabase;
class AcRxClass;

namespace zhost {
struct ObjectStub;
}

class AcDbObjectId {
 public:
  AcDbObjectId() = default;
  // Host: the id of a database slot.
  explicit AcDbObjectId(zhost::ObjectStub* stub) : stub_(stub) {}

  bool isNull() const { return stub_ == nullptr; }
  void setNull() { stub_ = nullptr; }
  // Not null and the object exists (read from a file or created), erased or not.
  bool isValid() const;
  // The object exists and is erased.
  bool isErased() const;
  // Not null, existing and not erased.
  bool isResident() const { return isValid(); }
  bool isEffectivelyErased() const { return isErased(); }

  AcDbHandle handle() const;
  AcDbDatabase* database() const;
  AcDbDatabase* originalDatabase() const { return database(); }
  // The object's class; null when the object does not exist.
  AcRxClass* objectClass() const;

  bool operator==(const AcDbObjectId& o) const { return stub_ == o.stub_; }
  bool operator!=(const AcDbObjectId& o) const { return stub_ != o.stub_; }
  // Ordered by database slot address: stable while the database lives, not by handle.
  bool operator<(const AcDbObjectId& o) const { return std::less<const void*>()(stub_, o.stub_); }
  bool operator>(const AcDbObjectId& o) const { return o < *this; }
  bool operator<=(const AcDbObjectId& o) const { return !(o < *this); }
  bool operator>=(const AcDbObjectId& o) const { return !(*this < o); }
  bool operator!() const { return isNull(); }

  // Host: the database slot.
  zhost::ObjectStub* stub() const { return stub_; }
  // Ids as ads_name values: the slot address in name[0], 0 in name[1].
  Adesk::IntDbId asOldId() const;

  static const AcDbObjectId kNull;

 private:
  zhost::ObjectStub* stub_ = nullptr;
};

// The reference kinds a filer records; they convert freely to and from AcDbObjectId.
#define ZHOST_TYPED_ID(NAME)                                              \
  class NAME : public AcDbObjectId {                                      \
   public:                                                                \
    NAME() = default;                                                     \
    NAME(const AcDbObjectId& id) : AcDbObjectId(id) {} /* NOLINT */       \
    NAME& operator=(const AcDbObjectId& id) {                             \
      AcDbObjectId::operator=(id);                                        \
      return *this;                                                       \
    }                                                                     \
  };
ZHOST_TYPED_ID(AcDbHardOwnershipId)
ZHOST_TYPED_ID(AcDbSoftOwnershipId)
ZHOST_TYPED_ID(AcDbHardPointerId)
ZHOST_TYPED_ID(AcDbSoftPointerId)
#undef ZHOST_TYPED_ID

typedef AcArray<AcDbObjectId> AcDbObjectIdArray;

// ads_name <-> id. acdbGetObjectId gives eInvalidInput for a null name.
Acad::ErrorStatus acdbGetAdsName(ads_name& objName, AcDbObjectId objId);
Acad::ErrorStatus acdbGetObjectId(AcDbObjectId& objId, const ads_name objName);

namespace std {
template <>
struct hash<AcDbObjectId> {
  size_t operator()(const AcDbObjectId& id) const { return std::hash<const void*>()(id.stub()); }
};
}  // namespace std
