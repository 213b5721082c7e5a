// The linetype table and its records (description and dash pattern). Every database has
// "ByBlock", "ByLayer" and "Continuous".
#pragma once

#include <string>
#include <vector>

#include "host/db/AcDbSymbolTable.h"

class AcDbLinetypeTableRecord : public AcDbSymbolTableRecord {
 public:
  ACRX_DECLARE_MEMBERS(AcDbLinetypeTableRecord);
  AcDbLinetypeTableRecord();
  ~AcDbLinetypeTableRecord() override;

  Acad::ErrorStatus comments(const ACHAR*& pString) const;
  Acad::ErrorStatus setComments(const ACHAR* pString);
  Acad::ErrorStatus asciiDescription(const ACHAR*& pString) const { return comments(pString); }
  Acad::ErrorStatus setAsciiDescription(const ACHAR* pString) { return setComments(pString); }
  double patternLength() const;
  void setPatternLength(double length);
  int numDashes() const;
  // Grows or shrinks the dash list (new dashes 0).
  void setNumDashes(int count);
  // 0 for an index outside the list.
  double dashLengthAt(int index) const;
  // eInvalidIndex outside the list.
  Acad::ErrorStatus setDashLengthAt(int index, double value);
  bool isScaledToFit() const;
  void setIsScaledToFit(bool scaledToFit);

  // After the name: String comments, Double pattern length, Boolean scaled to fit, Int32 count,
  // Double each dash.
  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;

 private:
  std::wstring comments_;
  double patternLength_ = 0.0;
  bool scaledToFit_ = false;
  std::vector<double> dashes_;
};

ZHOST_SYMBOL_TABLE_ITERATOR(AcDbLinetypeTableIterator, AcDbLinetypeTableRecord)

class AcDbLinetypeTable : public AcDbSymbolTable {
 public:
  ACRX_DECLARE_MEMBERS(AcDbLinetypeTable);
  AcDbLinetypeTable();
  ~AcDbLinetypeTable() override;
  ZHOST_SYMBOL_TABLE_MEMBERS(AcDbLinetypeTableRecord, AcDbLinetypeTableIterator)
};
