// The dimension style table and its records. A record keeps its dimension variables generically,
// by upper-case name ("DIMSCALE", "DIMTXT" ...) with their DXF group code and a typed value;
// the dimension code gives the variables their meaning and defaults. Every database has
// "Standard".
#pragma once

#include <map>
#include <string>

#include "host/db/AcDbSymbolTable.h"

namespace zhost {

struct DimVarValue {
  enum Kind { kInt = 0, kReal = 1, kString = 2, kId = 3 };
  Kind kind = kInt;
  int groupCode = 0;  // the variable's DXF group code (0 when unknown)
  Adesk::Int32 i = 0;
  double d = 0.0;
  std::wstring s;
  AcDbObjectId id;

  static DimVarValue Int(Adesk::Int32 v, int code = 0);
  static DimVarValue Real(double v, int code = 0);
  static DimVarValue String(const std::wstring& v, int code = 0);
  static DimVarValue Id(AcDbObjectId v, int code = 0);
  bool operator==(const DimVarValue& o) const;
  bool operator!=(const DimVarValue& o) const { return !(*this == o); }
};

typedef std::map<std::wstring, DimVarValue> DimVarMap;

}  // namespace zhost

class AcDbDimStyleTableRecord : public AcDbSymbolTableRecord {
 public:
  ACRX_DECLARE_MEMBERS(AcDbDimStyleTableRecord);
  AcDbDimStyleTableRecord();
  ~AcDbDimStyleTableRecord() override;

  // Names are upper-cased. Null when the variable is not set.
  const zhost::DimVarValue* dimVar(const std::wstring& name) const;
  Acad::ErrorStatus setDimVar(const std::wstring& name, const zhost::DimVarValue& value);
  Acad::ErrorStatus removeDimVar(const std::wstring& name);
  const zhost::DimVarMap& dimVars() const;
  Acad::ErrorStatus setDimVars(const zhost::DimVarMap& vars);

  // After the name: Int32 count, then per variable String name, Int16 group code, Int8 kind and
  // Int32 / Double / String / HardPointerId value.
  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;

 private:
  zhost::DimVarMap vars_;
};

ZHOST_SYMBOL_TABLE_ITERATOR(AcDbDimStyleTableIterator, AcDbDimStyleTableRecord)

class AcDbDimStyleTable : public AcDbSymbolTable {
 public:
  ACRX_DECLARE_MEMBERS(AcDbDimStyleTable);
  AcDbDimStyleTable();
  ~AcDbDimStyleTable() override;
  ZHOST_SYMBOL_TABLE_MEMBERS(AcDbDimStyleTableRecord, AcDbDimStyleTableIterator)
};
