// InitParameters: the one path by which a chain receives its option arrays, a full copy of the
// chain set overlaid by what the palette shows (a box showing the keep marker keeps the chain's
// own value).
#include <cmath>

#include "frame/AppVersion.h"
#include "frame/ResourceString.h"
#include "host/db/AcDbDatabase.h"
#include "host/db/AcDbHostApplicationServices.h"
#include "host/db/AcDbTextStyleTable.h"
#include "host/win/Crt.h"
#include "proxy/QBdim.h"
#include "settings/GlobDimOptions.h"
#include "settings/LayerRules.h"
#include "settings/OptionNumbers.h"
#include "settings/ScaleMaps.h"
#include "ui/DlgMain.h"

namespace {

// The old values of a target: its own entries, the source's beyond its length.
struct OldValues {
  CArray<double, double> d;
  CStringArray s;
  CUIntArray i;
};

OldValues TakeOldValues(const QBdim& chain, const ModeOptionSet& source) {
  OldValues old;
  old.d.Copy(source.arrayDouble);
  old.s.Copy(source.arrayString);
  old.i.Copy(source.arrayInt);
  for (INT_PTR k = 0; k < chain.arrayDouble.GetSize(); ++k) old.d.SetAtGrow(k, chain.arrayDouble[k]);
  for (INT_PTR k = 0; k < chain.arrayString.GetSize(); ++k) old.s.SetAtGrow(k, chain.arrayString[k]);
  for (INT_PTR k = 0; k < chain.arrayInt.GetSize(); ++k) old.i.SetAtGrow(k, chain.arrayInt[k]);
  return old;
}

bool Differs(double a, double b) { return std::fabs(a - b) > 1e-9; }

AcDbObjectId TextStyleId(AcDbDatabase* db, const CString& name) {
  if (!db || name.IsEmpty()) return AcDbObjectId::kNull;
  AcDbTextStyleTable* table = nullptr;
  if (db->getSymbolTable(table, AcDb::kForRead) != Acad::eOk || !table) return AcDbObjectId::kNull;
  AcDbObjectId id;
  if (table->getAt(name, id) != Acad::eOk) id = AcDbObjectId::kNull;
  table->close();
  return id;
}

}  // namespace

bool CDlgMain::InitParameters(AcDbEntity* object, int* pChange) {
  if (!object || !pGlobDimOptions || !m_hWnd) return false;
  QBdim* chain = object->isKindOf(QBdim::desc()) ? static_cast<QBdim*>(object) : nullptr;
  if (!chain || (m_iCurrentMode != MODE_ALL && m_iCurrentMode != MODE_DIM)) return false;
  int ignored = 0;
  int& change = pChange ? *pChange : ignored;
  CGlobDimOptions& o = *pGlobDimOptions;
  AcDbDatabase* db = object->database();
  if (!db && acdbHostApplicationServices()) db = acdbHostApplicationServices()->workingDatabase();

  const ModeOptionSet& source = o.dimSet;
  const OldValues old = TakeOldValues(*chain, source);
  chain->arrayDouble.Copy(source.arrayDouble);
  chain->arrayString.Copy(source.arrayString);
  chain->arrayInt.Copy(source.arrayInt);
  chain->arrayString.SetAtGrow(IND_S_IniFile, o.strCurOptionsFile);
  chain->arrayInt.SetAtGrow(IND_I_AppVersion, static_cast<UINT>(GetAppVersionNumber()));

  // The arc settings belong to the chain, not to the palette.
  for (int k : {IND_I_ArcDimMinPoint, IND_I_ArcDimMaxPoint, IND_I_ArcDimAsCircle, IND_I_ArcDimCW,
                IND_I_ArcDimInputArcIsCircle})
    chain->arrayInt[k] = old.i[k];
  chain->arrayDouble[IND_D_DimLinesDistance] =
      (!BoxShowsKeepMarker(IDC_DIMLINESDIST) && m_iCurrentMode != MODE_ALL)
          ? OptionTextToDouble(GetBoxText(IDC_DIMLINESDIST))
          : old.d[IND_D_DimLinesDistance];

  if (BoxShowsKeepMarker(IDC_TEXTHEIGHT)) {
    chain->arrayDouble[IND_D_TextHeight] = old.d[IND_D_TextHeight];
  } else {
    chain->arrayDouble[IND_D_TextHeight] = OptionTextToDouble(GetBoxText(IDC_TEXTHEIGHT));
    if (Differs(chain->arrayDouble[IND_D_TextHeight], old.d[IND_D_TextHeight])) change = 2;
  }

  if (!BoxShowsKeepMarker(IDC_SCALE)) {
    const CString scale = GetBoxText(IDC_SCALE);
    chain->arrayString[IND_S_Scale] = scale;
    chain->arrayDouble[IND_D_ScaleVal] = o.ScaleStr2Double(scale);
    if (Differs(chain->arrayDouble[IND_D_ScaleVal], old.d[IND_D_ScaleVal])) change = 2;
  } else {
    chain->arrayString[IND_S_Scale] = old.s[IND_S_Scale];
    chain->arrayDouble[IND_D_ScaleVal] = old.d[IND_D_ScaleVal];
  }

  if (!BoxShowsKeepMarker(IDC_EXTLINE) && m_iCurrentMode != MODE_ALL && m_iCurrentMode != MODE_TEXT) {
    o.arrayOptInt.SetAtGrow(IND_OPT_B_ExtNewPosition, 1);
    const CString text = GetBoxText(IDC_EXTLINE);
    if (text == GetResString(32896)) {
      chain->arrayInt[IND_I_ExtLine] = 0;
    } else if (text == GetResString(32895)) {
      chain->arrayInt[IND_I_ExtLine] = 2;
    } else {
      chain->arrayInt[IND_I_ExtLine] = 1;
      chain->arrayDouble[IND_D_ExtLineLength] = OptionTextToDouble(text);
    }
  } else {
    chain->arrayDouble[IND_D_ExtLineLength] = old.d[IND_D_ExtLineLength];
    chain->arrayInt[IND_I_ExtLine] = old.i[IND_I_ExtLine];
    o.arrayOptInt.SetAtGrow(IND_OPT_B_ExtNewPosition, 0);
  }

  chain->arrayInt[IND_I_LastType] = (!IsSpecialType() && m_iCurrentMode != MODE_ALL)
                                        ? static_cast<UINT>(m_iCurrentType)
                                        : old.i[IND_I_LastType];

  chain->arrayString[IND_S_TextStyle] = BoxShowsKeepMarker(IDC_TEXTSTYLE) ? old.s[IND_S_TextStyle] : GetBoxText(IDC_TEXTSTYLE);
  chain->m_idTextStyle = TextStyleId(db, chain->arrayString[IND_S_TextStyle]);

  chain->arrayInt[IND_I_RoundMM] =
      BoxShowsKeepMarker(IDC_ROUND) ? old.i[IND_I_RoundMM] : static_cast<UINT>(RoundMMFromText(GetBoxText(IDC_ROUND)));
  chain->arrayDouble[IND_D_AcadUnits] =
      BoxShowsKeepMarker(IDC_UNITS) ? old.d[IND_D_AcadUnits] : AcadUnitsText2Value(GetBoxText(IDC_UNITS));
  chain->arrayString[IND_S_Measure] = BoxShowsKeepMarker(IDC_MEASURE) ? old.s[IND_S_Measure] : GetBoxText(IDC_MEASURE);
  chain->arrayInt[IND_I_Decimals] =
      BoxShowsKeepMarker(IDC_DECIMALS) ? old.i[IND_I_Decimals] : static_cast<UINT>(_wtoi(GetBoxText(IDC_DECIMALS)));
  // The layer comes last: the layer rules may reach the document services, which take the
  // palette down when no drawing is left, so nothing of the palette is read after them.
  const CString layerText = GetBoxText(IDC_LAYER);
  const CString currentLayerEntry = GetResString(32832);
  const bool currentLayer = layerText.IsEmpty() || layerText == currentLayerEntry;
  if (currentLayer) {
    if (db) object->setLayer(db->clayer());
  } else if (!CGlobDimOptions::IsKeepMarker(layerText)) {
    const AcDbObjectId layer = GetLayerForObject(object, chain->arrayString);
    if (!layer.isNull() && layer != object->layerId()) object->setLayer(layer);
  }

  return true;
}
