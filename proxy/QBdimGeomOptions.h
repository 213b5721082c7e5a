// Guarded reads and writes of the options that the chain geometry uses: the chain's own option
// arrays and the global option object's arrays (a missing entry reads as 0 and is not written),
// and the open-mode scope of the operations that change a chain.
#pragma once

#include "proxy/QBdim.h"
#include "settings/GlobDimOptions.h"

namespace qbgeom {

inline int ChainInt(const QBdim& dim, int k) {
  return k >= 0 && k < dim.arrayInt.GetSize() ? static_cast<int>(dim.arrayInt[k]) : 0;
}
inline void SetChainInt(QBdim& dim, int k, int value) {
  if (k >= 0 && k < dim.arrayInt.GetSize()) dim.arrayInt[k] = static_cast<UINT>(value);
}
inline double ChainDouble(const QBdim& dim, int k) {
  return k >= 0 && k < dim.arrayDouble.GetSize() ? dim.arrayDouble[k] : 0.0;
}
// The global chain set's double k (0 without the option object or entry).
inline double GlobalDouble(int k) {
  if (!pGlobDimOptions) return 0.0;
  const CArray<double, double>& values = pGlobDimOptions->dimSet.arrayDouble;
  return k >= 0 && k < values.GetSize() ? values[k] : 0.0;
}
// The general switch k (arrayOptInt).
inline int GlobalOptInt(int k) {
  if (!pGlobDimOptions) return 0;
  const CUIntArray& values = pGlobDimOptions->arrayOptInt;
  return k >= 0 && k < values.GetSize() ? static_cast<int>(values[k]) : 0;
}
inline void SetGlobalOptInt(int k, int value) {
  if (!pGlobDimOptions) return;
  CUIntArray& values = pGlobDimOptions->arrayOptInt;
  if (k >= 0 && k < values.GetSize()) values[k] = static_cast<UINT>(value);
}

// Upgrades an object opened for read to write for the scope and restores the open mode after.
class WriteScope {
 public:
  explicit WriteScope(AcDbObject* object) : object_(object) {
    if (object_ && !object_->isWriteEnabled()) upgraded_ = object_->upgradeOpen() == Acad::eOk;
  }
  ~WriteScope() {
    if (upgraded_) object_->downgradeOpen();
  }
  WriteScope(const WriteScope&) = delete;
  WriteScope& operator=(const WriteScope&) = delete;
  bool ok() const { return !object_ || object_->isWriteEnabled(); }

 private:
  AcDbObject* object_;
  bool upgraded_ = false;
};

}  // namespace qbgeom
