// The chain dimension's runtime class, default construction, the option copy from the global
// option object, the coordinate system and copying from another chain.
#include "proxy/QBdim.h"

#include "acadobjects/AcadVars.h"
#include "frame/AppVersion.h"
#include "frame/EntityClassRegistration.h"
#include "frame/MainPalette.h"
#include "host/db/AcDbDatabase.h"
#include "host/db/AcDbHostApplicationServices.h"
#include "host/db/AcDbTextStyleTable.h"
#include "host/db/AcDbUcs.h"
#include "host/mfc/Exceptions.h"
#include "settings/DebugLog.h"
#include "settings/GlobDimOptions.h"
#include "ui/DlgMain.h"

namespace {
AcRxClass* g_pQBdimClass = nullptr;

AcRxObject* MakeQBdim() { return new QBdim; }

// The database a chain looks things up in: its own, else the working one.
AcDbDatabase* ChainDatabase(const QBdim* chain) {
  AcDbDatabase* db = chain->database();
  if (db) return db;
  AcDbHostApplicationServices* services = acdbHostApplicationServices();
  return services ? services->workingDatabase() : nullptr;
}

AcDbObjectId FindTextStyle(AcDbDatabase* db, const wchar_t* name) {
  AcDbObjectId id;
  if (!db || !name || !*name) return id;
  AcDbTextStyleTable* table = nullptr;
  if (db->getTextStyleTable(table, AcDb::kForRead) != Acad::eOk || !table) return id;
  if (table->getAt(name, id) != Acad::eOk) id = AcDbObjectId::kNull;
  table->close();
  return id;
}

// The chain-mode set of the global option object, stamped with the running version and the
// current option file.
void CopyGlobalChainOptions(QBdim* chain) {
  if (!pGlobDimOptions) return;
  const ModeOptionSet& set = pGlobDimOptions->dimSet;
  chain->arrayDouble.Copy(set.arrayDouble);
  chain->arrayString.Copy(set.arrayString);
  chain->arrayInt.Copy(set.arrayInt);
  chain->arrayInt.SetAtGrow(IND_I_AppVersion, static_cast<UINT>(GetAppVersionNumber()));
  chain->arrayString.SetAtGrow(IND_S_IniFile, pGlobDimOptions->strCurOptionsFile);
}

}  // namespace

AcRxClass* QBdim::desc() { return g_pQBdimClass; }

AcRxClass* QBdim::isA() const { return desc(); }

void QBdim::rxInit() { g_pQBdimClass = RegisterEntityClass(g_pQBdimClass, L"QBdim", L"QTRV_ZENKORA", MakeQBdim); }

void QBdim::rxUninit() { DeleteEntityClass(g_pQBdimClass); }

QBdim::QBdim() {
  for (AcGeVector3d& axis : m_xyzAxis) axis.set(0.0, 0.0, 0.0);
}

QBdim::~QBdim() {
  for (INT_PTR k = 0; k < AppendTextList.GetSize(); ++k) delete AppendTextList[k];
  AppendTextList.RemoveAll();
}

void QBdim::Initialize(int keepOptions) {
  assertWriteEnabled();
  m_vecNormal.set(0.0, 0.0, 1.0);
  if (keepOptions != 0) return;
  // The palette hands over the chain set overlaid by what it shows, as in the chain mode;
  // without a palette the chain takes the global chain set. No message box interrupts this.
  if (dlgMyApp && dlgMyApp->GetSafeHwnd()) {
    const int mode = dlgMyApp->m_iCurrentMode;
    dlgMyApp->m_iCurrentMode = MODE_DIM;
    int change = 0;
    const bool taken = dlgMyApp->InitParameters(this, &change);
    // The transfer may have taken the palette down (no drawing left).
    if (dlgMyApp) dlgMyApp->m_iCurrentMode = mode;
    if (taken) return;
  }
  CopyGlobalChainOptions(this);
}

void QBdim::SetCoordSystem(const AcGeMatrix3d* ucs) {
  bool upgraded = false;
  if (database() && !isWriteEnabled()) upgraded = upgradeOpen() == Acad::eOk;
  AcGeMatrix3d mat;
  if (ucs) {
    mat = *ucs;
  } else {
    acdbUcsMatrix(mat, acdbHostApplicationServices() ? acdbHostApplicationServices()->workingDatabase() : nullptr);
  }
  AcGeVector3d zIgnored;
  mat.getCoordSystem(m_xyzOrigin, m_xyzAxis[0], m_xyzAxis[1], zIgnored);
  m_xyzAxis[0].normalize();
  m_xyzAxis[1].normalize();
  m_xyzAxis[2] = m_xyzAxis[0].crossProduct(m_xyzAxis[1]);
  UpdateDirection();
  if (upgraded) downgradeOpen();
}

int QBdim::CopyFrom(const QBdim* src) {
  if (!src) return 0;
  Initialize(0);
  m_dimType = src->m_dimType;
  m_xyzOrigin = src->m_xyzOrigin;
  for (int k = 0; k < 3; ++k) m_xyzAxis[k] = src->m_xyzAxis[k];
  m_dRotation = src->m_dRotation;
  m_vectorDim = src->m_vectorDim;
  m_idTextStyle = src->m_idTextStyle;
  m_vecNormal = src->m_vecNormal;
  arrayPoints.setLogicalLength(src->arrayPoints.length());
  for (int k = 0; k < src->arrayPoints.length(); ++k) arrayPoints[k] = src->arrayPoints[k];
  arrayText.SetSize(src->arrayText.GetSize());
  for (INT_PTR k = 0; k < src->arrayText.GetSize(); ++k) arrayText[k] = src->arrayText[k];
  for (INT_PTR k = 0; k < src->AppendTextList.GetSize(); ++k) {
    AppendingText* copy = new AppendingText;
    src->AppendingTextAt(k)->CopyTo(copy);
    AppendTextList.Add(copy);
  }
  CopyParams(src);
  return 1;
}

int QBdim::CopyParams(const QBdim* src) {
  if (!src) return 0;
  assertWriteEnabled();
  for (INT_PTR k = 0; k < src->arrayDouble.GetSize(); ++k) arrayDouble.SetAtGrow(k, src->arrayDouble[k]);
  for (INT_PTR k = 0; k < src->arrayString.GetSize(); ++k) arrayString.SetAtGrow(k, src->arrayString[k]);

  // The arc options describe this chain's own measured arc, not the source's.
  const int ownArcOptions[] = {IND_I_ArcDimMinPoint, IND_I_ArcDimMaxPoint, IND_I_ArcDimAsCircle, IND_I_ArcDimCW,
                               IND_I_ArcDimInputArcIsCircle};
  CUIntArray own;
  own.Copy(arrayInt);
  arrayInt.Copy(src->arrayInt);
  for (int index : ownArcOptions) {
    if (index < own.GetSize()) arrayInt.SetAtGrow(index, own[index]);
  }

  m_vecNormal.set(0.0, 0.0, 1.0);
  if (arrayString.GetSize() < 2) AfxThrowInvalidArgException();
  m_idTextStyle = FindTextStyle(ChainDatabase(this), arrayString[IND_S_TextStyle]);
  setPropertiesFrom(src);
  if (GetActiveCommand(true).Find(L"EXPLODE") < 0) DimRefresh(-1);
  return 1;
}
