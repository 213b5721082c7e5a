// CDlgMain: the module's main palette, the modeless dialog (resource 129) from which the user
// chooses the kind of object, the scale, the text height and the texts. Changing a control
// writes its option at once, unless the palette shows the values of selected objects
// (m_bNoWrite of the option object).
#pragma once

#include "host/db/AcDbObjectId.h"
#include "host/mfc/ComboBox.h"
#include "host/mfc/Dialog.h"
#include "ui/controls/ChoiceButton.h"

class AcDbEntity;
class CString;

// Control ids of dialog 129.
enum PaletteControlId {
  IDC_MODE_CHOICE = 1094,
  IDC_BUT_UPDATE = 1023,
  IDC_BUT_SELECT = 1116,
  IDC_BUT_PROPERTIES = 1117,
  IDC_TAB = 1028,
  IDC_TYPE_CHOICE = 1095,
  IDC_LBL_TEXTHEIGHT = 1030,
  IDC_TEXTHEIGHT = 1018,
  IDC_LBL_SCALE = 1031,
  IDC_SCALE = 1020,
  IDC_W1 = 1103,
  IDC_PREFIX1 = 1099,
  IDC_SUFFIX1 = 1097,
  IDC_W2 = 1104,
  IDC_PREFIX2 = 1098,
  IDC_SUFFIX2 = 1096,
  IDC_LBL_DIMLINESDIST = 1032,
  IDC_DIMLINESDIST = 1022,
  IDC_LBL_EXTLINE = 1037,
  IDC_EXTLINE = 1021,
  IDC_REDUCEDSIZE = 1040,
  IDC_LBL_UNITS = 1033,
  IDC_UNITS = 1019,
  IDC_LBL_MEASURE = 1034,
  IDC_MEASURE = 1015,
  IDC_LBL_DECIMALS = 1035,
  IDC_DECIMALS = 1016,
  IDC_LBL_ROUND = 1135,
  IDC_ROUND = 1143,
  IDC_LBL_TEXTSTYLE = 1036,
  IDC_TEXTSTYLE = 1024,
  IDC_LBL_TEXTALIGN = 1038,
  IDC_TEXTALIGN = 1025,
  IDC_LBL_TEXTPOS = 1039,
  IDC_TEXTPOS = 1026,
  IDC_LBL_LAYER = 1134,
  IDC_LAYER = 1027,
  IDC_SETTINGS = 1145,
  IDC_CHK_DIMBYLINE = 1012,
  IDC_CHK_HDIMALIGN = 1029,
  IDC_CHK_CONTEXTMENU = 1044,
  IDC_CHK_SUMOFDIM = 1041,
  IDC_CHK_INPUTPOINTS = 1017,
  IDC_CHK_IGNORETOL = 1043,
  IDC_CHK_LEADERS = 1042,
  IDC_CHK_WIPEOUT = 1045,
  IDC_CHK_ALTUNITS = 1046,
};

class CDlgMain : public CDialog {
 public:
  enum { IDD = 129 };

  explicit CDlgMain(CWnd* parent = nullptr);
  ~CDlgMain() override;

  using CDialog::Create;
  // The palette window from resource 129; false (after the message box) when it cannot be made.
  BOOL Create(CWnd* parent);
  BOOL OnInitDialog() override;

  bool AdjustMode(int mode);
  bool AdjustType(int type);
  void ReloadData();
  void ReloadDwgData();
  void ShowOptions();
  void ShowTabControls();
  void SelectScale();
  void EnablePaletteControls(BOOL enable);
  bool IsSpecialType() const;
  CString GetPrefixField(int k) const;
  CString GetSuffixField(int k) const;

  // The text-position code of alignment-box entry `pos` (-1: the box's selection) and back,
  // for the palette's mode (in mode 1 the option object's).
  int TextAlignFromComboPos(int pos);
  int ComboPosFromTextAlign(int code);
  // The same maps for a given height mode (3 or 4).
  static int TextAlignFromComboPos(int mode, int pos);
  static int ComboPosFromTextAlign(int mode, int code);
  // The rounding box: its text to RoundMM and RoundMM to the entry shown.
  static int RoundMMFromText(const wchar_t* text);
  static CString RoundMMText(int value);
  // Whether control `id` is shown on tab `tab` (0 A, 1 B, 2 C) in `mode` (the fixed part of the
  // tab table: the rounding box and the value rows have rules of their own).
  static bool IsTabControlVisible(int id, int tab, int mode);
  // "1:250" for "250"; other texts unchanged.
  static CString NormaliseScaleText(const wchar_t* text);

  // The palette's values into a chain's own option arrays (see PaletteTransfer.cpp).
  bool InitParameters(AcDbEntity* object, int* pChange);

  // The select button's work: the user picks objects whose values the palette then shows
  // (PaletteSelection.cpp).
  void OnButSelectObjects();
  // Shows the merged values of the objects `ids` (selection kind `kind`, 2 for chains) and puts
  // the palette into its selection state.
  void SelectObjects(const AcDbObjectIdArray& ids, int kind);
  // The values of `object` into the boxes; `index` > 0 merges them with what the boxes show.
  void ReadObjectIntoPalette(AcDbEntity* object, int index);
  // "Aktualisieren": the palette's values to the objects the user picks.
  void OnButUpdate();

  // The text a box shows: its selected entry, else its edit text.
  CString GetBoxText(int id) const;
  bool BoxShowsKeepMarker(int id) const;

  int m_iCurrentMode = -1;
  int m_iCurrentType = 0;

 protected:
  void DoDataExchange(CDataExchange* dx) override;
  BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
  afx_msg void OnClose();
  afx_msg LRESULT OnPing(WPARAM wParam, LPARAM lParam);

  // Handlers that write options (DlgMainOptions.cpp).
  afx_msg void OnTextHeightChanged();
  afx_msg void OnScaleSelChange();
  afx_msg void OnScaleKillFocus();
  afx_msg void OnExtLineChanged();
  afx_msg void OnDimLinesDistChanged();
  afx_msg void OnUnitsKillFocus();
  afx_msg void OnMeasureSelChange();
  afx_msg void OnMeasureKillFocus();
  afx_msg void OnDecimalsKillFocus();
  afx_msg void OnTextStyleDropDown();
  afx_msg void OnTextStyleKillFocus();
  afx_msg void OnRoundSelChange();
  afx_msg void OnTextAlignSelChange();
  afx_msg void OnTextPosSelChange();
  afx_msg void OnReducedSizeClicked();
  afx_msg void OnW1Clicked();
  afx_msg void OnW2Clicked();
  afx_msg void OnColourCheckClicked(UINT id);
  afx_msg void OnSettingsToggle();
  afx_msg void OnTabSelChange(NMHDR* header, LRESULT* result);
  afx_msg void OnButUpdateClicked();
  afx_msg void OnButSelectClicked();
  // Menu commands 32700 to 32900 (DlgMainMenu.cpp).
  afx_msg void OnMyCommand(UINT id);

  DECLARE_MESSAGE_MAP()

 private:
  CComboBox* Box(int id) const;
  CButton* Button(int id) const;
  void ShowItem(int id, bool visible);
  void FillComboFromList(int id, int mode, const wchar_t* section);
  // Not merging: select `text`, adding it when missing.
  void SelectBoxString(int id, const wchar_t* text);
  // Merging: a box already showing a keep marker or `text` stays; otherwise it shows "<var>".
  void MergeBoxString(int id, const wchar_t* text, bool merge);
  // Leaving an editable box: its text joins the list and is selected.
  void AcceptEditedText(int id);
  void RefillLayerBox();
  void RefreshValueRow1();
  void RefreshValueRow2();
  void UpdateFormatFromRows();
  void UpdateRoundingVisibility();
  void ApplyScaleStep();
  // Write-through: reads box `id`, writes option (type, index) unless it shows a keep marker.
  bool WriteThrough(int id, int type, int index, CString& text);
  bool CommandIsActive();
  int SelectedTab() const;

  CChoiceButton m_butMode;
  CChoiceButton m_butType;
  bool m_bRowRefresh = false;
};
