// The text style table and its records: font file, big font file, fixed height, width factor,
// obliquing angle, shape-file flag and, for TrueType styles, the typeface. Every database has
// "Standard".
#pragma once

#include <string>

#include "host/db/AcDbSymbolTable.h"

class AcDbTextStyleTableRecord : public AcDbSymbolTableRecord {
 public:
  ACRX_DECLARE_MEMBERS(AcDbTextStyleTableRecord);
  AcDbTextStyleTableRecord();
  ~AcDbTextStyleTableRecord() override;

  // The record's own texts, valid while it is open.
  Acad::ErrorStatus fileName(const ACHAR*& fileName) const;
  Acad::ErrorStatus setFileName(const ACHAR* fileName);
  Acad::ErrorStatus bigFontFileName(const ACHAR*& fileName) const;
  Acad::ErrorStatus setBigFontFileName(const ACHAR* fileName);
  // 0: the height is asked when a text is made.
  double textSize() const;
  Acad::ErrorStatus setTextSize(double size);
  double xScale() const;
  Acad::ErrorStatus setXScale(double scale);
  double obliquingAngle() const;
  Acad::ErrorStatus setObliquingAngle(double angle);
  double priorSize() const;
  Acad::ErrorStatus setPriorSize(double size);
  bool isShapeFile() const;
  void setIsShapeFile(bool shape);
  bool isVertical() const;
  void setIsVertical(bool vertical);
  Adesk::UInt8 flagBits() const;
  void setFlagBits(Adesk::UInt8 flags);
  // TrueType: typeface is a new string (acutDelString); "" for a font-file style.
  Acad::ErrorStatus font(ACHAR*& pTypeface, bool& bold, bool& italic, int& charset, int& pitchAndFamily) const;
  Acad::ErrorStatus setFont(const ACHAR* pTypeface, bool bold, bool italic, int charset, int pitchAndFamily);

  // After the name: String file, String big font, Double size, x scale, obliquing, prior size,
  // Boolean shape, vertical, UInt8 flags, String typeface, Boolean bold, italic, Int32 charset,
  // Int32 pitch and family.
  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;

 private:
  std::wstring file_ = L"txt", bigFont_, typeface_;
  double size_ = 0.0, xScale_ = 1.0, oblique_ = 0.0, priorSize_ = 2.5;
  bool shape_ = false, vertical_ = false, bold_ = false, italic_ = false;
  Adesk::UInt8 flags_ = 0;
  int charset_ = 0, pitch_ = 0;
};

ZHOST_SYMBOL_TABLE_ITERATOR(AcDbTextStyleTableIterator, AcDbTextStyleTableRecord)

class AcDbTextStyleTable : public AcDbSymbolTable {
 public:
  ACRX_DECLARE_MEMBERS(AcDbTextStyleTable);
  AcDbTextStyleTable();
  ~AcDbTextStyleTable() override;
  ZHOST_SYMBOL_TABLE_MEMBERS(AcDbTextStyleTableRecord, AcDbTextStyleTableIterator)
};
