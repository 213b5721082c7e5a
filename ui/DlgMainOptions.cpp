// The palette's control handlers that write options at once.
#include "acadobjects/AcadVars.h"
#include "frame/ResourceString.h"
#include "host/mfc/Menu.h"
#include "host/win/Crt.h"
#include "settings/GlobDimOptions.h"
#include "settings/OptionNumbers.h"
#include "settings/ScaleMaps.h"
#include "ui/DlgMain.h"

bool CDlgMain::WriteThrough(int id, int type, int index, CString& text) {
  text = GetBoxText(id);
  if (!pGlobDimOptions || CGlobDimOptions::IsKeepMarker(text)) return false;
  return pGlobDimOptions->WriteOption(type, index, text);
}

void CDlgMain::AcceptEditedText(int id) {
  CString text;
  GetDlgItem(id)->GetWindowText(text);
  text.Trim();
  if (text.IsEmpty() || CGlobDimOptions::IsKeepMarker(text)) return;
  SelectBoxString(id, text);
}

void CDlgMain::OnTextHeightChanged() {
  if (!pGlobDimOptions) return;
  pGlobDimOptions->iCurrentMode = m_iCurrentMode;
  if (Box(IDC_TEXTHEIGHT)->GetCurSel() < 0) AcceptEditedText(IDC_TEXTHEIGHT);
  CString text;
  if (WriteThrough(IDC_TEXTHEIGHT, OT_DOUBLE, IND_D_TextHeight, text))
    pGlobDimOptions->SetDouble(IND_D_TextHeight, OptionTextToDouble(text));
}

void CDlgMain::OnScaleSelChange() { ApplyScaleStep(); }

void CDlgMain::OnScaleKillFocus() {
  CString text;
  GetDlgItem(IDC_SCALE)->GetWindowText(text);
  text.Trim();
  const CString scale = NormaliseScaleText(text);
  if (scale != text) SelectBoxString(IDC_SCALE, scale);
  else AcceptEditedText(IDC_SCALE);
  ApplyScaleStep();
}

void CDlgMain::ApplyScaleStep() {
  if (!pGlobDimOptions) return;
  CGlobDimOptions& o = *pGlobDimOptions;
  o.iCurrentMode = MODE_ALL;
  CString text;
  if (WriteThrough(IDC_SCALE, OT_STRING, IND_S_Scale, text) && !o.m_bNoWrite) {
    const double value = o.ScaleStr2Double(text);
    for (ModeOptionSet* set : {&o.dimSet, &o.heightSet, &o.textSet}) {
      set->arrayString.SetAtGrow(IND_S_Scale, text);
      set->arrayDouble.SetAtGrow(IND_D_ScaleVal, value);
    }
  }
  o.iCurrentMode = m_iCurrentMode;
  Box(IDC_LAYER)->SetCurSel(-1);
  RefillLayerBox();
}

void CDlgMain::OnExtLineChanged() {
  if (!pGlobDimOptions) return;
  CGlobDimOptions& o = *pGlobDimOptions;
  if (Box(IDC_EXTLINE)->GetCurSel() < 0) AcceptEditedText(IDC_EXTLINE);
  CString text = GetBoxText(IDC_EXTLINE);
  const int code = text == GetResString(32895) ? 2 : text == GetResString(32896) ? 0 : 1;
  int newPosition = 1;
  if (CGlobDimOptions::IsKeepMarker(text)) {
    if (!m_butMode.IsWindowEnabled()) {
      text = OptionDoubleText(o.GetDouble(IND_D_ExtLineLength));
      SelectBoxString(IDC_EXTLINE, text);
    } else {
      newPosition = 0;
    }
  }
  if (o.SetInt(IND_I_ExtLine, code)) o.WriteOptionInt(IND_I_ExtLine, code);
  if (!o.m_bNoWrite) {
    o.arrayOptInt.SetAtGrow(IND_OPT_B_ExtNewPosition, static_cast<UINT>(newPosition));
    o.WriteGeneralInt(IND_OPT_B_ExtNewPosition, newPosition);
  }
  if (text.Left(1) == L"<") return;
  CString written;
  if (WriteThrough(IDC_EXTLINE, OT_DOUBLE, IND_D_ExtLineLength, written))
    o.SetDouble(IND_D_ExtLineLength, OptionTextToDouble(written));
}

void CDlgMain::OnDimLinesDistChanged() {
  if (!pGlobDimOptions) return;
  if (Box(IDC_DIMLINESDIST)->GetCurSel() < 0) AcceptEditedText(IDC_DIMLINESDIST);
  CString text;
  if (WriteThrough(IDC_DIMLINESDIST, OT_DOUBLE, IND_D_DimLinesDistance, text))
    pGlobDimOptions->SetDouble(IND_D_DimLinesDistance, OptionTextToDouble(text));
}

void CDlgMain::OnUnitsKillFocus() {
  if (!pGlobDimOptions) return;
  CGlobDimOptions& o = *pGlobDimOptions;
  const CString text = GetBoxText(IDC_UNITS);
  if (CGlobDimOptions::IsKeepMarker(text) || o.m_bNoWrite) return;
  const double value = AcadUnitsText2Value(text);
  o.iCurrentMode = MODE_ALL;
  for (ModeOptionSet* set : {&o.dimSet, &o.heightSet, &o.textSet}) set->arrayDouble.SetAtGrow(IND_D_AcadUnits, value);
  o.WriteOptionDouble(IND_D_AcadUnits, value);
  o.iCurrentMode = m_iCurrentMode;
}

void CDlgMain::OnMeasureSelChange() { UpdateRoundingVisibility(); }

void CDlgMain::OnMeasureKillFocus() {
  if (!pGlobDimOptions) return;
  CString text;
  if (WriteThrough(IDC_MEASURE, OT_STRING, IND_S_Measure, text)) pGlobDimOptions->SetString(IND_S_Measure, text);
}

void CDlgMain::OnDecimalsKillFocus() {
  if (!pGlobDimOptions) return;
  CString text;
  if (WriteThrough(IDC_DECIMALS, OT_INT, IND_I_Decimals, text)) pGlobDimOptions->SetInt(IND_I_Decimals, _wtoi(text));
}

void CDlgMain::OnTextStyleDropDown() { ReloadDwgData(); }

void CDlgMain::OnTextStyleKillFocus() {
  if (!pGlobDimOptions) return;
  CString text;
  if (WriteThrough(IDC_TEXTSTYLE, OT_STRING, IND_S_TextStyle, text)) pGlobDimOptions->SetString(IND_S_TextStyle, text);
}

void CDlgMain::OnRoundSelChange() {
  if (!pGlobDimOptions) return;
  const int value = RoundMMFromText(GetBoxText(IDC_ROUND));
  if (pGlobDimOptions->SetInt(IND_I_RoundMM, value)) pGlobDimOptions->WriteOptionInt(IND_I_RoundMM, value);
}

void CDlgMain::OnTextAlignSelChange() {
  if (!pGlobDimOptions) return;
  const int code = TextAlignFromComboPos(-1);
  const int index = m_iCurrentMode == MODE_HEIGHT_PLAN ? IND_I_TextAlignPlan : IND_I_TextAlign;
  if (pGlobDimOptions->SetInt(index, code)) pGlobDimOptions->WriteOptionInt(index, code);
}

void CDlgMain::OnTextPosSelChange() {
  if (!pGlobDimOptions) return;
  const int value = Box(IDC_TEXTPOS)->GetCurSel();
  if (value < 0) return;
  if (pGlobDimOptions->SetInt(IND_I_TextPosition, value)) pGlobDimOptions->WriteOptionInt(IND_I_TextPosition, value);
}

void CDlgMain::OnReducedSizeClicked() {
  if (!pGlobDimOptions) return;
  const int value = Button(IDC_REDUCEDSIZE)->GetCheck();
  if (pGlobDimOptions->SetInt(IND_I_HIsReducedSize, value)) pGlobDimOptions->WriteOptionInt(IND_I_HIsReducedSize, value);
}

void CDlgMain::OnW1Clicked() { RefreshValueRow1(); }

void CDlgMain::OnW2Clicked() { RefreshValueRow2(); }

void CDlgMain::OnColourCheckClicked(UINT id) {
  if (!pGlobDimOptions || pGlobDimOptions->m_bNoWrite) return;
  int index = -1;
  switch (id) {
    case IDC_CHK_DIMBYLINE: index = IND_OPT_B_DimByLine; break;
    case IDC_CHK_INPUTPOINTS: index = IND_OPT_B_ShowInputPoints; break;
    case IDC_CHK_HDIMALIGN: index = IND_OPT_B_HDimAlign; break;
    case IDC_CHK_SUMOFDIM: index = IND_OPT_B_ShowSumOfDim; break;
    case IDC_CHK_IGNORETOL: index = IND_OPT_B_IgnoreUserTextTolerance; break;
    case IDC_CHK_CONTEXTMENU: index = IND_OPT_B_ZenkoraContextMenuAlways; break;
    case IDC_CHK_LEADERS: index = IND_OPT_B_LeadersShow; break;
    case IDC_CHK_WIPEOUT: index = IND_OPT_B_WipeOut; break;
    case IDC_CHK_ALTUNITS: index = IND_OPT_B_AltUnits; break;
    default: return;
  }
  const int state = Button(static_cast<int>(id))->GetCheck();
  pGlobDimOptions->arrayOptInt.SetAtGrow(index, static_cast<UINT>(state));
  pGlobDimOptions->WriteGeneralInt(index, state);
}

void CDlgMain::OnSettingsToggle() {
  CWnd* button = GetDlgItem(IDC_SETTINGS);
  CString caption;
  button->GetWindowText(caption);
  const bool hide = caption.Find(L">>>") <= 0;
  const CString stem = caption.GetLength() >= 3 ? caption.Left(caption.GetLength() - 3) : CString();
  button->SetWindowText(stem + (hide ? L">>>" : L"<<<"));
  RECT last;
  RECT toggle;
  GetDlgItem(IDC_CHK_ALTUNITS)->GetWindowRect(&last);
  button->GetWindowRect(&toggle);
  const int distance = last.bottom - toggle.bottom;
  RECT window;
  GetWindowRect(&window);
  const int height = window.bottom - window.top + (hide ? -distance : distance);
  MoveWindow(window.left, window.top, window.right - window.left, height);
}

void CDlgMain::OnTabSelChange(NMHDR*, LRESULT* result) {
  ShowTabControls();
  if (result) *result = 0;
}
