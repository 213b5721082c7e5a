// AcDbObjectIterator: walks the entities an entity owns (the vertices of a 2D polyline).
#pragma once

#include "host/db/AcDbObjectId.h"
#include "host/rx/AcRxObject.h"

class AcDbEntity;

class AcDbObjectIterator : public AcRxObject {
 public:
  ~AcDbObjectIterator() override = default;

  virtual bool done() const = 0;
  virtual void step(bool backwards = false, bool skipErased = true) = 0;
  virtual void start(bool atEnd = false) = 0;
  // The current entity (owned by its owner, valid while the owner is open), null when done.
  virtual AcDbEntity* entity() = 0;
  // Null for sub-entities that are not separate database objects.
  virtual AcDbObjectId objectId() = 0;
  virtual bool seek(const AcDbEntity* entity) = 0;
};
