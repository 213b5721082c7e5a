// Counting entities by DXF type.
#include "tests/host/dxfread/EntityCounts.h"

#include "host/db/AcDb2dPolyline.h"
#include "host/db/AcDbArc.h"
#include "host/db/AcDbBlockReference.h"
#include "host/db/AcDbBlockTable.h"
#include "host/db/AcDbCircle.h"
#include "host/db/AcDbDatabase.h"
#include "host/db/AcDbDimension.h"
#include "host/db/AcDbLine.h"
#include "host/db/AcDbMText.h"
#include "host/db/AcDbPoint.h"
#include "host/db/AcDbPolyline.h"
#include "host/db/AcDbSolid.h"
#include "host/db/AcDbText.h"
#include "host/db/AcDbXline.h"
#include "host/db/ObjectStub.h"
#include "host/rx/AcRxClass.h"
#include "host/win/TextConv.h"

namespace zktest {

namespace {

std::string TypeOf(const AcDbEntity* e) {
  if (AcDbArc::cast(e)) return "ARC";
  if (AcDbCircle::cast(e)) return "CIRCLE";
  if (AcDbLine::cast(e)) return "LINE";
  if (AcDbPolyline::cast(e)) return "LWPOLYLINE";
  if (AcDb2dPolyline::cast(e)) return "POLYLINE";
  if (AcDbPoint::cast(e)) return "POINT";
  if (AcDbXline::cast(e)) return "XLINE";
  if (AcDbSolid::cast(e)) return "SOLID";
  if (AcDbMText::cast(e)) return "MTEXT";
  if (AcDbText::cast(e)) return "TEXT";
  if (AcDbBlockReference::cast(e)) return "INSERT";
  if (AcDbDimension::cast(e)) return "DIMENSION";
  return "?" + zhost::ToUtf8(e->isA()->name());
}

std::string Upper(const std::wstring& s) {
  std::string u = zhost::ToUtf8(s);
  for (char& c : u) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return u;
}

}  // namespace

TypeCounts CountEntities(AcDbDatabase* db, const std::set<std::string>* onlyBlocks) {
  TypeCounts counts;
  const AcDbBlockTable* table = AcDbBlockTable::cast(zhost::PeekObject(db->blockTableId()));
  if (!table) return counts;
  for (AcDbObjectId recordId : table->recordIds()) {
    const AcDbBlockTableRecord* rec = AcDbBlockTableRecord::cast(zhost::PeekObject(recordId));
    if (!rec || rec->isErased()) continue;
    if (onlyBlocks && !onlyBlocks->count(Upper(rec->nameString()))) continue;
    for (AcDbObjectId id : rec->entityIds()) {
      const AcDbEntity* e = AcDbEntity::cast(zhost::PeekObject(id));
      if (e && !e->isErased()) ++counts[TypeOf(e)];
    }
  }
  return counts;
}

std::set<std::string> BlockNames(AcDbDatabase* db) {
  std::set<std::string> names;
  const AcDbBlockTable* table = AcDbBlockTable::cast(zhost::PeekObject(db->blockTableId()));
  if (!table) return names;
  for (AcDbObjectId recordId : table->recordIds()) {
    const AcDbBlockTableRecord* rec = AcDbBlockTableRecord::cast(zhost::PeekObject(recordId));
    if (rec && !rec->isErased()) names.insert(Upper(rec->nameString()));
  }
  return names;
}

std::string CountsText(const TypeCounts& counts) {
  std::string text;
  for (const auto& c : counts) {
    if (c.second == 0) continue;
    if (!text.empty()) text += " ";
    text += c.first + "=" + std::to_string(c.second);
  }
  return text;
}

}  // namespace zktest
