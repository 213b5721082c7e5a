// The palette and selected objects: reading the values of picked chains into the boxes (merged,
// so that differing values show the keep marker) and "Aktualisieren", which applies the palette
// to picked chains and leaves every value the boxes keep to each chain.
#include <cmath>

#include "acadobjects/DocumentServices.h"
#include "frame/MainPalette.h"
#include "frame/ResourceString.h"
#include "host/db/AcDbOpenObject.h"
#include "host/ed/CommandLine.h"
#include "host/ed/SelectionSet.h"
#include "host/mfc/Button.h"
#include "host/rx/ads.h"
#include "proxy/QBdim.h"
#include "settings/GlobDimOptions.h"
#include "settings/LayerRules.h"
#include "settings/OptionNumbers.h"
#include "settings/ScaleMaps.h"
#include "ui/DlgMain.h"

namespace {

const int kKindMixed = 1;
const int kKindChain = 2;
const wchar_t* const kVar = L"<var>";
// The types the select button offers: AutoCAD dimensions, chains, height marks and texts.
const wchar_t* const kSelectableTypes = L"DIMENSION,QTRV_ZENKORA,QTRV_DIM_HEIGHT,TEXT,MTEXT";

// Asks for objects of the DXF names `pattern` after the pick prompt. RTNORM with the ids
// appended, RTCAN when the user cancelled, RTERROR when nothing was picked.
int PickObjects(const wchar_t* pattern, AcDbObjectIdArray& ids) {
  acutPrintf(L"%s", LoadResString(32804));
  resbuf* filter = acutBuildList(RTDXF0, pattern, 0);
  ads_name set = {0, 0};
  const int result = acedSSGet(nullptr, nullptr, nullptr, filter, set);
  acutRelRb(filter);
  if (result != RTNORM) return result;
  Adesk::Int32 length = 0;
  acedSSLength(set, &length);
  for (Adesk::Int32 i = 0; i < length; ++i) {
    ads_name name = {0, 0};
    AcDbObjectId id;
    if (acedSSName(set, i, name) == RTNORM && acdbGetObjectId(id, name) == Acad::eOk) ids.append(id);
  }
  acedSSFree(set);
  return RTNORM;
}

QBdim* AsChain(AcDbObject* object) {
  return object && object->isKindOf(QBdim::desc()) ? static_cast<QBdim*>(object) : nullptr;
}

double DoubleAt(const CArray<double, double>& a, int k, double fallback) {
  return k < a.GetSize() ? a[k] : fallback;
}
int IntAt(const CUIntArray& a, int k, int fallback) { return k < a.GetSize() ? static_cast<int>(a[k]) : fallback; }
CString StringAt(const CStringArray& a, int k) { return k < a.GetSize() ? a[k] : CString(); }

// Hides the palette while "Aktualisieren" lets the user pick. The button runs with no command
// active (checked first), so unlike HideDlgMain it posts no ESC: that would only cancel the pick.
class PaletteHiddenForPick {
 public:
  explicit PaletteHiddenForPick(CDlgMain* palette) : palette_(palette), wasVisible_(palette->IsWindowVisible() != FALSE) {
    if (pGlobDimOptions) pGlobDimOptions->iBusyState = 1;
    if (wasVisible_) palette_->ShowWindow(SW_HIDE);
  }
  ~PaletteHiddenForPick() {
    // The palette may have been taken down meanwhile (no drawing left).
    if (wasVisible_ && dlgMyApp == palette_) palette_->ShowWindow(SW_SHOW);
    acedPostCommandPrompt();
    if (pGlobDimOptions) pGlobDimOptions->iBusyState = 0;
  }
  PaletteHiddenForPick(const PaletteHiddenForPick&) = delete;
  PaletteHiddenForPick& operator=(const PaletteHiddenForPick&) = delete;

 private:
  CDlgMain* palette_;
  bool wasVisible_;
};

}  // namespace

void CDlgMain::MergeBoxString(int id, const wchar_t* text, bool merge) {
  if (!merge) {
    SelectBoxString(id, text);
    return;
  }
  const CString shown = GetBoxText(id);
  if (CGlobDimOptions::IsKeepMarker(shown) || shown == text) return;
  SelectBoxString(id, kVar);
}

void CDlgMain::OnButSelectObjects() {
  AcDbDatabase* db = CurDwg();
  if (!db || !pGlobDimOptions) return;
  HideDlgMain();
  AcDbObjectIdArray picked;
  if (PickObjects(kSelectableTypes, picked) == RTCAN) {
    ShowDlgMain();
    return;
  }
  if (!dlgMyApp) return;
  if (CWnd* update = GetDlgItem(IDC_BUT_UPDATE)) update->SetFocus();
  AcDbObjectIdArray ids;
  int kind = 0;
  {
    CDocLockScope lock(db);
    for (int i = 0; i < picked.length(); ++i) {
      AcDbObject* object = nullptr;
      if (acdbOpenObject(object, picked[i], AcDb::kForRead) != Acad::eOk) continue;
      // Only chains carry their options through this palette; other kinds stay unselected.
      const int objectKind = AsChain(object) ? kKindChain : 0;
      object->close();
      if (!objectKind) continue;
      kind = kind == 0 || kind == objectKind ? objectKind : kKindMixed;
      ids.append(picked[i]);
    }
  }
  ShowDlgMain();
  if (!dlgMyApp) return;
  if (ids.isEmpty()) {
    AdjustMode(m_iCurrentMode);
    if (m_iCurrentMode == MODE_ALL || m_iCurrentMode == MODE_HEIGHT) {
      if (CWnd* scale = GetDlgItem(IDC_SCALE)) scale->EnableWindow(FALSE);
    }
    return;
  }
  SelectObjects(ids, kind);
}

void CDlgMain::SelectObjects(const AcDbObjectIdArray& ids, int kind) {
  if (!pGlobDimOptions) return;
  if (ids.isEmpty() || kind < 0) {
    AdjustMode(m_iCurrentMode);
    return;
  }
  AdjustMode(kind);
  pGlobDimOptions->m_bNoWrite = true;
  Button(IDC_REDUCEDSIZE)->SetButtonStyle(BS_AUTO3STATE);
  int shown = 0;
  for (int i = 0; i < ids.length(); ++i) {
    AcDbEntity* entity = nullptr;
    if (acdbOpenObject(entity, ids[i], AcDb::kForRead) != Acad::eOk || !entity) continue;
    ReadObjectIntoPalette(entity, shown++);
    entity->close();
  }
  AdjustType(-1);
  if (kind == MODE_HEIGHT || kind == MODE_HEIGHT_PLAN) {
    RefreshValueRow1();
    RefreshValueRow2();
  }
  m_butMode.SetImage(1100, m_iCurrentMode + 50);
  pGlobDimOptions->arrayOptInt.SetAtGrow(IND_OPT_B_ExtNewPosition, 1);
  AcDbObjectIdArray pickfirst = ids;
  SetPickfirst(pickfirst);
  DwgRefresh();
}

void CDlgMain::ReadObjectIntoPalette(AcDbEntity* object, int index) {
  QBdim* chain = AsChain(object);
  if (!chain) return;
  const bool merge = index > 0;
  const CArray<double, double>& d = chain->arrayDouble;
  const CStringArray& s = chain->arrayString;
  const CUIntArray& n = chain->arrayInt;
  int type = IntAt(n, IND_I_LastType, 0);
  if (chain->GetSymbolType(-1) < 0) type = 6;
  const double extLength = DoubleAt(d, IND_D_ExtLineLength, 0.0);

  MergeBoxString(IDC_TEXTHEIGHT, OptionDoubleText(DoubleAt(d, IND_D_TextHeight, 0.0)), merge);
  MergeBoxString(IDC_SCALE, StringAt(s, IND_S_Scale), merge);
  MergeBoxString(IDC_LAYER, object->layer(), merge);
  MergeBoxString(IDC_DIMLINESDIST, OptionDoubleText(DoubleAt(d, IND_D_DimLinesDistance, 0.0)), merge);
  MergeBoxString(IDC_TEXTSTYLE, StringAt(s, IND_S_TextStyle), merge);

  int extLine = IntAt(n, IND_I_ExtLine, 1);
  if (m_iCurrentMode == MODE_DIM && extLine == 0) extLine = 2;
  if (extLine == 0) {
    MergeBoxString(IDC_EXTLINE, GetResString(32896), merge);
  } else if (extLine == 2) {
    MergeBoxString(IDC_EXTLINE, GetResString(32895), merge);
  } else if (extLength >= 0 && !merge) {
    SelectBoxString(IDC_EXTLINE, OptionDoubleText(extLength));
  } else if (extLength >= 0 && !BoxShowsKeepMarker(IDC_EXTLINE) &&
             std::fabs(extLength - OptionTextToDouble(GetBoxText(IDC_EXTLINE))) <= 0.01) {
    MergeBoxString(IDC_EXTLINE, OptionDoubleText(extLength), true);
  } else {
    SelectBoxString(IDC_EXTLINE, GetResString(32897));
  }

  if (!merge) {
    m_iCurrentType = type;
  } else if (m_iCurrentMode == MODE_ALL || m_iCurrentMode == MODE_TEXT) {
    m_iCurrentType = -1;
  } else if (type != m_iCurrentType) {
    m_iCurrentType = 6;
  }

  MergeBoxString(IDC_ROUND, RoundMMText(IntAt(n, IND_I_RoundMM, 0)), merge);
  MergeBoxString(IDC_UNITS, AcadUnitsValue2Text(DoubleAt(d, IND_D_AcadUnits, 1.0)), merge);
  MergeBoxString(IDC_MEASURE, StringAt(s, IND_S_Measure), merge);
  MergeBoxString(IDC_DECIMALS, OptionIntText(IntAt(n, IND_I_Decimals, 0)), merge);
}

void CDlgMain::OnButUpdate() {
  if (!pGlobDimOptions) return;
  CGlobDimOptions& o = *pGlobDimOptions;
  o.iCurrentMode = m_iCurrentMode;
  if (CommandIsActive()) return;
  if (!CheckForbidLayer0(GetBoxText(IDC_LAYER))) return;
  AcDbDatabase* db = CurDwg();
  // Texts and height marks take their options elsewhere; chains are the palette's own.
  if (m_iCurrentMode != MODE_ALL && m_iCurrentMode != MODE_DIM) {
    if (o.m_bNoWrite) AdjustMode(m_iCurrentMode);
    return;
  }
  if (!db) return;
  PaletteHiddenForPick hidden(this);
  AcDbObjectIdArray picked;
  const wchar_t* pattern = m_iCurrentMode == MODE_DIM ? L"DIMENSION,QTRV_ZENKORA" : kSelectableTypes;
  if (PickObjects(pattern, picked) == RTCAN) return;
  if (!dlgMyApp) return;
  AcDbObjectIdArray handled;
  {
    CDocLockScope lock(db);
    if (BoxShowsKeepMarker(IDC_EXTLINE)) o.arrayOptInt.SetAtGrow(IND_OPT_B_ExtNewPosition, 0);
    for (int i = 0; i < picked.length() && dlgMyApp; ++i) {
      AcDbObject* object = nullptr;
      if (acdbOpenObject(object, picked[i], AcDb::kForRead) != Acad::eOk) continue;
      QBdim* chain = AsChain(object);
      if (chain && chain->upgradeOpen() == Acad::eOk) {
        int change = 0;
        if (InitParameters(chain, &change)) {
          chain->Regenerate(0);
          handled.append(picked[i]);
        }
      }
      object->close();
    }
    if (!handled.isEmpty()) MyDraworder(handled, false);
  }
  if (dlgMyApp && o.m_bNoWrite) AdjustMode(m_iCurrentMode);
}
