// The registered-application table: the applications whose names may head extended data. Every
// database has "ACAD".
#pragma once

#include "host/db/AcDbSymbolTable.h"

class AcDbRegAppTableRecord : public AcDbSymbolTableRecord {
 public:
  ACRX_DECLARE_MEMBERS(AcDbRegAppTableRecord);
  AcDbRegAppTableRecord();
  ~AcDbRegAppTableRecord() override;
};

ZHOST_SYMBOL_TABLE_ITERATOR(AcDbRegAppTableIterator, AcDbRegAppTableRecord)

class AcDbRegAppTable : public AcDbSymbolTable {
 public:
  ACRX_DECLARE_MEMBERS(AcDbRegAppTable);
  AcDbRegAppTable();
  ~AcDbRegAppTable() override;
  ZHOST_SYMBOL_TABLE_MEMBERS(AcDbRegAppTableRecord, AcDbRegAppTableIterator)
};
