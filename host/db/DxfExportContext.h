// zhost::DxfExportContext: what the DXF export keeps while it writes one database: the handles it
// gives out (from the database's handle seed up, so the host's own handles stay as they are), the
// symbol names the written entities use (the tables get a record for every one of them), the
// anonymous blocks it makes for dimensions and the summary of what was written.
#pragma once

#include <cwctype>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "host/db/AcDbHandle.h"
#include "host/db/DxfGroupWriter.h"

class AcDbDatabase;

namespace zhost {

// What an export wrote; entities that neither have a DXF form nor explode are skipped.
struct DxfSummary {
  int entities = 0;  // DXF entities written (pieces of exploded entities included)
  int exploded = 0;  // entities written as what their explode gives
  int skipped = 0;   // entities left out: no DXF form and no explode
  std::map<std::wstring, int> skippedClasses;
};

struct DxfNameLess {
  bool operator()(const std::wstring& a, const std::wstring& b) const {
    size_t n = a.size() < b.size() ? a.size() : b.size();
    for (size_t i = 0; i < n; ++i) {
      wint_t x = std::towupper(static_cast<wint_t>(a[i])), y = std::towupper(static_cast<wint_t>(b[i]));
      if (x != y) return x < y;
    }
    return a.size() < b.size();
  }
};
typedef std::set<std::wstring, DxfNameLess> DxfNameSet;

class DxfExportContext {
 public:
  explicit DxfExportContext(AcDbDatabase* db);

  AcDbDatabase* database() const { return db_; }
  // A handle nobody in the database has: the seed and up.
  AcDbHandle newHandle();
  AcDbHandle nextHandle() const { return next_; }

  // Names used by written entities.
  DxfNameSet layers, linetypes, textStyles, dimStyles;
  // Names of the database's own blocks (a made-up block name must not clash).
  DxfNameSet blockNames;

  // An anonymous block the export makes itself (a dimension's picture).
  struct MadeBlock {
    std::wstring name;
    AcDbHandle record, begin, end;
    DxfGroupWriter body;  // its entities
  };
  std::vector<MadeBlock> madeBlocks;
  // A new "*D<n>" block with fresh handles; returns its index in madeBlocks.
  size_t newDimensionBlock();

  DxfSummary summary;

 private:
  AcDbDatabase* db_;
  AcDbHandle next_;
  int dimBlockCounter_ = 0;
};

}  // namespace zhost
