// System variables over the working database's header and symbol tables.
#include "host/ed/DrawingVariables.h"

#include <string>

#include "host/db/AcDbDatabase.h"
#include "host/db/AcDbHostApplicationServices.h"
#include "host/db/AcDbLayerTable.h"
#include "host/db/AcDbOpenObject.h"
#include "host/db/AcDbTextStyleTable.h"
#include "host/ed/SysVars.h"
#include "host/ed/UserInput.h"

namespace zhost {

namespace {

AcDbDatabase* Working() { return acdbHostApplicationServices()->workingDatabase(); }

std::wstring RecordName(AcDbObjectId id) {
  AcDbSymbolTableRecord* record = nullptr;
  if (id.isNull() || acdbOpenObject(record, id, AcDb::kForRead) != Acad::eOk) return L"";
  std::wstring name;
  record->getName(name);
  record->close();
  return name;
}

template <class Table>
int LookUp(Table* table, const std::wstring& name, AcDbObjectId& id) {
  if (!table) return RTERROR;
  Acad::ErrorStatus es = table->getAt(name.c_str(), id);
  table->close();
  return es == Acad::eOk ? RTNORM : RTERROR;
}

int SetCurrentLayer(const SysVarValue& v) {
  AcDbDatabase* db = Working();
  AcDbLayerTable* table = nullptr;
  if (!db || db->getLayerTable(table, AcDb::kForRead) != Acad::eOk) return RTERROR;
  AcDbObjectId id;
  if (LookUp(table, v.s, id) != RTNORM) return RTERROR;
  return db->setClayer(id) == Acad::eOk ? RTNORM : RTERROR;
}

int SetCurrentTextStyle(const SysVarValue& v) {
  AcDbDatabase* db = Working();
  AcDbTextStyleTable* table = nullptr;
  if (!db || db->getTextStyleTable(table, AcDb::kForRead) != Acad::eOk) return RTERROR;
  AcDbObjectId id;
  if (LookUp(table, v.s, id) != RTNORM) return RTERROR;
  return db->setTextstyle(id) == Acad::eOk ? RTNORM : RTERROR;
}

// "paper:drawing" with two positive numbers; the value is paper / drawing units.
bool ScaleValue(const std::wstring& name, double& value) {
  size_t colon = name.find(L':');
  if (colon == std::wstring::npos) return false;
  double paper = 0, drawing = 0;
  if (!ParseReal(name.substr(0, colon), paper) || !ParseReal(name.substr(colon + 1), drawing)) return false;
  if (paper <= 0 || drawing <= 0) return false;
  value = paper / drawing;
  return true;
}

std::wstring AnnotationScale() {
  AcDbDatabase* db = Working();
  if (!db) return L"1:1";
  auto& extra = db->extraHeaderVariables();
  auto it = extra.find(L"CANNOSCALE");
  return it == extra.end() || it->second.empty() ? L"1:1" : it->second;
}

}  // namespace

void DefineDrawingVariables(SysVars& vars) {
  vars.defineComputed(
      L"CLAYER", RTSTR, [] { return SysVarValue::Text(Working() ? RecordName(Working()->clayer()) : L"0"); },
      SetCurrentLayer);
  vars.defineComputed(
      L"TEXTSTYLE", RTSTR,
      [] { return SysVarValue::Text(Working() ? RecordName(Working()->textstyle()) : L"Standard"); },
      SetCurrentTextStyle);
  vars.defineComputed(
      L"TEXTSIZE", RTREAL, [] { return SysVarValue::Real(Working() ? Working()->textsize() : 2.5); },
      [](const SysVarValue& v) {
        if (!Working() || !(v.r > 0)) return RTERROR;
        return Working()->setTextsize(v.r) == Acad::eOk ? RTNORM : RTERROR;
      });
  // Bit 1: the drawing changed since it was last saved or read.
  vars.defineComputed(L"DBMOD", RTSHORT, [] { return SysVarValue::Int(Working() && Working()->dbmod() > 0 ? 1 : 0); });
  vars.defineComputed(
      L"CANNOSCALE", RTSTR, [] { return SysVarValue::Text(AnnotationScale()); },
      [](const SysVarValue& v) {
        double value = 0;
        if (!Working() || !ScaleValue(v.s, value)) return RTERROR;
        Working()->extraHeaderVariables()[L"CANNOSCALE"] = v.s;
        return RTNORM;
      });
  vars.defineComputed(L"CANNOSCALEVALUE", RTREAL, [] {
    double value = 1.0;
    if (!ScaleValue(AnnotationScale(), value)) value = 1.0;
    return SysVarValue::Real(value);
  });
}

}  // namespace zhost
