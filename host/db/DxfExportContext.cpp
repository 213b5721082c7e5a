// zhost::DxfExportContext: handles above the seed and the blocks the export makes.
#include "host/db/DxfExportContext.h"

#include "host/db/AcDbDatabase.h"

namespace zhost {

DxfExportContext::DxfExportContext(AcDbDatabase* db) : db_(db), next_(db->handseed()) {
  if (next_.isNull()) next_ = AcDbHandle(Adesk::UInt64(1));
}

AcDbHandle DxfExportContext::newHandle() {
  AcDbHandle h = next_;
  next_.increment();
  return h;
}

size_t DxfExportContext::newDimensionBlock() {
  std::wstring name;
  do {
    name = L"*D" + std::to_wstring(++dimBlockCounter_);
  } while (blockNames.count(name) != 0);
  blockNames.insert(name);
  MadeBlock block;
  block.name = name;
  block.record = newHandle();
  block.begin = newHandle();
  block.end = newHandle();
  madeBlocks.push_back(std::move(block));
  return madeBlocks.size() - 1;
}

}  // namespace zhost
