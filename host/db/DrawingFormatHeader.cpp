// Header variables of drawing files.
#include "host/db/DrawingFormatHeader.h"

#include <cmath>

#include "host/db/AcDbBlockTable.h"
#include "host/db/AcDbDatabase.h"
#include "host/db/AcDbDictionary.h"
#include "host/db/AcDbDimStyleTable.h"
#include "host/db/AcDbLayerTable.h"
#include "host/db/AcDbLinetypeTable.h"
#include "host/db/AcDbRegAppTable.h"
#include "host/db/AcDbTextStyleTable.h"
#include "host/db/ObjectStub.h"
#include "host/rx/AcRxClass.h"

namespace zhost {

namespace {

struct RootVariable {
  const wchar_t* name;
  AcDbDatabase::RootObject which;
  AcRxClass* (*cls)();
};

const RootVariable kRoots[] = {
    {L"BLOCK_TABLE", AcDbDatabase::kBlock, &AcDbBlockTable::desc},
    {L"LAYER_TABLE", AcDbDatabase::kLayer, &AcDbLayerTable::desc},
    {L"TEXTSTYLE_TABLE", AcDbDatabase::kTextStyle, &AcDbTextStyleTable::desc},
    {L"DIMSTYLE_TABLE", AcDbDatabase::kDimStyle, &AcDbDimStyleTable::desc},
    {L"LINETYPE_TABLE", AcDbDatabase::kLinetype, &AcDbLinetypeTable::desc},
    {L"REGAPP_TABLE", AcDbDatabase::kRegApp, &AcDbRegAppTable::desc},
    {L"NAMED_OBJECTS", AcDbDatabase::kNamedObjects, &AcDbDictionary::desc},
};

AcDbObjectId RootId(AcDbDatabase* db, AcDbDatabase::RootObject which) {
  switch (which) {
    case AcDbDatabase::kBlock: return db->blockTableId();
    case AcDbDatabase::kLayer: return db->layerTableId();
    case AcDbDatabase::kTextStyle: return db->textStyleTableId();
    case AcDbDatabase::kDimStyle: return db->dimStyleTableId();
    case AcDbDatabase::kLinetype: return db->linetypeTableId();
    case AcDbDatabase::kRegApp: return db->regAppTableId();
    default: return db->namedObjectsDictionaryId();
  }
}

DrawingHeaderVariable Var(const wchar_t* name, FilerItemType type) {
  DrawingHeaderVariable v;
  v.name = name;
  v.value.type = type;
  return v;
}
DrawingHeaderVariable IdVar(const wchar_t* name, FilerItemType type, AcDbObjectId id) {
  DrawingHeaderVariable v = Var(name, type);
  v.value.handle = id.handle();
  return v;
}
DrawingHeaderVariable DoubleVar(const wchar_t* name, double d) {
  DrawingHeaderVariable v = Var(name, FilerItemType::kDouble);
  v.value.d[0] = d;
  return v;
}
DrawingHeaderVariable IntVar(const wchar_t* name, int value) {
  DrawingHeaderVariable v = Var(name, FilerItemType::kInt16);
  v.value.i = value;
  return v;
}

// The colour as one number: the method in the top byte, the index or RGB value below.
uint32_t PackColor(const AcCmColor& c) {
  uint32_t value = 0;
  if (c.isByColor()) value = (uint32_t(c.red()) << 16) | (uint32_t(c.green()) << 8) | c.blue();
  if (c.isByACI()) value = c.colorIndex();
  return (uint32_t(c.colorMethod()) << 24) | value;
}

bool UnpackColor(uint32_t packed, AcCmColor& c) {
  const uint32_t method = packed >> 24, value = packed & 0xFFFFFF;
  if (method < AcCmEntityColor::kByLayer || method > AcCmEntityColor::kNone) return false;
  if (method == AcCmEntityColor::kByColor) {
    c.setRGB(uint8_t(value >> 16), uint8_t(value >> 8), uint8_t(value));
    return true;
  }
  if (method == AcCmEntityColor::kByACI) return value >= 1 && value <= 255 && c.setColorIndex(uint16_t(value)) == Acad::eOk;
  c.setColorMethod(static_cast<AcCmEntityColor::ColorMethod>(method));
  return true;
}

bool Fail(std::wstring& error, const std::wstring& text) {
  error = text;
  return false;
}

bool Expect(const DrawingHeaderVariable& v, FilerItemType type, std::wstring& error) {
  if (v.value.type == type) return true;
  return Fail(error, L"the header variable " + v.name + L" has the type " + FilerItemTypeName(v.value.type) +
                         L" instead of " + FilerItemTypeName(type));
}

bool IsIdType(FilerItemType t) {
  return t == FilerItemType::kHardOwnershipId || t == FilerItemType::kSoftOwnershipId ||
         t == FilerItemType::kHardPointerId || t == FilerItemType::kSoftPointerId;
}

// The existing object of a handle, null when there is none.
AcDbObjectId ExistingId(AcDbDatabase* db, const AcDbHandle& handle) {
  AcDbObjectId id;
  if (handle.isNull() || db->getAcDbObjectId(id, false, handle) != Acad::eOk || !id.isValid()) return AcDbObjectId();
  return id;
}

bool ApplyCurrent(AcDbDatabase* db, const DrawingHeaderVariable& v, std::wstring& error) {
  if (!Expect(v, FilerItemType::kHardPointerId, error)) return false;
  const AcDbObjectId id = ExistingId(db, v.value.handle);
  if (id.isNull()) return Fail(error, L"the header variable " + v.name + L" refers to a missing object");
  Acad::ErrorStatus es = Acad::eOk;
  if (v.name == L"CLAYER") es = db->setClayer(id);
  if (v.name == L"TEXTSTYLE") es = db->setTextstyle(id);
  if (v.name == L"DIMSTYLE") es = db->setDimstyle(id);
  if (v.name == L"CELTYPE") es = db->setCeltype(id);
  if (es != Acad::eOk) return Fail(error, L"the header variable " + v.name + L" refers to an object of the wrong kind");
  return true;
}

bool ApplyValue(AcDbDatabase* db, const DrawingHeaderVariable& v, std::wstring& error) {
  const std::wstring& n = v.name;
  Acad::ErrorStatus es = Acad::eOk;
  if (n == L"TEXTSIZE" || n == L"LTSCALE" || n == L"CELTSCALE" || n == L"DIMSCALE") {
    if (!Expect(v, FilerItemType::kDouble, error)) return false;
    const double d = v.value.d[0];
    if (!std::isfinite(d)) return Fail(error, L"the header variable " + n + L" is not a finite number");
    if (n == L"TEXTSIZE") es = db->setTextsize(d);
    if (n == L"LTSCALE") es = db->setLtscale(d);
    if (n == L"CELTSCALE") es = db->setCeltscale(d);
    if (n == L"DIMSCALE") es = db->setDimscale(d);
  } else if (n == L"TILEMODE") {
    if (!Expect(v, FilerItemType::kBoolean, error)) return false;
    es = db->setTilemode(v.value.i != 0);
  } else if (n == L"INSUNITS") {
    if (!Expect(v, FilerItemType::kInt16, error)) return false;
    if (v.value.i < AcDb::kUnitsUndefined || v.value.i > AcDb::kUnitsMax)
      return Fail(error, L"the header variable INSUNITS is out of range");
    es = db->setInsunits(static_cast<AcDb::UnitsValue>(v.value.i));
  } else if (n == L"CELWEIGHT") {
    if (!Expect(v, FilerItemType::kInt16, error)) return false;
    // Checked before the cast: a value outside the enumeration may not even be formed.
    if (v.value.i < AcDb::kLnWtByLwDefault || v.value.i > AcDb::kLnWt211)
      return Fail(error, L"the header variable CELWEIGHT is out of range");
    es = db->setCelweight(static_cast<AcDb::LineWeight>(v.value.i));
  } else if (n == L"CECOLOR") {
    if (!Expect(v, FilerItemType::kUInt32, error)) return false;
    AcCmColor color;
    if (!UnpackColor(static_cast<uint32_t>(v.value.u), color)) return Fail(error, L"the header variable CECOLOR is damaged");
    es = db->setCecolor(color);
  } else if (v.value.type == FilerItemType::kString) {
    db->extraHeaderVariables()[n] = v.value.s;
  }
  if (es != Acad::eOk) return Fail(error, L"the header variable " + n + L" has a value the drawing refuses");
  return true;
}

}  // namespace

std::vector<DrawingHeaderVariable> CollectHeaderVariables(AcDbDatabase* db) {
  std::vector<DrawingHeaderVariable> vars;
  DrawingHeaderVariable seed = Var(L"HANDSEED", FilerItemType::kHandle);
  seed.value.handle = db->handseed();
  vars.push_back(seed);
  for (const RootVariable& r : kRoots) vars.push_back(IdVar(r.name, FilerItemType::kHardOwnershipId, RootId(db, r.which)));
  vars.push_back(IdVar(L"CLAYER", FilerItemType::kHardPointerId, db->clayer()));
  vars.push_back(IdVar(L"TEXTSTYLE", FilerItemType::kHardPointerId, db->textstyle()));
  vars.push_back(IdVar(L"DIMSTYLE", FilerItemType::kHardPointerId, db->dimstyle()));
  vars.push_back(IdVar(L"CELTYPE", FilerItemType::kHardPointerId, db->celtype()));
  DrawingHeaderVariable color = Var(L"CECOLOR", FilerItemType::kUInt32);
  color.value.u = PackColor(db->cecolor());
  vars.push_back(color);
  vars.push_back(DoubleVar(L"TEXTSIZE", db->textsize()));
  DrawingHeaderVariable tile = Var(L"TILEMODE", FilerItemType::kBoolean);
  tile.value.i = db->tilemode() ? 1 : 0;
  vars.push_back(tile);
  vars.push_back(IntVar(L"INSUNITS", db->insunits()));
  vars.push_back(DoubleVar(L"LTSCALE", db->ltscale()));
  vars.push_back(DoubleVar(L"CELTSCALE", db->celtscale()));
  vars.push_back(IntVar(L"CELWEIGHT", db->celweight()));
  vars.push_back(DoubleVar(L"DIMSCALE", db->dimscale()));
  for (const auto& extra : db->extraHeaderVariables()) {
    DrawingHeaderVariable v = Var(extra.first.c_str(), FilerItemType::kString);
    v.value.s = extra.second;
    vars.push_back(v);
  }
  return vars;
}

bool RootHandles(const std::vector<DrawingHeaderVariable>& variables, std::vector<uint64_t>& roots, std::wstring& error) {
  roots.assign(AcDbDatabase::kRootCount, 0);
  for (const RootVariable& r : kRoots) {
    for (const DrawingHeaderVariable& v : variables) {
      if (v.name != r.name) continue;
      if (!IsIdType(v.value.type)) return Fail(error, L"the header variable " + v.name + L" is no object reference");
      roots[r.which] = v.value.handle.value();
    }
    if (roots[r.which] == 0) return Fail(error, std::wstring(L"the drawing file has no ") + r.name + L" in its header");
  }
  return true;
}

bool ApplyHeaderVariables(AcDbDatabase* db, const std::vector<DrawingHeaderVariable>& variables, std::wstring& error) {
  for (const RootVariable& r : kRoots) {
    for (const DrawingHeaderVariable& v : variables) {
      if (v.name != r.name) continue;
      const AcDbObjectId id = ExistingId(db, v.value.handle);
      AcDbObject* obj = PeekObject(id);
      if (!obj || !obj->isKindOf(r.cls()))
        return Fail(error, L"the header variable " + v.name + L" does not refer to an object of the class " + r.cls()->name());
      db->setRootObjectId(r.which, id);
    }
  }
  const AcDbHandle* seed = nullptr;
  for (const DrawingHeaderVariable& v : variables) {
    if (v.name == L"HANDSEED") {
      if (!Expect(v, FilerItemType::kHandle, error)) return false;
      seed = &v.value.handle;
    } else if (v.name == L"CLAYER" || v.name == L"TEXTSTYLE" || v.name == L"DIMSTYLE" || v.name == L"CELTYPE") {
      if (v.value.handle.isNull()) continue;
      if (!ApplyCurrent(db, v, error)) return false;
    } else if (!ApplyValue(db, v, error)) {
      return false;
    }
  }
  if (seed && db->setHandseed(*seed) != Acad::eOk) return Fail(error, L"the handle seed is below a handle in use");
  return true;
}

}  // namespace zhost
