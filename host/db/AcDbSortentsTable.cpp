// Draw order of a block's entities.
#include "host/db/AcDbSortentsTable.h"

#include <algorithm>
#include <unordered_set>

#include "host/db/AcDbBlockTable.h"
#include "host/db/AcDbDwgFiler.h"
#include "host/db/ObjectStub.h"
#include "host/rx/AcRxClass.h"

namespace {
AcRxObject* MakeSortents() { return new AcDbSortentsTable; }

bool Contains(const AcDbObjectIdArray& ar, const AcDbObjectId& id) {
  for (int i = 0; i < ar.length(); ++i)
    if (ar[i] == id) return true;
  return false;
}
}  // namespace

ZHOST_RX_HOST_MEMBERS(AcDbSortentsTable, AcDbObject, MakeSortents)

AcDbSortentsTable::AcDbSortentsTable() = default;
AcDbSortentsTable::~AcDbSortentsTable() = default;

// The stored order (entities still in the block), then the block's other entities in append
// order; erased entities included.
std::vector<AcDbObjectId> AcDbSortentsTable::fullOrder() const {
  const AcDbBlockTableRecord* block = AcDbBlockTableRecord::cast(zhost::PeekObject(block_));
  std::vector<AcDbObjectId> owned = block ? block->entityIds() : std::vector<AcDbObjectId>();
  // Sets keep this linear in the size of the block: it runs for every selection and pick.
  std::unordered_set<AcDbObjectId> inBlock(owned.begin(), owned.end());
  std::unordered_set<AcDbObjectId> placed;
  std::vector<AcDbObjectId> out;
  out.reserve(owned.size());
  for (const AcDbObjectId& id : order_)
    if (inBlock.count(id) && placed.insert(id).second) out.push_back(id);
  for (const AcDbObjectId& id : owned)
    if (placed.insert(id).second) out.push_back(id);
  return out;
}

Acad::ErrorStatus AcDbSortentsTable::checkIds(const AcDbObjectIdArray& ar) const {
  const AcDbBlockTableRecord* block = AcDbBlockTableRecord::cast(zhost::PeekObject(block_));
  if (!block) return Acad::eInvalidInput;
  const std::vector<AcDbObjectId>& owned = block->entityIds();
  for (int i = 0; i < ar.length(); ++i)
    if (std::find(owned.begin(), owned.end(), ar[i]) == owned.end()) return Acad::eInvalidInput;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSortentsTable::moveToBottom(const AcDbObjectIdArray& ar) {
  Acad::ErrorStatus es = checkIds(ar);
  if (es != Acad::eOk) return es;
  assertWriteEnabled();
  std::vector<AcDbObjectId> all = fullOrder(), moved, rest;
  for (const AcDbObjectId& id : all) (Contains(ar, id) ? moved : rest).push_back(id);
  moved.insert(moved.end(), rest.begin(), rest.end());
  order_ = moved;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSortentsTable::moveToTop(const AcDbObjectIdArray& ar) {
  Acad::ErrorStatus es = checkIds(ar);
  if (es != Acad::eOk) return es;
  assertWriteEnabled();
  std::vector<AcDbObjectId> all = fullOrder(), moved, rest;
  for (const AcDbObjectId& id : all) (Contains(ar, id) ? moved : rest).push_back(id);
  rest.insert(rest.end(), moved.begin(), moved.end());
  order_ = rest;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSortentsTable::moveBelow(const AcDbObjectIdArray& ar, AcDbObjectId target) {
  AcDbObjectIdArray withTarget = ar;
  withTarget.append(target);
  Acad::ErrorStatus es = checkIds(withTarget);
  if (es != Acad::eOk || Contains(ar, target)) return es != Acad::eOk ? es : Acad::eInvalidInput;
  assertWriteEnabled();
  std::vector<AcDbObjectId> all = fullOrder(), moved, out;
  for (const AcDbObjectId& id : all)
    if (Contains(ar, id)) moved.push_back(id);
  for (const AcDbObjectId& id : all) {
    if (Contains(ar, id)) continue;
    if (id == target) out.insert(out.end(), moved.begin(), moved.end());
    out.push_back(id);
  }
  order_ = out;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSortentsTable::moveAbove(const AcDbObjectIdArray& ar, AcDbObjectId target) {
  AcDbObjectIdArray withTarget = ar;
  withTarget.append(target);
  Acad::ErrorStatus es = checkIds(withTarget);
  if (es != Acad::eOk || Contains(ar, target)) return es != Acad::eOk ? es : Acad::eInvalidInput;
  assertWriteEnabled();
  std::vector<AcDbObjectId> all = fullOrder(), moved, out;
  for (const AcDbObjectId& id : all)
    if (Contains(ar, id)) moved.push_back(id);
  for (const AcDbObjectId& id : all) {
    if (Contains(ar, id)) continue;
    out.push_back(id);
    if (id == target) out.insert(out.end(), moved.begin(), moved.end());
  }
  order_ = out;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSortentsTable::swapOrder(AcDbObjectId id1, AcDbObjectId id2) {
  AcDbObjectIdArray both;
  both.append(id1);
  both.append(id2);
  Acad::ErrorStatus es = checkIds(both);
  if (es != Acad::eOk) return es;
  assertWriteEnabled();
  std::vector<AcDbObjectId> all = fullOrder();
  auto a = std::find(all.begin(), all.end(), id1), b = std::find(all.begin(), all.end(), id2);
  std::iter_swap(a, b);
  order_ = all;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSortentsTable::getFullDrawOrder(AcDbObjectIdArray& ents, Adesk::UInt8) const {
  assertReadEnabled();
  ents.removeAll();
  for (const AcDbObjectId& id : fullOrder())
    if (!id.isErased()) ents.append(id);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSortentsTable::getRelativeDrawOrder(AcDbObjectIdArray& ar, Adesk::UInt8) const {
  assertReadEnabled();
  Acad::ErrorStatus es = checkIds(ar);
  if (es != Acad::eOk) return es;
  AcDbObjectIdArray sorted;
  for (const AcDbObjectId& id : fullOrder())
    if (Contains(ar, id)) sorted.append(id);
  ar = sorted;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSortentsTable::firstEntityIsDrawnBeforeSecond(AcDbObjectId first, AcDbObjectId second,
                                                                    bool& result) const {
  assertReadEnabled();
  std::vector<AcDbObjectId> all = fullOrder();
  auto a = std::find(all.begin(), all.end(), first), b = std::find(all.begin(), all.end(), second);
  if (a == all.end() || b == all.end()) return Acad::eInvalidInput;
  result = a < b;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSortentsTable::setBlockId(AcDbObjectId id) {
  if (!id.isNull() && !AcDbBlockTableRecord::cast(zhost::PeekObject(id))) return Acad::eWrongObjectType;
  assertWriteEnabled();
  block_ = id;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSortentsTable::dwgOutFields(AcDbDwgFiler* filer) const {
  assertReadEnabled();
  Acad::ErrorStatus es = AcDbObject::dwgOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeHardPointerId(block_);
  filer->writeInt32(static_cast<Adesk::Int32>(order_.size()));
  for (const AcDbObjectId& id : order_) filer->writeSoftPointerId(id);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbSortentsTable::dwgInFields(AcDbDwgFiler* filer) {
  assertWriteEnabled();
  Acad::ErrorStatus es = AcDbObject::dwgInFields(filer);
  if (es != Acad::eOk) return es;
  AcDbHardPointerId block;
  Adesk::Int32 count = 0;
  filer->readHardPointerId(&block);
  filer->readInt32(&count);
  if (filer->filerStatus() != Acad::eOk) return filer->filerStatus();
  if (count < 0 || count > 100000000) {
    filer->setFilerStatus(Acad::eDwgObjectImproperlyRead);
    return filer->filerStatus();
  }
  std::vector<AcDbObjectId> order;
  for (Adesk::Int32 i = 0; i < count; ++i) {
    AcDbSoftPointerId id;
    if (filer->readSoftPointerId(&id) != Acad::eOk) return filer->filerStatus();
    order.push_back(id);
  }
  block_ = block;
  order_ = order;
  return Acad::eOk;
}
