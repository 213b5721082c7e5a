// The shared state of one DXF read: values, symbol lookups, handles and extended data.
#include "host/db/DxfReadContext.h"

#include <cstdlib>
#include <cstring>
#include <cwctype>

#include "host/db/AcDbBlockTable.h"
#include "host/db/AcDbDatabase.h"
#include "host/db/AcDbDimStyleTable.h"
#include "host/db/AcDbEntity.h"
#include "host/db/AcDbLayerTable.h"
#include "host/db/AcDbLinetypeTable.h"
#include "host/db/AcDbOpenObject.h"
#include "host/db/AcDbRegAppTable.h"
#include "host/db/AcDbTextStyleTable.h"
#include "host/db/ObjectStub.h"
#include "host/win/TextConv.h"

namespace zhost {

namespace {

std::wstring Shown(std::string_view bytes) {
  std::string s(bytes.substr(0, 40));
  if (bytes.size() > 40) s += "...";
  return L"\"" + FromUtf8(s) + L"\"";
}

// A name the symbol tables take: characters they refuse become '_'.
std::wstring UsableName(const std::wstring& name) {
  std::wstring out = name.substr(0, 255);
  for (size_t i = 0; i < out.size(); ++i) {
    if (i == 0 && out[i] == L'*') continue;
    if (std::wcschr(L"<>/\\\":;?*,=`", out[i])) out[i] = L'_';
  }
  if (out.find_first_not_of(L" ") == std::wstring::npos) out = L"_";
  return out;
}

template <class Table, class Record>
AcDbObjectId AddRecord(AcDbObjectId tableId, Record* rec, const std::wstring& name) {
  std::unique_ptr<Record> owned(rec);
  Table* table = nullptr;
  if (acdbOpenObject(table, tableId, AcDb::kForWrite) != Acad::eOk) return AcDbObjectId::kNull;
  owned->setNameDirect(name);
  AcDbObjectId id;
  if (table->add(id, owned.get()) == Acad::eOk) {
    owned.release()->close();
  } else {
    id.setNull();
  }
  table->close();
  return id;
}

}  // namespace

std::wstring DxfUpper(const std::wstring& s) {
  std::wstring out = s;
  for (wchar_t& c : out) c = static_cast<wchar_t>(std::towupper(c));
  return out;
}

std::wstring DxfTypeName(std::string_view bytes) {
  bytes = TrimDxf(bytes);
  return FromUtf8(bytes.data(), bytes.size());
}

DxfReadContext::DxfReadContext(const DxfGroups& g, AcDbDatabase* database, DxfReadReport& r)
    : groups(g), db(database), report(r) {}

void DxfReadContext::damaged(size_t i, const std::wstring& reason) const {
  throw DxfDamage{i < groups.size() ? groups[i].line : 0, reason};
}

double DxfReadContext::real(size_t i) const {
  double v = 0.0;
  if (!ParseDxfReal(groups.value(i), v))
    damaged(i, L"group code " + std::to_wstring(groups[i].code) + L" needs a number, found " + Shown(groups.value(i)));
  return v;
}

long long DxfReadContext::integer(size_t i) const {
  long long v = 0;
  if (!ParseDxfInt(groups.value(i), v))
    damaged(i, L"group code " + std::to_wstring(groups[i].code) + L" needs a whole number, found " +
                   Shown(groups.value(i)));
  return v;
}

int DxfReadContext::int16(size_t i) const {
  long long v = integer(i);
  if (v < -32768 || v > 65535)
    damaged(i, L"group code " + std::to_wstring(groups[i].code) + L" is out of range: " + std::to_wstring(v));
  return static_cast<int>(v);
}

std::wstring DxfReadContext::text(size_t i) const { return decoder.decode(groups.value(i)); }

uint64_t DxfReadContext::handle(size_t i) const {
  uint64_t h = 0;
  if (!ParseDxfHandle(groups.value(i), h) || h > 0x7FFFFFFFFFFFFFFFull) return 0;
  return h;
}

void DxfReadContext::remember(std::map<std::wstring, AcDbObjectId>& cache, const std::wstring& name, AcDbObjectId id) {
  cache[DxfUpper(name)] = id;
}

AcDbObjectId DxfReadContext::layer(const std::wstring& name) {
  std::wstring n = name.empty() ? L"0" : name;
  auto it = layers.find(DxfUpper(n));
  if (it != layers.end()) return it->second;
  auto rec = new AcDbLayerTableRecord;
  rec->setLinetypeObjectId(db->continuousLinetype());
  std::wstring usable = UsableName(n);
  if (usable != n) report.renamed[L"layer \"" + n + L"\""] = usable;
  auto found = layers.find(DxfUpper(usable));
  AcDbObjectId id = found != layers.end() ? found->second
                                          : AddRecord<AcDbLayerTable>(db->layerTableId(), rec, usable);
  if (found != layers.end()) delete rec;
  if (id.isNull()) id = db->layerZero();
  remember(layers, n, id);
  remember(layers, usable, id);
  return id;
}

AcDbObjectId DxfReadContext::linetype(const std::wstring& name) {
  if (name.empty()) return db->byLayerLinetype();
  auto it = linetypes.find(DxfUpper(name));
  if (it != linetypes.end()) return it->second;
  std::wstring usable = UsableName(name);
  if (usable != name) report.renamed[L"linetype \"" + name + L"\""] = usable;
  auto found = linetypes.find(DxfUpper(usable));
  AcDbObjectId id = found != linetypes.end()
                        ? found->second
                        : AddRecord<AcDbLinetypeTable>(db->linetypeTableId(), new AcDbLinetypeTableRecord, usable);
  if (id.isNull()) id = db->byLayerLinetype();
  remember(linetypes, name, id);
  remember(linetypes, usable, id);
  return id;
}

AcDbObjectId DxfReadContext::textStyle(const std::wstring& name) {
  auto it = textStyles.find(DxfUpper(name));
  if (it != textStyles.end()) return it->second;
  it = textStyles.find(L"STANDARD");
  return it != textStyles.end() ? it->second : db->textstyle();
}

AcDbObjectId DxfReadContext::findDimStyle(const std::wstring& name) const {
  auto it = dimStyles.find(DxfUpper(name));
  return it != dimStyles.end() ? it->second : AcDbObjectId::kNull;
}

AcDbObjectId DxfReadContext::dimStyle(const std::wstring& name) {
  AcDbObjectId id = findDimStyle(name);
  if (id.isNull()) id = findDimStyle(L"Standard");
  return id.isNull() ? db->dimstyle() : id;
}

AcDbObjectId DxfReadContext::block(const std::wstring& name, bool create) {
  std::wstring upper = DxfUpper(name);
  if (upper == L"*MODEL_SPACE" || upper == L"$MODEL_SPACE") return db->modelSpaceId();
  if (upper == L"*PAPER_SPACE" || upper == L"$PAPER_SPACE") return db->paperSpaceId();
  auto it = blocks.find(upper);
  if (it != blocks.end() || !create) return it != blocks.end() ? it->second : AcDbObjectId::kNull;
  std::wstring usable = UsableName(name);
  if (usable != name) report.renamed[L"block \"" + name + L"\""] = usable;
  auto found = blocks.find(DxfUpper(usable));
  AcDbObjectId id = found != blocks.end()
                        ? found->second
                        : AddRecord<AcDbBlockTable>(db->blockTableId(), new AcDbBlockTableRecord, usable);
  if (id.isNull()) return id;
  remember(blocks, name, id);
  remember(blocks, usable, id);
  return id;
}

void DxfReadContext::ensureRegApp(const std::wstring& name) {
  if (name.empty() || regApps.count(DxfUpper(name))) return;
  AcDbObjectId id = AddRecord<AcDbRegAppTable>(db->regAppTableId(), new AcDbRegAppTableRecord, name);
  if (!id.isNull()) remember(regApps, name, id);
}

Acad::ErrorStatus DxfReadContext::addEntity(AcDbEntity* ent, uint64_t h, AcDbObjectId owner, AcDbObjectId& id) {
  AcDbBlockTableRecord* record = AcDbBlockTableRecord::cast(PeekObject(owner));
  if (!record) return Acad::eNotInDatabase;
  Acad::ErrorStatus es = Acad::eHandleInUse;
  if (h != 0 && !db->stubOf(AcDbHandle(h))) es = db->addObjectWithHandle(ent, AcDbHandle(h), id);
  if (es != Acad::eOk) es = db->addAcDbObject(id, ent);
  if (es != Acad::eOk) return es;
  ent->setOwnerId(owner);
  record->addEntityIdDirect(id);
  return Acad::eOk;
}

resbuf* DxfReadContext::xdata(size_t from, size_t to) {
  resbuf head;
  head.rbnext = nullptr;
  resbuf* tail = &head;
  auto append = [&](resbuf* rb) {
    tail->rbnext = rb;
    tail = rb;
  };
  try {
    for (size_t i = from; i < to; ++i) {
      const int code = groups[i].code;
      if (code == 1001) {
        std::wstring app = text(i);
        ensureRegApp(app);
        resbuf* rb = acutNewRb(1001);
        rb->resval.rstring = acutNewString(app.c_str());
        append(rb);
      } else if ((code >= 1000 && code <= 1003) || code == 1005) {
        const std::wstring value = text(i);
        resbuf* rb = acutNewRb(code);
        rb->resval.rstring = acutNewString(value.c_str());
        append(rb);
      } else if (code == 1004) {
        std::string_view hex = TrimDxf(groups.value(i));
        if (hex.size() % 2 || hex.size() > 254) damaged(i, L"group code 1004 needs hexadecimal bytes");
        std::string bytes;
        for (size_t k = 0; k < hex.size(); k += 2) {
          uint64_t b = 0;
          std::string pair(hex.substr(k, 2));
          char* end = nullptr;
          b = std::strtoul(pair.c_str(), &end, 16);
          if (!end || *end) damaged(i, L"group code 1004 needs hexadecimal bytes");
          bytes += static_cast<char>(b);
        }
        resbuf* rb = acutNewRb(1004);
        rb->resval.rbinary.clen = static_cast<short>(bytes.size());
        rb->resval.rbinary.buf = static_cast<char*>(std::malloc(bytes.size() + 1));
        std::memcpy(rb->resval.rbinary.buf, bytes.data(), bytes.size());
        append(rb);
      } else if (code >= 1010 && code <= 1013) {
        const double x = real(i);  // values are parsed before a buffer exists that could leak
        resbuf* rb = acutNewRb(code);
        rb->resval.rpoint[0] = x;
        rb->resval.rpoint[1] = rb->resval.rpoint[2] = 0.0;
        append(rb);
        for (int axis = 1; axis <= 2 && i + 1 < to && groups[i + 1].code == code + 10 * axis; ++axis)
          rb->resval.rpoint[axis] = real(++i);
      } else if (code >= 1040 && code <= 1042) {
        const double v = real(i);
        resbuf* rb = acutNewRb(code);
        rb->resval.rreal = v;
        append(rb);
      } else if (code == 1070) {
        const short v = static_cast<short>(int16(i));
        resbuf* rb = acutNewRb(code);
        rb->resval.rint = v;
        append(rb);
      } else if (code == 1071) {
        long long v = integer(i);
        if (v < -2147483648LL || v > 4294967295LL) damaged(i, L"group code 1071 is out of range");
        resbuf* rb = acutNewRb(code);
        rb->resval.rlong = static_cast<int32_t>(v);
        append(rb);
      } else {
        damaged(i, L"group code " + std::to_wstring(code) + L" cannot be part of extended data");
      }
    }
  } catch (...) {
    acutRelRb(head.rbnext);
    throw;
  }
  return head.rbnext;
}

int DxfReadReport::entitiesReadTotal() const {
  int n = 0;
  for (const auto& e : entitiesRead) n += e.second;
  return n;
}

int DxfReadReport::skippedEntitiesTotal() const {
  int n = 0;
  for (const auto& e : skippedEntities) n += e.second;
  return n;
}

}  // namespace zhost
