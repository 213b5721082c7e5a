// AcDbSortentsTable: the draw order of one block table record's entities, kept in the record's
// extension dictionary as "ACAD_SORTENTS". Entities it does not mention are drawn in append
// order after the ones it orders.
#pragma once

#include <vector>

#include "host/db/AcDbObject.h"

class AcDbSortentsTable : public AcDbObject {
 public:
  ACRX_DECLARE_MEMBERS(AcDbSortentsTable);
  AcDbSortentsTable();
  ~AcDbSortentsTable() override;

  // Every id must be an entity of the block (eInvalidInput otherwise; nothing moves). The moved
  // entities keep their relative order.
  Acad::ErrorStatus moveToBottom(const AcDbObjectIdArray& ar);
  Acad::ErrorStatus moveToTop(const AcDbObjectIdArray& ar);
  Acad::ErrorStatus moveBelow(const AcDbObjectIdArray& ar, AcDbObjectId target);
  Acad::ErrorStatus moveAbove(const AcDbObjectIdArray& ar, AcDbObjectId target);
  Acad::ErrorStatus swapOrder(AcDbObjectId id1, AcDbObjectId id2);
  // Bottom (drawn first) to top; erased entities left out.
  Acad::ErrorStatus getFullDrawOrder(AcDbObjectIdArray& ents, Adesk::UInt8 honorSortentsMask = 0) const;
  // Sorts the given ids into draw order.
  Acad::ErrorStatus getRelativeDrawOrder(AcDbObjectIdArray& ar, Adesk::UInt8 honorSortentsMask = 0) const;
  Acad::ErrorStatus firstEntityIsDrawnBeforeSecond(AcDbObjectId first, AcDbObjectId second, bool& result) const;

  AcDbObjectId blockId() const { return block_; }
  Acad::ErrorStatus setBlockId(AcDbObjectId id);

  // HardPointerId block, Int32 count, SoftPointerId each ordered entity.
  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;

 private:
  std::vector<AcDbObjectId> fullOrder() const;
  Acad::ErrorStatus checkIds(const AcDbObjectIdArray& ar) const;

  AcDbObjectId block_;
  std::vector<AcDbObjectId> order_;
};
