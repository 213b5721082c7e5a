// The main palette: creation, modes and types, the lists and how the options are shown.
#include "ui/DlgMain.h"

#include "acadobjects/AcadVars.h"
#include "acadobjects/TextLists.h"
#include "frame/ProductTitle.h"
#include "frame/ResourceString.h"
#include "host/db/AcDbHostApplicationServices.h"
#include "host/ed/CommandLine.h"
#include "host/mfc/DataExchange.h"
#include "host/win/Crt.h"
#include "host/mfc/Exceptions.h"
#include "host/mfc/Menu.h"
#include "host/mfc/TabCtrl.h"
#include "settings/GlobDimOptions.h"
#include "settings/IniFiles.h"
#include "settings/IniLists.h"
#include "settings/OptionNumbers.h"
#include "settings/ScaleMaps.h"
#include "settings/WindowPosition.h"

namespace {

// The window message other parts of the program use to ask whether the palette answers.
constexpr UINT kPaletteQueryMessage = 0x7101;

const wchar_t* const kTabA = L"   A ";
const wchar_t* const kTabB = L"   B ";
const wchar_t* const kTabC = L"   C ";

bool IsHeight(int mode) { return mode == MODE_HEIGHT || mode == MODE_HEIGHT_PLAN; }

}  // namespace

BEGIN_MESSAGE_MAP(CDlgMain, CDialog)
ON_WM_CLOSE()
ON_MESSAGE(kPaletteQueryMessage, OnPing)
ON_CBN_SELCHANGE(IDC_TEXTHEIGHT, OnTextHeightChanged)
ON_CBN_KILLFOCUS(IDC_TEXTHEIGHT, OnTextHeightChanged)
ON_CBN_SELCHANGE(IDC_SCALE, OnScaleSelChange)
ON_CBN_KILLFOCUS(IDC_SCALE, OnScaleKillFocus)
ON_CBN_SELCHANGE(IDC_EXTLINE, OnExtLineChanged)
ON_CBN_KILLFOCUS(IDC_EXTLINE, OnExtLineChanged)
ON_CBN_SELCHANGE(IDC_DIMLINESDIST, OnDimLinesDistChanged)
ON_CBN_KILLFOCUS(IDC_DIMLINESDIST, OnDimLinesDistChanged)
ON_CBN_KILLFOCUS(IDC_UNITS, OnUnitsKillFocus)
ON_CBN_SELCHANGE(IDC_MEASURE, OnMeasureSelChange)
ON_CBN_KILLFOCUS(IDC_MEASURE, OnMeasureKillFocus)
ON_CBN_KILLFOCUS(IDC_DECIMALS, OnDecimalsKillFocus)
ON_CBN_DROPDOWN(IDC_TEXTSTYLE, OnTextStyleDropDown)
ON_CBN_KILLFOCUS(IDC_TEXTSTYLE, OnTextStyleKillFocus)
ON_CBN_SELCHANGE(IDC_ROUND, OnRoundSelChange)
ON_CBN_SELCHANGE(IDC_TEXTALIGN, OnTextAlignSelChange)
ON_CBN_SELCHANGE(IDC_TEXTPOS, OnTextPosSelChange)
ON_BN_CLICKED(IDC_REDUCEDSIZE, OnReducedSizeClicked)
ON_BN_CLICKED(IDC_W1, OnW1Clicked)
ON_BN_CLICKED(IDC_W2, OnW2Clicked)
ON_BN_CLICKED(IDC_SETTINGS, OnSettingsToggle)
ON_NOTIFY(TCN_SELCHANGE, IDC_TAB, OnTabSelChange)
ON_BN_CLICKED(IDC_BUT_UPDATE, OnButUpdateClicked)
ON_BN_CLICKED(IDC_BUT_SELECT, OnButSelectClicked)
ON_COMMAND_RANGE(32700, 32900, OnMyCommand)
// Last, so that the buttons with ids inside the range keep their own handlers.
ON_CONTROL_RANGE(BN_CLICKED, IDC_CHK_DIMBYLINE, IDC_CHK_ALTUNITS, OnColourCheckClicked)
END_MESSAGE_MAP()

CDlgMain::CDlgMain(CWnd* parent) : CDialog(IDD, parent) {}

CDlgMain::~CDlgMain() {
  // The palette's changes are written when it goes, not only at unload.
  if (pGlobDimOptions) pGlobDimOptions->SaveOptions();
  FlushIni();
}

BOOL CDlgMain::Create(CWnd* parent) {
  try {
    return CDialog::Create(IDD, parent);
  } catch (CException* e) {
    e->Delete();
  } catch (...) {
  }
  MessageBoxW(adsw_acadMainWnd(), L" \n ERROR on CDlgMain::Create", kProductTitle, MB_OK | MB_ICONERROR);
  return FALSE;
}

void CDlgMain::DoDataExchange(CDataExchange* dx) {
  CDialog::DoDataExchange(dx);
  DDX_Control(dx, IDC_MODE_CHOICE, m_butMode);
  DDX_Control(dx, IDC_TYPE_CHOICE, m_butType);
}

LRESULT CDlgMain::OnPing(WPARAM, LPARAM) { return 1; }

CComboBox* CDlgMain::Box(int id) const { return static_cast<CComboBox*>(GetDlgItem(id)); }

CButton* CDlgMain::Button(int id) const { return static_cast<CButton*>(GetDlgItem(id)); }

void CDlgMain::ShowItem(int id, bool visible) {
  CWnd* item = GetDlgItem(id);
  if (item) item->ShowWindow(visible ? SW_SHOW : SW_HIDE);
}

int CDlgMain::SelectedTab() const {
  CTabCtrl* tab = static_cast<CTabCtrl*>(GetDlgItem(IDC_TAB));
  const int sel = tab ? tab->GetCurSel() : 0;
  return sel < 0 ? 0 : sel;
}

BOOL CDlgMain::OnInitDialog() {
  CDialog::OnInitDialog();
  RestoreWindowPosition(L"DlgMain", m_hWnd, true);
  CMenu* menu = GetMenu();
  if (menu && ReadGeneralInfoInt(L"LockOptions") == 1) menu->EnableMenuItem(32788, MF_BYCOMMAND | MF_GRAYED);
  SetWindowText(L"zenkora");
  m_butMode.SetChoices({1, 2, 3, 4, 5});
  CComboBox* round = Box(IDC_ROUND);
  round->AddString(L"");
  round->AddString(L"5   mm");
  round->AddString(L"2.5 mm");
  CTabCtrl* tab = static_cast<CTabCtrl*>(GetDlgItem(IDC_TAB));
  tab->InsertItem(0, kTabA);
  tab->InsertItem(1, kTabB);
  tab->SetCurSel(0);
  const int lastMode = ReadGeneralInfoInt(L"LastMode");
  AdjustMode(lastMode == 0 ? MODE_DIM : lastMode);
  OnSettingsToggle();
  return TRUE;
}

bool CDlgMain::AdjustMode(int mode) {
  if (!pGlobDimOptions) return false;
  const bool changed = mode != m_iCurrentMode || pGlobDimOptions->m_bNoWrite;
  pGlobDimOptions->m_bNoWrite = false;
  if (mode < 0) {
    if (pGlobDimOptions->iCurrentMode != m_iCurrentMode) {
      acutPrintf(L"\n AdjustMode(%d) GM=%d MM=%d ", mode, pGlobDimOptions->iCurrentMode, m_iCurrentMode);
      pGlobDimOptions->iCurrentMode = m_iCurrentMode;
    }
    return false;
  }
  // Modes outside 1 to 5 would address no option set.
  if (mode < MODE_ALL || mode > MODE_TEXT) mode = MODE_DIM;
  pGlobDimOptions->iCurrentMode = mode;
  WriteGeneralInfoInt(L"LastMode", mode);
  m_iCurrentMode = mode;

  CMenu* menu = GetMenu();
  if (menu) {
    menu->ModifyMenu(32792, MF_BYCOMMAND | MF_STRING | MF_GRAYED, 32792,
                     GetResString(mode == MODE_DIM ? 32893 : 32892));
  }
  CTabCtrl* tab = static_cast<CTabCtrl*>(GetDlgItem(IDC_TAB));
  if (IsHeight(mode)) {
    for (int id : {IDC_PREFIX1, IDC_SUFFIX1, IDC_PREFIX2, IDC_SUFFIX2}) SetDlgItemText(id, L"");
    if (tab->GetItemCount() < 3) tab->InsertItem(2, kTabC);
  } else if (tab->GetItemCount() >= 3) {
    tab->DeleteItem(2);
  }
  tab->SetCurSel(0);

  ReloadData();

  if (mode == MODE_DIM) m_butType.SetChoices({1, 2, 3, 4, 5});
  if (mode == MODE_HEIGHT) m_butType.SetChoices({1, 2, 0, 4, 5});
  if (mode == MODE_HEIGHT_PLAN) m_butType.SetChoices({3, 4, 0, 1, 2});
  Button(IDC_W1)->SetCheck(BST_UNCHECKED);
  Button(IDC_W2)->SetCheck(BST_UNCHECKED);
  RefreshValueRow1();
  RefreshValueRow2();
  m_butMode.SetImage(1089, mode + 50);

  CString key;
  key.Format(L"LastType%d", mode);
  int type = ReadGeneralInfoInt(key);
  if (type < 1) type = 1;
  if (mode != MODE_ALL && mode != MODE_TEXT) AdjustType(type);
  if (changed) {
    Box(IDC_LAYER)->ResetContent();
    RefillLayerBox();
  }
  return true;
}

bool CDlgMain::AdjustType(int type) {
  if (!pGlobDimOptions) return false;
  if (pGlobDimOptions->iCurrentMode != m_iCurrentMode) {
    acutPrintf(L"\n AdjustType(%d) GM=%d MM=%d ", type, pGlobDimOptions->iCurrentMode, m_iCurrentMode);
    pGlobDimOptions->iCurrentMode = m_iCurrentMode;
  }
  if (type >= 0) {
    m_iCurrentType = type;
    pGlobDimOptions->SetInt(IND_I_LastType, type);
    if (!IsSpecialType()) {
      CString key;
      key.Format(L"LastType%d", m_iCurrentMode);
      WriteGeneralInfoInt(key, type);
    }
  }
  if (m_iCurrentMode < 0) return false;
  const int group = m_iCurrentMode == MODE_DIM ? 1088 : m_iCurrentMode == MODE_HEIGHT ? 1086 : m_iCurrentMode == MODE_HEIGHT_PLAN ? 1087 : 0;
  if (group) m_butType.SetImage(group, m_iCurrentType + 50);
  return true;
}

bool CDlgMain::IsSpecialType() const {
  switch (m_iCurrentMode) {
    case MODE_DIM: return m_iCurrentType == 6;
    case MODE_HEIGHT: return m_iCurrentType == 7;
    case MODE_HEIGHT_PLAN: return m_iCurrentType == 5;
    default: return false;
  }
}

void CDlgMain::FillComboFromList(int id, int mode, const wchar_t* section) {
  CComboBox* box = Box(id);
  box->ResetContent();
  CStringArray entries;
  LoadSection(entries, CGlobDimOptions::SectionPrefix(mode) + section, GetOptionFileName());
  const CString unknown = GetResString(32873);
  for (INT_PTR k = 0; k < entries.GetSize(); ++k) {
    CString key;
    CString value;
    if (!SplitPairEntry(entries[k], key, value)) key = entries[k];
    key.Trim();
    if (key.IsEmpty() || key == unknown || CGlobDimOptions::IsKeepMarker(key)) continue;
    if (box->FindStringExact(-1, key) < 0) box->AddString(key);
  }
  const CString sectionName(section);
  if (sectionName == L"ExtLineLength") {
    if (mode != MODE_DIM) box->AddString(GetResString(32896));
    box->AddString(GetResString(32895));
  }
  if (sectionName == MAP_SCALE2LAYER) {
    const CString anno = GetResString(7102);
    if (box->FindString(-1, anno) < 0) box->AddString(anno);
  }
}

void CDlgMain::ReloadData() {
  FillComboFromList(IDC_DIMLINESDIST, m_iCurrentMode, L"DimLinesDistance");
  FillComboFromList(IDC_TEXTHEIGHT, m_iCurrentMode, MAP_TEXTHEIGHT2COLOR);
  FillComboFromList(IDC_SCALE, m_iCurrentMode, MAP_SCALE2LAYER);
  FillComboFromList(IDC_EXTLINE, m_iCurrentMode, L"ExtLineLength");
  Box(IDC_EXTLINE)->AddString(GetResString(32897));
  const int trueType = Box(IDC_TEXTHEIGHT)->FindStringExact(-1, L"TrueType");
  if (trueType >= 0) Box(IDC_TEXTHEIGHT)->DeleteString(static_cast<UINT>(trueType));

  for (int id : {IDC_TEXTALIGN, IDC_TEXTPOS, IDC_UNITS, IDC_MEASURE, IDC_DECIMALS}) Box(id)->ResetContent();
  CComboBox* units = Box(IDC_UNITS);
  for (const wchar_t* text : {L"1 m", L"1 cm", L"1 mm"}) units->AddString(text);
  units->AddString(GetResString(7050));
  units->AddString(GetResString(7049));
  for (int k = 0; k <= 6; ++k) {
    CString text;
    text.Format(L"%d", k);
    Box(IDC_DECIMALS)->AddString(text);
  }
  if (m_iCurrentMode == MODE_HEIGHT_PLAN) {
    for (UINT id : {32857u, 32860u}) Box(IDC_TEXTALIGN)->AddString(GetResString(id));
  } else if (m_iCurrentMode == MODE_HEIGHT) {
    for (UINT id : {32867u, 32865u, 32866u, 32950u, 32949u, 32864u, 32862u, 32863u})
      Box(IDC_TEXTALIGN)->AddString(GetResString(id));
  }
  if (IsHeight(m_iCurrentMode)) {
    Box(IDC_TEXTPOS)->AddString(GetResString(32848));
    Box(IDC_TEXTPOS)->AddString(GetResString(32849));
  }
  CComboBox* measure = Box(IDC_MEASURE);
  for (const wchar_t* text : {L"m/cm", L"m", L"cm", L"mm"}) measure->AddString(text);
  for (UINT id : {7046u, 7045u, 7051u}) measure->AddString(GetResString(id));

  ReloadDwgData();
  ShowOptions();
  ShowTabControls();
}

void CDlgMain::ReloadDwgData() {
  if (!m_hWnd || !pGlobDimOptions) return;
  CComboBox* box = Box(IDC_TEXTSTYLE);
  box->ResetContent();
  AcDbDatabase* db = acdbHostApplicationServices() ? acdbHostApplicationServices()->workingDatabase() : nullptr;
  CStringArray names;
  if (db) TextStyleNames(db, names);
  for (INT_PTR k = 0; k < names.GetSize(); ++k) box->AddString(names[k]);
  const CString style = pGlobDimOptions->GetString(IND_S_TextStyle);
  int index = style.IsEmpty() ? -1 : box->FindString(-1, style);
  box->SetCurSel(index < 0 ? 0 : index);
}

void CDlgMain::SelectBoxString(int id, const wchar_t* text) {
  CComboBox* box = Box(id);
  int index = box->FindStringExact(-1, text);
  if (index < 0) index = box->AddString(text);
  box->SetCurSel(index);
}

CString CDlgMain::GetBoxText(int id) const {
  CWnd* item = GetDlgItem(id);
  if (!item) return CString();
  CComboBox* box = Box(id);
  const int sel = box->GetCurSel();
  CString text;
  if (sel >= 0) {
    box->GetLBText(sel, text);
    return text;
  }
  item->GetWindowText(text);
  return text;
}

bool CDlgMain::BoxShowsKeepMarker(int id) const { return CGlobDimOptions::IsKeepMarker(GetBoxText(id)); }

void CDlgMain::ShowOptions() {
  if (!pGlobDimOptions) return;
  CGlobDimOptions& o = *pGlobDimOptions;
  Button(IDC_REDUCEDSIZE)->SetButtonStyle(BS_AUTOCHECKBOX);
  SelectBoxString(IDC_TEXTHEIGHT, OptionDoubleText(o.GetDouble(IND_D_TextHeight)));
  SelectBoxString(IDC_DIMLINESDIST, OptionDoubleText(o.GetDouble(IND_D_DimLinesDistance)));

  switch (o.GetInt(IND_I_ExtLine)) {
    case 2: SelectBoxString(IDC_EXTLINE, GetResString(32895)); break;
    case 0:
      if (m_iCurrentMode == MODE_DIM) {
        o.SetInt(IND_I_ExtLine, 2);
        SelectBoxString(IDC_EXTLINE, GetResString(32895));
      } else {
        SelectBoxString(IDC_EXTLINE, GetResString(32896));
      }
      break;
    default:
      if (o.arrayOptInt[IND_OPT_B_ExtNewPosition] == 0 && m_butMode.IsWindowEnabled())
        SelectBoxString(IDC_EXTLINE, GetResString(32897));
      else
        SelectBoxString(IDC_EXTLINE, OptionDoubleText(o.GetDouble(IND_D_ExtLineLength)));
  }
  ReloadDwgData();
  Button(IDC_REDUCEDSIZE)->SetCheck(o.GetInt(IND_I_HIsReducedSize) != 0 ? BST_CHECKED : BST_UNCHECKED);
  const struct {
    int id;
    int index;
  } checks[] = {{IDC_CHK_DIMBYLINE, IND_OPT_B_DimByLine},
                {IDC_CHK_INPUTPOINTS, IND_OPT_B_ShowInputPoints},
                {IDC_CHK_HDIMALIGN, IND_OPT_B_HDimAlign},
                {IDC_CHK_SUMOFDIM, IND_OPT_B_ShowSumOfDim},
                {IDC_CHK_IGNORETOL, IND_OPT_B_IgnoreUserTextTolerance},
                {IDC_CHK_CONTEXTMENU, IND_OPT_B_ZenkoraContextMenuAlways},
                {IDC_CHK_LEADERS, IND_OPT_B_LeadersShow},
                {IDC_CHK_WIPEOUT, IND_OPT_B_WipeOut},
                {IDC_CHK_ALTUNITS, IND_OPT_B_AltUnits}};
  for (const auto& c : checks) Button(c.id)->SetCheck(o.arrayOptInt[c.index] ? BST_CHECKED : BST_UNCHECKED);

  if (IsHeight(m_iCurrentMode)) {
    Box(IDC_TEXTPOS)->SetCurSel(std::max(o.GetInt(IND_I_TextPosition), 0));
    const int code = o.GetInt(m_iCurrentMode == MODE_HEIGHT_PLAN ? IND_I_TextAlignPlan : IND_I_TextAlign);
    Box(IDC_TEXTALIGN)->SetCurSel(ComboPosFromTextAlign(code));
    const int format = o.GetInt(IND_I_Format);
    // Value 1 shows when bit 1 of Format is set, value 2 with bit 2.
    if (format & 1) {
      Button(IDC_W1)->SetCheck(BST_CHECKED);
      if (format & 2) Button(IDC_W2)->SetCheck(BST_CHECKED);
    }
    RefreshValueRow1();
    RefreshValueRow2();
  }
  SelectBoxString(IDC_ROUND, RoundMMText(o.GetInt(IND_I_RoundMM)));
  SelectBoxString(IDC_DECIMALS, OptionIntText(o.GetInt(IND_I_Decimals)));
  SelectBoxString(IDC_UNITS, AcadUnitsValue2Text(o.GetDouble(IND_D_AcadUnits)));
  const CString measure = o.GetString(IND_S_Measure);
  if (!measure.IsEmpty()) SelectBoxString(IDC_MEASURE, measure);
  SelectScale();
}

void CDlgMain::SelectScale() {
  if (!pGlobDimOptions) return;
  if (IsPaperSpace()) {
    SelectBoxString(IDC_SCALE, pGlobDimOptions->arrayOptString[IND_OPT_S_ScalePaperSpace]);
    return;
  }
  SelectBoxString(IDC_SCALE, pGlobDimOptions->GetString(IND_S_Scale));
  ApplyScaleStep();
}

bool CDlgMain::IsTabControlVisible(int id, int tab, int mode) {
  const bool a = tab == 0;
  const bool b = tab == 1;
  switch (id) {
    case IDC_REDUCEDSIZE: return a && IsHeight(mode);
    case IDC_EXTLINE:
    case IDC_LBL_EXTLINE: return a && (mode == MODE_DIM || mode == MODE_HEIGHT);
    case IDC_TEXTHEIGHT:
    case IDC_SCALE:
    case IDC_LBL_TEXTHEIGHT:
    case IDC_LBL_SCALE: return a;
    case IDC_TYPE_CHOICE: return a && mode != MODE_ALL && mode != MODE_TEXT;
    case IDC_DIMLINESDIST:
    case IDC_LBL_DIMLINESDIST: return a && mode == MODE_DIM;
    case IDC_TEXTSTYLE:
    case IDC_LBL_TEXTSTYLE:
    case IDC_UNITS:
    case IDC_LBL_UNITS: return b;
    case IDC_MEASURE:
    case IDC_LBL_MEASURE:
    case IDC_DECIMALS:
    case IDC_LBL_DECIMALS: return b && mode != MODE_TEXT;
    case IDC_TEXTALIGN:
    case IDC_LBL_TEXTALIGN:
    case IDC_TEXTPOS:
    case IDC_LBL_TEXTPOS: return tab == 2 && IsHeight(mode);
    case IDC_LAYER:
    case IDC_LBL_LAYER: return mode != MODE_ALL;
    default: return true;
  }
}

void CDlgMain::ShowTabControls() {
  const int tab = SelectedTab();
  for (int id : {IDC_REDUCEDSIZE, IDC_EXTLINE, IDC_LBL_EXTLINE, IDC_TEXTHEIGHT, IDC_SCALE, IDC_LBL_TEXTHEIGHT,
                 IDC_LBL_SCALE, IDC_TYPE_CHOICE, IDC_DIMLINESDIST, IDC_LBL_DIMLINESDIST, IDC_TEXTSTYLE,
                 IDC_LBL_TEXTSTYLE, IDC_UNITS, IDC_LBL_UNITS, IDC_MEASURE, IDC_LBL_MEASURE, IDC_DECIMALS,
                 IDC_LBL_DECIMALS, IDC_TEXTALIGN, IDC_LBL_TEXTALIGN, IDC_TEXTPOS, IDC_LBL_TEXTPOS, IDC_LAYER,
                 IDC_LBL_LAYER}) {
    ShowItem(id, IsTabControlVisible(id, tab, m_iCurrentMode));
  }
  const bool extLine = IsTabControlVisible(IDC_EXTLINE, 0, m_iCurrentMode);
  if (!extLine) SelectBoxString(IDC_EXTLINE, GetResString(32896));
  GetDlgItem(IDC_SCALE)->EnableWindow(IsTabControlVisible(IDC_SCALE, tab, m_iCurrentMode));
  GetDlgItem(IDC_LAYER)->EnableWindow(IsTabControlVisible(IDC_LAYER, tab, m_iCurrentMode));
  UpdateRoundingVisibility();
  RefreshValueRow1();
  RefreshValueRow2();
}

void CDlgMain::UpdateRoundingVisibility() {
  const bool measureShown = GetDlgItem(IDC_MEASURE)->IsWindowVisible() != FALSE;
  const CString measure = GetBoxText(IDC_MEASURE);
  const bool feet = measure == GetResString(7046) || measure == GetResString(7045) || measure == GetResString(7051);
  ShowItem(IDC_ROUND, measureShown && !feet);
  ShowItem(IDC_LBL_ROUND, measureShown && !feet);
}

void CDlgMain::RefreshValueRow1() {
  const bool visible = SelectedTab() == 0 && IsHeight(m_iCurrentMode);
  ShowItem(IDC_W1, visible);
  bool editsVisible = visible;
  if (visible && Button(IDC_W1)->GetCheck() == BST_UNCHECKED) {
    editsVisible = false;
    if (Button(IDC_W2)->GetCheck() != BST_UNCHECKED) {
      Button(IDC_W2)->SetCheck(BST_UNCHECKED);
      RefreshValueRow2();
    }
  }
  ShowItem(IDC_PREFIX1, editsVisible);
  ShowItem(IDC_SUFFIX1, editsVisible);
  UpdateFormatFromRows();
}

void CDlgMain::RefreshValueRow2() {
  const bool visible = SelectedTab() == 0 && IsHeight(m_iCurrentMode);
  ShowItem(IDC_W2, visible);
  const bool set = Button(IDC_W2)->GetCheck() != BST_UNCHECKED;
  ShowItem(IDC_PREFIX2, visible && set);
  ShowItem(IDC_SUFFIX2, visible && set);
  if (visible && set && Button(IDC_W1)->GetCheck() == BST_UNCHECKED) {
    Button(IDC_W1)->SetCheck(BST_CHECKED);
    RefreshValueRow1();
  }
  UpdateFormatFromRows();
}

void CDlgMain::UpdateFormatFromRows() {
  if (!pGlobDimOptions || !IsHeight(m_iCurrentMode)) return;
  int format = 0;
  if (Button(IDC_W1)->GetCheck() == BST_CHECKED) format += 1;
  if (Button(IDC_W2)->GetCheck() == BST_CHECKED) format += 2;
  pGlobDimOptions->SetInt(IND_I_Format, format);
}

void CDlgMain::RefillLayerBox() {
  if (!pGlobDimOptions) return;
  CComboBox* box = Box(IDC_LAYER);
  const CString layer = pGlobDimOptions->GetLayerForScale(GetBoxText(IDC_SCALE));
  if (box->GetCurSel() < 0) {
    box->ResetContent();
    box->AddString(GetResString(32832));
    if (!layer.IsEmpty()) box->AddString(layer);
  }
  if (!layer.IsEmpty()) SelectBoxString(IDC_LAYER, layer);
}

void CDlgMain::EnablePaletteControls(BOOL enable) {
  if (!enable && BoxShowsKeepMarker(IDC_EXTLINE) && pGlobDimOptions)
    SelectBoxString(IDC_EXTLINE, OptionDoubleText(pGlobDimOptions->GetDouble(IND_D_ExtLineLength)));
  for (int id : {IDC_MODE_CHOICE, IDC_BUT_UPDATE, IDC_BUT_SELECT}) GetDlgItem(id)->EnableWindow(enable);
}

CString CDlgMain::GetPrefixField(int k) const {
  const int w = k == 2 ? IDC_W2 : IDC_W1;
  if (Button(w)->GetCheck() == BST_UNCHECKED) return CString();
  CString text;
  GetDlgItemText(k == 2 ? IDC_PREFIX2 : IDC_PREFIX1, text);
  return text;
}

CString CDlgMain::GetSuffixField(int k) const {
  const int w = k == 2 ? IDC_W2 : IDC_W1;
  if (Button(w)->GetCheck() == BST_UNCHECKED) return CString();
  CString text;
  GetDlgItemText(k == 2 ? IDC_SUFFIX2 : IDC_SUFFIX1, text);
  return text;
}

int CDlgMain::TextAlignFromComboPos(int mode, int pos) {
  static const int kMode3[] = {10, 11, 12, 7, 9, 4, 5, 6};
  if (mode == MODE_HEIGHT_PLAN) return pos == 1 ? 9 : 7;
  if (pos < 0 || pos > 7) return 11;
  return kMode3[pos];
}

int CDlgMain::ComboPosFromTextAlign(int mode, int code) {
  if (mode == MODE_HEIGHT_PLAN) return (code == 1 || code == 4 || code == 7 || code == 10) ? 0 : 1;
  switch (code) {
    case 10: return 0;
    case 12: return 2;
    case 7:
    case 8: return 3;
    case 9: return 4;
    case 4: return 5;
    case 5: return 6;
    case 6: return 7;
    default: return 1;
  }
}

namespace {

// The height mode the alignment maps use; other modes count as mode 3, which is reported.
int AlignMode(int paletteMode) {
  int mode = paletteMode;
  if (mode == MODE_ALL && pGlobDimOptions) mode = pGlobDimOptions->iCurrentMode;
  if (mode == MODE_HEIGHT || mode == MODE_HEIGHT_PLAN) return mode;
  acutPrintf(L" TextAlignFromComboPos(M=%d) ", mode);
  return MODE_HEIGHT;
}

}  // namespace

int CDlgMain::TextAlignFromComboPos(int pos) {
  if (pos == -1) {
    pos = Box(IDC_TEXTALIGN)->GetCurSel();
    if (pos < 0) {
      acutPrintf(L"\n!!! TextAlignFromComboPos(M=%d) ", m_iCurrentMode);
      return 0;
    }
  }
  return TextAlignFromComboPos(AlignMode(m_iCurrentMode), pos);
}

int CDlgMain::ComboPosFromTextAlign(int code) { return ComboPosFromTextAlign(AlignMode(m_iCurrentMode), code); }

int CDlgMain::RoundMMFromText(const wchar_t* text) {
  const CString t(text ? text : L"");
  if (t == L"2.5 mm") return 2;
  if (t == L"5   mm") return 5;
  return 0;
}

CString CDlgMain::RoundMMText(int value) {
  if (value == 0) return CString();
  return value == 2 ? CString(L"2.5 mm") : CString(L"5   mm");
}

CString CDlgMain::NormaliseScaleText(const wchar_t* text) {
  CString t(text ? text : L"");
  if (t.Find(L':') >= 0) return t;
  const int value = _wtoi(t);
  if (value <= 1) return t;
  CString scale;
  scale.Format(L"1:%d", value);
  return scale;
}

BOOL CDlgMain::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) {
  if (wParam != kChoiceNotifyCode) return CDialog::OnNotify(wParam, lParam, result);
  const CHOICENOTIFY* notify = reinterpret_cast<const CHOICENOTIFY*>(lParam);
  if (!notify) return TRUE;
  if (notify->hdr.hwndFrom == m_butMode.m_hWnd) AdjustMode(notify->iValue);
  else if (notify->hdr.hwndFrom == m_butType.m_hWnd) AdjustType(notify->iValue);
  return TRUE;
}

BOOL CDlgMain::OnCommand(WPARAM wParam, LPARAM lParam) {
  // Enter and ESC in a modeless palette would end it as a modal dialog; they do nothing here.
  const UINT id = LOWORD(wParam);
  if (lParam == 0 && (id == IDOK || id == IDCANCEL)) return TRUE;
  return CDialog::OnCommand(wParam, lParam);
}
