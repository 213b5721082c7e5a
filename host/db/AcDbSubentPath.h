// Sub-entity paths: which part of which (nested) entity a selection marker stands for.
#pragma once

#include "host/db/AcDb.h"
#include "host/db/AcDbObjectId.h"
#include "host/ge/adesk.h"

class AcDbSubentId {
 public:
  AcDbSubentId() = default;
  AcDbSubentId(AcDb::SubentType type, Adesk::GsMarker index) : type_(type), index_(index) {}
  AcDb::SubentType type() const { return type_; }
  void setType(AcDb::SubentType type) { type_ = type; }
  Adesk::GsMarker index() const { return index_; }
  void setIndex(Adesk::GsMarker index) { index_ = index; }
  bool operator==(const AcDbSubentId& o) const { return type_ == o.type_ && index_ == o.index_; }
  bool operator!=(const AcDbSubentId& o) const { return !(*this == o); }

 private:
  AcDb::SubentType type_ = AcDb::kNullSubentType;
  Adesk::GsMarker index_ = 0;
};

class AcDbFullSubentPath {
 public:
  AcDbFullSubentPath() = default;
  AcDbFullSubentPath(AcDb::SubentType type, Adesk::GsMarker index) : subent_(type, index) {}
  AcDbFullSubentPath(AcDbObjectId entId, AcDb::SubentType type, Adesk::GsMarker index) : subent_(type, index) {
    ids_.append(entId);
  }
  AcDbFullSubentPath(const AcDbObjectIdArray& ids, AcDbSubentId subent) : ids_(ids), subent_(subent) {}

  void objectIds(AcDbObjectIdArray& ids) const { ids = ids_; }
  AcDbObjectIdArray& objectIds() { return ids_; }
  const AcDbObjectIdArray& objectIds() const { return ids_; }
  const AcDbSubentId& subentId() const { return subent_; }
  AcDbSubentId& subentId() { return subent_; }
  bool operator==(const AcDbFullSubentPath& o) const { return ids_ == o.ids_ && subent_ == o.subent_; }

 private:
  AcDbObjectIdArray ids_;
  AcDbSubentId subent_;
};

typedef AcArray<AcDbFullSubentPath> AcDbFullSubentPathArray;
