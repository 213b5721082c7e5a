// DxfEntityReader: the entities of a DXF ENTITIES section or block into their block records.
// Each entity the host has becomes its host entity with the common properties and extended
// data; the others are counted by type and skipped with what belongs to them (vertices,
// attributes); an entity damaged inside is skipped and reported with its line.
#pragma once

#include <cstddef>
#include <string>

#include "host/db/AcDbObjectId.h"

namespace zhost {

class DxfReadContext;

class DxfEntityReader {
 public:
  explicit DxfEntityReader(DxfReadContext& ctx) : ctx_(ctx) {}
  // Reads from the 0 group at i up to the 0 group whose value is endName (ENDSEC or ENDBLK)
  // and returns its index. A null owner places entities in model or paper space (67, 330);
  // DxfDamage for a section or block that is not closed.
  size_t read(size_t i, const char* endName, AcDbObjectId owner);

  // Takes back INSERTs that would make a block contain itself (the host could not draw them).
  void breakInsertCycles();

 private:
  size_t extent(size_t i, const std::wstring& type) const;
  void readOne(const std::wstring& type, size_t i, size_t end, size_t fullEnd, AcDbObjectId owner);
  DxfReadContext& ctx_;
};

}  // namespace zhost
