// Extended data of objects: reading a copy, replacing an application's data, the size limit.
#include <string>
#include <vector>

#include "host/db/AcDbDatabase.h"
#include "host/db/AcDbHostApplicationServices.h"
#include "host/db/AcDbObject.h"
#include "host/db/SymbolLookup.h"
#include "host/win/TextCase.h"

namespace {

// The group codes extended data may carry.
bool IsXDataCode(int code) {
  return (code >= 1000 && code <= 1005) || (code >= 1010 && code <= 1013) || (code >= 1040 && code <= 1042) ||
         code == 1070 || code == 1071;
}

bool IsStringCode(int code) { return code == 1000 || code == 1001 || code == 1002 || code == 1003 || code == 1005; }

int GroupSize(const resbuf* rb) {
  int code = rb->restype;
  if (IsStringCode(code)) return 2 + 2 + (rb->resval.rstring ? static_cast<int>(std::wcslen(rb->resval.rstring)) : 0);
  if (code == 1004) return 2 + 1 + (rb->resval.rbinary.clen > 0 ? rb->resval.rbinary.clen : 0);
  if (code >= 1010 && code <= 1013) return 2 + 24;
  if (code >= 1040 && code <= 1042) return 2 + 8;
  if (code == 1070) return 2 + 2;
  return 2 + 4;
}

// One application's part: its 1001 group and the groups up to the next 1001.
struct Block {
  const resbuf* name = nullptr;
  std::vector<const resbuf*> items;
};

std::vector<Block> Split(const resbuf* rb) {
  std::vector<Block> blocks;
  for (; rb; rb = rb->rbnext) {
    if (rb->restype == 1001) {
      blocks.push_back(Block{rb, {}});
      continue;
    }
    if (!blocks.empty()) blocks.back().items.push_back(rb);
  }
  return blocks;
}

std::wstring AppName(const Block& b) { return b.name->resval.rstring ? b.name->resval.rstring : L""; }

resbuf* CopyOne(const resbuf* rb) {
  resbuf one = *rb;
  one.rbnext = nullptr;
  return acutCopyRb(&one);
}

Acad::ErrorStatus Validate(const resbuf* list) {
  if (list->restype != 1001) return Acad::eInvalidInput;
  int depth = 0;
  for (const resbuf* rb = list; rb; rb = rb->rbnext) {
    int code = rb->restype;
    if (code == 1001) {
      if (depth != 0) return Acad::eInvalidInput;
      if (!rb->resval.rstring || !*rb->resval.rstring) return Acad::eInvalidInput;
      continue;
    }
    if (!IsXDataCode(code)) return Acad::eInvalidInput;
    if (IsStringCode(code) && !rb->resval.rstring) return Acad::eInvalidInput;
    if (code == 1004 && (rb->resval.rbinary.clen < 0 || (rb->resval.rbinary.clen > 0 && !rb->resval.rbinary.buf)))
      return Acad::eInvalidInput;
    if (code == 1002) {
      std::wstring brace = rb->resval.rstring;
      if (brace == L"{")
        ++depth;
      else if (brace == L"}" && depth > 0)
        --depth;
      else
        return Acad::eInvalidInput;
    }
  }
  return depth == 0 ? Acad::eOk : Acad::eInvalidInput;
}

}  // namespace

resbuf* AcDbObject::xData(const ACHAR* regappName) const {
  assertReadEnabled();
  bool all = !regappName || !*regappName;
  resbuf* head = nullptr;
  resbuf** tail = &head;
  for (const Block& b : Split(xdata_)) {
    if (!all && !zhost::EqualsNoCase(AppName(b), regappName)) continue;
    *tail = CopyOne(b.name);
    tail = &(*tail)->rbnext;
    for (const resbuf* item : b.items) {
      *tail = CopyOne(item);
      tail = &(*tail)->rbnext;
    }
  }
  return head;
}

int AcDbObject::xDataSize() const {
  int size = 0;
  for (const resbuf* rb = xdata_; rb; rb = rb->rbnext) size += GroupSize(rb);
  return size;
}

Acad::ErrorStatus AcDbObject::setXData(const resbuf* xdata) {
  if (!isWriteEnabled()) assertWriteEnabled();
  while (xdata && xdata->restype == -3) xdata = xdata->rbnext;
  if (!xdata) return Acad::eOk;
  Acad::ErrorStatus es = Validate(xdata);
  if (es != Acad::eOk) return es;
  std::vector<Block> given = Split(xdata);

  AcDbDatabase* db = intendedDatabase();
  if (!db) db = acdbHostApplicationServices()->workingDatabase();
  if (db) {
    for (const Block& b : given)
      if (zhost::FindRecord(db->regAppTableId(), AppName(b)).isNull()) return Acad::eRegappIdNotFound;
  }

  // The new xdata: the current blocks with given applications replaced in place (or dropped
  // when given by name alone), then the applications that had none.
  std::vector<Block> current = Split(xdata_);
  std::vector<Block> merged;
  std::vector<bool> used(given.size(), false);
  for (const Block& c : current) {
    size_t k = 0;
    while (k < given.size() && !zhost::EqualsNoCase(AppName(given[k]), AppName(c))) ++k;
    if (k == given.size()) {
      merged.push_back(c);
      continue;
    }
    // The last block of an application given twice wins.
    size_t last = k;
    for (size_t m = k; m < given.size(); ++m)
      if (zhost::EqualsNoCase(AppName(given[m]), AppName(c))) {
        used[m] = true;
        last = m;
      }
    if (!given[last].items.empty()) merged.push_back(given[last]);
  }
  for (size_t k = 0; k < given.size(); ++k) {
    if (used[k] || given[k].items.empty()) continue;
    size_t last = k;
    for (size_t m = k; m < given.size(); ++m)
      if (zhost::EqualsNoCase(AppName(given[m]), AppName(given[k]))) {
        used[m] = true;
        last = m;
      }
    merged.push_back(given[last]);
  }

  int size = 0;
  for (const Block& b : merged) {
    size += GroupSize(b.name);
    for (const resbuf* item : b.items) size += GroupSize(item);
  }
  if (size > kMaxXDataSize) return Acad::eXdataSizeExceeded;

  resbuf* head = nullptr;
  resbuf** tail = &head;
  for (const Block& b : merged) {
    *tail = CopyOne(b.name);
    tail = &(*tail)->rbnext;
    for (const resbuf* item : b.items) {
      *tail = CopyOne(item);
      tail = &(*tail)->rbnext;
    }
  }
  assertWriteEnabled();
  acutRelRb(xdata_);
  xdata_ = head;
  modifiedXData_ = true;
  return Acad::eOk;
}
