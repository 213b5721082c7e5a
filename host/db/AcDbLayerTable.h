// The layer table and its records: frozen, off, locked, frozen in new viewports, plottable,
// colour, linetype and line weight. Every database has layer "0".
#pragma once

#include "host/db/AcCmColor.h"
#include "host/db/AcDbSymbolTable.h"

class AcDbLayerTableRecord : public AcDbSymbolTableRecord {
 public:
  ACRX_DECLARE_MEMBERS(AcDbLayerTableRecord);
  AcDbLayerTableRecord();
  ~AcDbLayerTableRecord() override;

  bool isFrozen() const;
  Acad::ErrorStatus setIsFrozen(bool frozen);
  bool isOff() const;
  void setIsOff(bool off);
  bool isLocked() const;
  void setIsLocked(bool locked);
  // Frozen in new viewports.
  bool VPDFLT() const;
  void setVPDFLT(bool frozen);
  bool isPlottable() const;
  Acad::ErrorStatus setIsPlottable(bool plot);
  bool isHidden() const;
  Acad::ErrorStatus setIsHidden(bool hidden);
  // Index 1..255 or a true colour (by layer / by block are refused: eInvalidInput).
  AcCmColor color() const;
  Acad::ErrorStatus setColor(const AcCmColor& color);
  const AcCmEntityColor& entityColor() const;
  AcDbObjectId linetypeObjectId() const;
  Acad::ErrorStatus setLinetypeObjectId(AcDbObjectId id);
  AcDb::LineWeight lineWeight() const;
  Acad::ErrorStatus setLineWeight(AcDb::LineWeight weight);
  // In use by an entity (not computed: always true for layer "0" and the current layer).
  bool isInUse() const { return true; }

  // Host: the flags without an open check (the open code asks whether a layer is locked).
  bool peekLocked() const { return locked_; }
  bool peekFrozen() const { return frozen_; }
  bool peekOff() const { return off_; }
  const AcCmColor& peekColor() const { return color_; }

  // After the name: Boolean frozen, off, locked, frozen-in-new-viewports, plottable, hidden;
  // UInt8 colour method, Int16 index, UInt32 RGB; HardPointerId linetype; Int16 line weight.
  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;

 private:
  bool frozen_ = false, off_ = false, locked_ = false, vpdflt_ = false, plottable_ = true, hidden_ = false;
  AcCmColor color_;
  AcDbObjectId linetype_;
  AcDb::LineWeight lineWeight_ = AcDb::kLnWtByLwDefault;
};

ZHOST_SYMBOL_TABLE_ITERATOR(AcDbLayerTableIterator, AcDbLayerTableRecord)

class AcDbLayerTable : public AcDbSymbolTable {
 public:
  ACRX_DECLARE_MEMBERS(AcDbLayerTable);
  AcDbLayerTable();
  ~AcDbLayerTable() override;
  ZHOST_SYMBOL_TABLE_MEMBERS(AcDbLayerTableRecord, AcDbLayerTableIterator)
};
