// DWG and DXF filing of the chain dimension. Counts are signed 16-bit numbers, integers are
// filed with their low 16 bits, and the program version is stamped into int option 13 on the
// way out. A format newer than this program's is left to the host as a proxy.
#include "proxy/QBdim.h"

#include <exception>

#include "frame/AppLifecycle.h"
#include "frame/AppVersion.h"
#include "host/db/AcDbDwgFiler.h"
#include "host/db/AcDbDxfFiler.h"
#include "host/mfc/Exceptions.h"
#include "host/rx/ads.h"
#include "settings/DebugLog.h"
#include "settings/GlobDimOptions.h"

namespace {

// Versions 1 and 2 lack the coordinate system, version 1 also the dimension direction.
const int kFirstVersionWithDirection = 2;
const int kFirstVersionWithCoordSystem = 3;
// Version 3 chains depend on their arc object; without it they stay proxies.
const int kVersionNeedingArcObject = 3;
const int kArcPointCount = 7;

bool FilingAllowed() { return pGlobDimOptions != nullptr && !IsAppUnloaded(); }

// A count as the reader will see it: the signed 16-bit value of what is written.
Adesk::Int16 Count16(INT_PTR size) { return static_cast<Adesk::Int16>(size); }

void WriteString(AcDbDwgFiler* filer, const CString& text) { filer->writeString(text.GetString()); }

// Reads one string into target; a null string (or a failed read) leaves target as it was.
void ReadStringInto(AcDbDwgFiler* filer, CString& target) {
  ACHAR* text = nullptr;
  if (filer->readString(&text) == Acad::eOk && text) target = text;
  if (text) acutDelString(text);
}

Adesk::Int16 ReadInt16(AcDbDwgFiler* filer) {
  Adesk::Int16 value = 0;
  filer->readInt16(&value);
  return value;
}

// A filed count: negative counts (from sizes beyond 32767) read as none.
int ReadCount(AcDbDwgFiler* filer) {
  Adesk::Int16 count = ReadInt16(filer);
  return count > 0 ? count : 0;
}

void RepairAxes(AcGeVector3d axes[3]) {
  bool degenerate = axes[0].length() == 0.0 || axes[1].length() == 0.0 || axes[2].length() == 0.0;
  if (!degenerate) return;
  axes[0] = AcGeVector3d::kXAxis;
  axes[1] = AcGeVector3d::kYAxis;
  axes[2] = AcGeVector3d::kZAxis;
}

void WriteAppendingText(AcDbDwgFiler* filer, const AppendingText* record) {
  filer->writeInt16(record->iExt);
  filer->writePoint3d(record->ptPosition);
  filer->writeInt16(static_cast<Adesk::Int16>(record->iPosition));
  WriteString(filer, record->strText);
  filer->writeDouble(record->dValue);
  filer->writeInt16(record->iMode);
  WriteString(filer, record->strExtra);
}

AppendingText* ReadAppendingText(AcDbDwgFiler* filer) {
  AppendingText* record = new AppendingText;
  record->iExt = ReadInt16(filer);
  filer->readPoint3d(&record->ptPosition);
  record->iPosition = ReadInt16(filer);
  ReadStringInto(filer, record->strText);
  filer->readDouble(&record->dValue);
  record->iMode = ReadInt16(filer);
  ReadStringInto(filer, record->strExtra);
  return record;
}

}  // namespace

Acad::ErrorStatus QBdim::dwgOutFields(AcDbDwgFiler* filer) const {
  assertReadEnabled();
  Acad::ErrorStatus es = AcDbEntity::dwgOutFields(filer);
  if (es != Acad::eOk) return es;
  if (!FilingAllowed()) return Acad::eInvalidInput;
  if (arrayInt.IsEmpty() || arrayDouble.IsEmpty() || arrayString.IsEmpty()) return Acad::eInvalidInput;
  try {
    const int n = GetExtensions();
    filer->writeInt16(static_cast<Adesk::Int16>(QBDIM_FILING_VERSION));
    filer->writeInt16(static_cast<Adesk::Int16>(m_dimType));
    filer->writePoint3d(m_xyzOrigin);
    for (const AcGeVector3d& axis : m_xyzAxis) filer->writeVector3d(axis);
    filer->writeDouble(m_dRotation);
    filer->writeVector3d(m_vectorDim);

    const Adesk::Int16 points = Count16(arrayPoints.length());
    filer->writeInt16(points);
    for (int k = 0; k < points; ++k) filer->writePoint3d(arrayPoints[k]);

    if (arrayText.GetSize() != n) TraceMsgF(L"\nQBdim out: %d texts for %d extensions ", static_cast<int>(arrayText.GetSize()), n);
    const Adesk::Int16 texts = Count16(arrayText.GetSize());
    filer->writeInt16(texts);
    for (int k = 0; k < texts; ++k) WriteString(filer, arrayText[k]);

    const Adesk::Int16 doubles = Count16(arrayDouble.GetSize());
    filer->writeInt16(doubles);
    for (int k = 0; k < doubles; ++k) filer->writeDouble(arrayDouble[k]);

    const Adesk::Int16 strings = Count16(arrayString.GetSize());
    filer->writeInt16(strings);
    for (int k = 0; k < strings; ++k) WriteString(filer, arrayString[k]);

    const Adesk::Int16 ints = Count16(arrayInt.GetSize());
    filer->writeInt16(ints);
    for (int k = 0; k < ints; ++k) {
      UINT value = k == IND_I_AppVersion ? static_cast<UINT>(GetAppVersionNumber()) : arrayInt[k];
      filer->writeUInt16(static_cast<Adesk::UInt16>(value));
    }

    filer->writeVector3d(m_vecNormal);
    filer->writeHardPointerId(AcDbHardPointerId(m_idTextStyle));

    const Adesk::Int16 appended = Count16(AppendTextList.GetSize());
    filer->writeInt16(appended);
    for (int k = 0; k < appended; ++k) WriteAppendingText(filer, AppendingTextAt(k));

    if (IsDimArc()) {
      // One more than the points, so that a present arc block never counts 0.
      filer->writeInt16(Count16(m_arcPoints.length() + 1));
      filer->writeHardPointerId(AcDbHardPointerId(m_arcObjectId));
      filer->writeUInt16(static_cast<Adesk::UInt16>(m_arcSubent));
      for (int k = 0; k < m_arcPoints.length(); ++k) filer->writePoint3d(m_arcPoints[k]);
      const Adesk::Int16 params = Count16(arrayParam.GetSize());
      filer->writeInt16(params);
      for (int k = 0; k < params; ++k) filer->writeDouble(arrayParam[k]);
    } else {
      filer->writeInt16(0);
      filer->writeInt16(0);
    }

    // A flag array out of step with the extensions cannot be matched to them any more.
    if (arrayExtFlags.GetSize() != n) {
      CUIntArray& flags = const_cast<CUIntArray&>(arrayExtFlags);
      flags.RemoveAll();
      flags.SetSize(n);
    }
    const Adesk::Int16 flagCount = Count16(arrayExtFlags.GetSize());
    filer->writeInt16(flagCount);
    if (flagCount != 0) {
      for (int k = 0; k < flagCount; ++k) filer->writeInt16(static_cast<Adesk::Int16>(arrayExtFlags[k]));
      filer->writeInt16(0);
    }
  } catch (CException* e) {
    e->Delete();
    TraceMsg(L"\nQBdim out: exception ");
    es = Acad::eFilerError;
  } catch (const std::exception&) {
    TraceMsg(L"\nQBdim out: exception ");
    es = Acad::eFilerError;
  }
  TraceMsg(L" - out STOP");
  // A write the filer refused is reported, not passed off as done.
  if (es == Acad::eOk) es = filer->filerStatus();
  return es;
}

Acad::ErrorStatus QBdim::dwgInFields(AcDbDwgFiler* filer) {
  assertWriteEnabled();
  Acad::ErrorStatus es = AcDbEntity::dwgInFields(filer);
  if (es != Acad::eOk) return es;
  if (!FilingAllowed()) return Acad::eInvalidInput;

  const int version = ReadInt16(filer);
  if (filer->filerStatus() != Acad::eOk) return filer->filerStatus();
  if (version > QBDIM_FILING_VERSION) return Acad::eMakeMeProxy;

  m_dimType = ReadInt16(filer);
  if (version >= kFirstVersionWithCoordSystem) {
    filer->readPoint3d(&m_xyzOrigin);
    for (AcGeVector3d& axis : m_xyzAxis) filer->readVector3d(&axis);
  } else {
    m_xyzOrigin = AcGePoint3d::kOrigin;
    m_xyzAxis[0] = AcGeVector3d::kXAxis;
    m_xyzAxis[1] = AcGeVector3d::kYAxis;
    m_xyzAxis[2] = AcGeVector3d::kZAxis;
  }
  RepairAxes(m_xyzAxis);
  filer->readDouble(&m_dRotation);
  if (version >= kFirstVersionWithDirection) {
    filer->readVector3d(&m_vectorDim);
  } else {
    m_vectorDim = AcGeVector3d::kXAxis;
  }
  if (m_vectorDim.length() == 0.0) m_vectorDim = AcGeVector3d::kXAxis;

  const int points = ReadCount(filer);
  arrayPoints.setLogicalLength(points);
  for (int k = 0; k < points; ++k) filer->readPoint3d(&arrayPoints[k]);

  const int texts = ReadCount(filer);
  arrayText.RemoveAll();
  arrayText.SetSize(texts);
  for (int k = 0; k < texts; ++k) ReadStringInto(filer, arrayText[k]);

  // What the file does not carry keeps the current global chain options.
  if (pGlobDimOptions) {
    const ModeOptionSet& global = pGlobDimOptions->dimSet;
    for (INT_PTR k = 0; k < global.arrayDouble.GetSize(); ++k) arrayDouble.SetAtGrow(k, global.arrayDouble[k]);
    for (INT_PTR k = 0; k < global.arrayString.GetSize(); ++k) arrayString.SetAtGrow(k, global.arrayString[k]);
    for (INT_PTR k = 0; k < global.arrayInt.GetSize(); ++k) arrayInt.SetAtGrow(k, global.arrayInt[k]);
  }
  const int doubles = ReadCount(filer);
  for (int k = 0; k < doubles; ++k) {
    double value = k < arrayDouble.GetSize() ? arrayDouble[k] : 0.0;
    filer->readDouble(&value);
    arrayDouble.SetAtGrow(k, value);
  }
  const int strings = ReadCount(filer);
  for (int k = 0; k < strings; ++k) {
    if (k >= arrayString.GetSize()) arrayString.SetAtGrow(k, CString());
    ReadStringInto(filer, arrayString[k]);
  }
  const int ints = ReadCount(filer);
  for (int k = 0; k < ints; ++k) {
    Adesk::UInt16 value = 0;
    filer->readUInt16(&value);
    arrayInt.SetAtGrow(k, value);
  }

  filer->readVector3d(&m_vecNormal);
  AcDbHardPointerId textStyle;
  filer->readHardPointerId(&textStyle);
  m_idTextStyle = textStyle;

  // Re-reading (undo) replaces the records; duplicates in the file merge into the first one.
  for (INT_PTR k = 0; k < AppendTextList.GetSize(); ++k) delete AppendTextList[k];
  AppendTextList.RemoveAll();
  const int appended = ReadCount(filer);
  for (int k = 0; k < appended; ++k) {
    AppendingText* record = ReadAppendingText(filer);
    AppendingText* found = nullptr;
    if (GetAppendingText(record->iExt, found) >= 0) {
      record->CopyTo(found);
      delete record;
    } else {
      AppendTextList.Add(record);
    }
  }

  const int arcCount = ReadInt16(filer);
  m_arcObjectId = AcDbObjectId::kNull;
  m_arcPoints.setLogicalLength(0);
  if (arcCount != 0) {
    AcDbHardPointerId arcId;
    filer->readHardPointerId(&arcId);
    Adesk::UInt16 subent = 0;
    filer->readUInt16(&subent);
    m_arcSubent = subent;
    // While a drawing file is read, the arc may come later in the file: its slot exists but
    // holds no object yet.
    bool pending = filer->filerType() == AcDb::kFileFiler && !arcId.isNull() && !arcId.isValid();
    if ((arcId.isValid() && !arcId.isErased()) || pending) m_arcObjectId = arcId;
    const int arcPoints = arcCount > 1 ? arcCount - 1 : 0;
    m_arcPoints.setLogicalLength(arcPoints);
    for (int k = 0; k < arcPoints; ++k) filer->readPoint3d(&m_arcPoints[k]);
  }
  if (IsDimArc() && m_arcPoints.length() < kArcPointCount) m_arcPoints.setLogicalLength(kArcPointCount);
  Acad::ErrorStatus result = Acad::eOk;
  if (IsDimArc() && m_arcObjectId.isNull() && version == kVersionNeedingArcObject) result = Acad::eMakeMeProxy;

  const int params = ReadCount(filer);
  arrayParam.RemoveAll();
  arrayParam.SetSize(params);
  for (int k = 0; k < params; ++k) filer->readDouble(&arrayParam[k]);

  // Nothing below may act on half-read data.
  if (filer->filerStatus() != Acad::eOk) return filer->filerStatus();

  const int n = GetExtensions();
  if (arrayText.GetSize() != n) arrayText.SetSize(n);
  if (n == 0) {
    TraceMsg(L"\nQBdim in: no extensions ");
    return Acad::eMakeMeProxy;
  }

  const int flagCount = ReadInt16(filer);
  arrayExtFlags.RemoveAll();
  arrayExtFlags.SetSize(n);
  if (flagCount != 0) {
    for (int k = 0; k < flagCount; ++k) {
      Adesk::Int16 value = 0;
      filer->readInt16(&value);
      arrayExtFlags.SetAtGrow(k, static_cast<Adesk::UInt16>(value));
    }
    if (flagCount != n) {
      arrayExtFlags.RemoveAll();
      arrayExtFlags.SetSize(n);
    }
    ReadInt16(filer);
  }

  if (filer->filerStatus() != Acad::eOk) return filer->filerStatus();

  // After the flags, so that re-sorting moves them together with their extensions.
  if (IsDimArc()) {
    if (arrayParam.GetSize() != n) MakeParamArray();
    if (arrayInt.GetSize() > IND_I_AppVersion && arrayInt[IND_I_AppVersion] == 0) RearrangeExtensions(0);
  }
  return result;
}

Acad::ErrorStatus QBdim::dxfOutFields(AcDbDxfFiler* filer) const {
  assertReadEnabled();
  Acad::ErrorStatus es = AcDbEntity::dxfOutFields(filer);
  if (es != Acad::eOk) return es;
  return filer->filerStatus();
}

Acad::ErrorStatus QBdim::dxfInFields(AcDbDxfFiler* filer) {
  assertWriteEnabled();
  Acad::ErrorStatus es = AcDbEntity::dxfInFields(filer);
  if (es != Acad::eOk) return es;
  return filer->filerStatus();
}

Acad::ErrorStatus QBdim::applyPartialUndo(AcDbDwgFiler* undoFiler, AcRxClass* classObj) {
  TraceMsg(L"\nQBdim applyPartialUndo start ");
  Acad::ErrorStatus es = AcDbEntity::applyPartialUndo(undoFiler, classObj);
  TraceMsg(L"\nQBdim applyPartialUndo stop ");
  return es;
}

Acad::ErrorStatus QBdim::getPlane(AcGePlane& plane, AcDb::Planarity& planarity) const {
  (void)plane;
  (void)planarity;
  return Acad::eNotApplicable;
}
