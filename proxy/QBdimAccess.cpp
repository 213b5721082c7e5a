// The chain's small accessors: point slots, extension flag words and symbols, and the size
// conversions from millimetres on paper to drawing units.
#include "proxy/QBdim.h"

#include <cstdlib>

#include "acadobjects/AcadVars.h"
#include "host/db/AcDbHostApplicationServices.h"
#include "host/ed/CommandLine.h"
#include "host/mfc/Exceptions.h"
#include "settings/DebugLog.h"
#include "settings/GlobDimOptions.h"

namespace {

const int kSlotInput = 0;
const int kSlotExt1 = 1;
const int kSlotDim = 2;
const int kSlotExt2 = 3;

// Symbol override bits in the order in which GetSymbolType looks for them, with their types.
struct SymbolBit {
  UINT bit;
  int type;
};
const SymbolBit kSymbolLookupOrder[] = {{EXTFLAG_SYMBOL1, 1}, {EXTFLAG_SYMBOL3, 3}, {EXTFLAG_SYMBOL2, 2},
                                        {EXTFLAG_SYMBOL4, 4}, {EXTFLAG_SYMBOL5, 5}, {EXTFLAG_SYMBOL0, 0}};

// The override bit of a symbol type; 0 for a type outside 0 to 5.
UINT SymbolBitOfType(int type) {
  for (const SymbolBit& entry : kSymbolLookupOrder) {
    if (entry.type == type) return entry.bit;
  }
  return 0;
}

}  // namespace

int QBdim::GetExtensions() const { return arrayPoints.length() / 4; }

AcGeVector3d QBdim::GetNormal() const { return m_xyzAxis[0].crossProduct(m_xyzAxis[1]); }

// The slot k of extension iExt for the three plain point getters (negative: its absolute value).
static AcGePoint3d PlainSlot(const QBdim* chain, int iExt, int k, const wchar_t* name) {
  int n = chain->GetExtensions();
  int index = std::abs(iExt);
  if (n < 2 || index >= n) {
    TraceMsgF(L"\n%s: index %d outside 0..%d ", name, iExt, n - 1);
    return AcGePoint3d::kOrigin;
  }
  return chain->arrayPoints[4 * index + k];
}

AcGePoint3d QBdim::GetPointInput(int iExt) const {
  assertReadEnabled();
  return PlainSlot(this, iExt, kSlotInput, L"GetPointInput");
}

AcGePoint3d QBdim::GetPointExt1(int iExt) const {
  assertReadEnabled();
  return PlainSlot(this, iExt, kSlotExt1, L"GetPointExt1");
}

AcGePoint3d QBdim::GetPointExt2(int iExt) const {
  assertReadEnabled();
  return PlainSlot(this, iExt, kSlotExt2, L"GetPointExt2");
}

AcGePoint3d QBdim::GetPointDim(int iExt) const {
  assertReadEnabled();
  int n = GetExtensions();
  int index = iExt;
  // -100 and -99 are the callers' names for the second and the first extension.
  if (index == -100) {
    index = 1;
  } else if (index == -99) {
    index = 0;
  } else if (index < 0) {
    index = -index;
  }
  if (index == n) index = n - 1;
  if (n == 0 || index > n || index < 0) {
    TraceMsgF(L"\nGetPointDim: index %d outside 0..%d ", iExt, n - 1);
    return AcGePoint3d::kOrigin;
  }
  return arrayPoints[4 * index + kSlotDim];
}

void QBdim::SetPointSlot(int iExt, int k, const AcGePoint3d& p) {
  assertWriteEnabled();
  if (iExt < 0 || k < 0 || k > 3 || 4 * iExt + k >= arrayPoints.length()) AfxThrowInvalidArgException();
  arrayPoints[4 * iExt + k] = p;
}

int QBdim::IsExtLineVisible(int iExt) const {
  assertReadEnabled();
  if (iExt < 0 || iExt >= arrayExtFlags.GetSize()) return 1;
  return (arrayExtFlags[iExt] & EXTFLAG_HIDDEN) ? 0 : 1;
}

int QBdim::SetExtLineVisible(int iExt, int visible) {
  if (iExt < 0 || iExt >= arrayExtFlags.GetSize()) return 0;
  assertWriteEnabled();
  UINT old = arrayExtFlags[iExt];
  arrayExtFlags[iExt] = visible ? (old & ~EXTFLAG_HIDDEN) : (old | EXTFLAG_HIDDEN);
  return (old & EXTFLAG_HIDDEN) ? 1 : 0;
}

int QBdim::SetLeader(int iExt, int on) {
  if (iExt < 0 || iExt >= arrayExtFlags.GetSize()) return 0;
  assertWriteEnabled();
  UINT old = arrayExtFlags[iExt];
  arrayExtFlags[iExt] = on ? (old | EXTFLAG_LEADER) : (old & ~EXTFLAG_LEADER);
  return (old & EXTFLAG_LEADER) ? 1 : 0;
}

int QBdim::GetSymbolType(int iExt) const {
  assertReadEnabled();
  int lastType = static_cast<int>(arrayInt[IND_I_LastType]);
  if (iExt < 0) {
    for (int k = 0; k < GetExtensions(); ++k) {
      if (GetSymbolType(k) != lastType) return -1;
    }
    return lastType;
  }
  if (iExt >= arrayExtFlags.GetSize()) return lastType;
  UINT flags = arrayExtFlags[iExt];
  for (const SymbolBit& entry : kSymbolLookupOrder) {
    if (flags & entry.bit) return entry.type;
  }
  return lastType;
}

int QBdim::SetSymbolType(int iExt, int type) {
  assertWriteEnabled();
  if (iExt < 0) {
    arrayInt.SetAtGrow(IND_I_LastType, static_cast<UINT>(type));
    for (INT_PTR k = 0; k < arrayExtFlags.GetSize(); ++k) arrayExtFlags[k] &= ~EXTFLAG_SYMBOLS;
    return static_cast<int>(arrayInt[IND_I_LastType]);
  }
  int lastType = static_cast<int>(arrayInt[IND_I_LastType]);
  if (iExt >= arrayExtFlags.GetSize()) return lastType;
  UINT flags = arrayExtFlags[iExt] & ~EXTFLAG_SYMBOLS;
  if (type != lastType) flags |= SymbolBitOfType(type);
  arrayExtFlags[iExt] = flags;
  return lastType;
}

double QBdim::GetScaleValue() {
  // A zero scale would divide every size by zero; it is repaired in place (also while only
  // open for read, as drawing needs a usable value).
  double scale = arrayDouble[IND_D_ScaleVal];
  if (scale == 0.0) {
    arrayDouble[IND_D_ScaleVal] = 0.01;
    scale = 0.01;
    acutPrintf(L"\n!!! Scale=0 !!!");
  }
  if (arrayString.GetSize() > IND_S_Scale && IsAnnotativeScaleName(arrayString[IND_S_Scale])) {
    AcDbDatabase* db = database();
    if (!db && acdbHostApplicationServices()) db = acdbHostApplicationServices()->workingDatabase();
    return GetCurAnnotationScale(db);
  }
  return scale;
}

double QBdim::ScaledSize(double x) {
  double units = arrayDouble[IND_D_AcadUnits];
  if (units == 0.0) {
    arrayDouble[IND_D_AcadUnits] = 0.001;
    units = 0.001;
  }
  return x / GetScaleValue() * units;
}

double QBdim::AdaptByTextHeight(int k) {
  double percent = 10.0;
  if (pGlobDimOptions && k >= 0 && k < pGlobDimOptions->dimSet.arrayDouble.GetSize()) {
    percent = pGlobDimOptions->dimSet.arrayDouble[k];
  } else if (k >= 0 && k < arrayDouble.GetSize()) {
    percent = arrayDouble[k];
  } else {
    acutPrintf(L"\n!!! AdaptByTextHeight i=%d ", k);
  }
  if (percent == 0.0) percent = 10.0;
  return ScaledSize(arrayDouble[IND_D_TextHeight] / 10.0 * percent / 100.0);
}
