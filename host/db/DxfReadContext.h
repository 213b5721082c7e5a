// DxfReadContext: what the parts of the DXF reader share while one file is read: the groups,
// the database, the report, symbol lookups by name (creating layers and linetypes that entities
// name but the tables lack), handles, extended data and the checks that end a damaged entity.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "host/db/AcDbHandle.h"
#include "host/db/AcDbObjectId.h"
#include "host/db/DxfGroupReader.h"
#include "host/db/DxfReader.h"
#include "host/rx/ads.h"

class AcDbDatabase;
class AcDbEntity;
class AcDbObject;

namespace zhost {

// A value that does not parse, or a structure that does not hold; names the group's line.
struct DxfDamage {
  uint32_t line;
  std::wstring reason;
};

class DxfReadContext {
 public:
  DxfReadContext(const DxfGroups& groups, AcDbDatabase* db, DxfReadReport& report);

  const DxfGroups& groups;
  AcDbDatabase* db;
  DxfReadReport& report;
  DxfTextDecoder decoder;
  int release = 0;  // the number of $ACADVER ("AC1015" -> 1015), 0 when unknown

  // Values of group i; DxfDamage when a number group holds no number.
  double real(size_t i) const;
  long long integer(size_t i) const;
  int int16(size_t i) const;
  std::wstring text(size_t i) const;
  uint64_t handle(size_t i) const;  // 0 when not a valid handle
  [[noreturn]] void damaged(size_t i, const std::wstring& reason) const;

  // Records by name (case-insensitive). The layer and linetype are created when missing; the
  // text and dimension styles fall back to "Standard".
  AcDbObjectId layer(const std::wstring& name);
  AcDbObjectId linetype(const std::wstring& name);
  AcDbObjectId textStyle(const std::wstring& name);
  AcDbObjectId dimStyle(const std::wstring& name);
  AcDbObjectId findDimStyle(const std::wstring& name) const;
  // The block record of the name, made (empty) when create and it does not exist yet; the
  // names of model and paper space map to the database's own.
  AcDbObjectId block(const std::wstring& name, bool create);
  // Registers the application when it is missing.
  void ensureRegApp(const std::wstring& name);
  void remember(std::map<std::wstring, AcDbObjectId>& cache, const std::wstring& name, AcDbObjectId id);
  std::map<std::wstring, AcDbObjectId> layers, linetypes, textStyles, dimStyles, blocks, regApps;

  // Handles of records the file gave (records themselves get new handles): for references.
  std::map<uint64_t, AcDbObjectId> recordsByHandle;
  // BLOCK_RECORD handles to their block records (owners of R2000+ entities).
  std::map<uint64_t, AcDbObjectId> blockRecordsByHandle;

  // Adds a new entity (open for write until the caller closes it) to the block record under
  // the handle when the handle is free, else under a new one.
  Acad::ErrorStatus addEntity(AcDbEntity* ent, uint64_t handle, AcDbObjectId owner, AcDbObjectId& id);

  // The extended data of groups [from, to) (from at a 1001 group) as a resbuf chain (null when
  // empty); the applications are registered. The caller frees it with acutRelRb.
  resbuf* xdata(size_t from, size_t to);

  // INSERT references for the cycle check: block record -> (referenced block, entity).
  std::vector<std::pair<AcDbObjectId, std::pair<AcDbObjectId, AcDbObjectId>>> insertEdges;

  void countRead(const std::wstring& type) { ++report.entitiesRead[type]; }
  void countSkipped(const std::wstring& type) { ++report.skippedEntities[type]; }
};

std::wstring DxfUpper(const std::wstring& s);
std::wstring DxfTypeName(std::string_view bytes);

}  // namespace zhost
