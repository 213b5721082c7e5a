// A dialog with a message map driven by the script directives through the command processor:
// the handlers called and their order, control states, refusals, menus, pop-up menus, modal
// end codes, timers and the print.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "host/mfc/Button.h"
#include "host/mfc/ComboBox.h"
#include "host/mfc/DataExchange.h"
#include "host/mfc/Dialog.h"
#include "host/mfc/Edit.h"
#include "host/mfc/Exceptions.h"
#include "host/mfc/ListBox.h"
#include "host/mfc/Menu.h"
#include "host/mfc/TabCtrl.h"
#include "host/mfc/ToolTipCtrl.h"
#include "tests/host/dialogs/TestResources.h"
#include "tests/host/ed/EdTestSupport.h"

namespace {

using Log = std::vector<std::wstring>;

class CountingButton : public CButton {
 public:
  void DrawItem(LPDRAWITEMSTRUCT item) override {
    ++draws;
    lastState = item->itemState;
  }
  int draws = 0;
  UINT lastState = 0;
};

class TestDialog : public CDialog {
 public:
  TestDialog() : CDialog(200) {}
  Log log;
  CString m_text;
  int m_auto = 0;
  BOOL m_refuseTab = FALSE;
  CComboBox m_combo;
  CTabCtrl m_tab;
  CListBox m_list;
  CountingButton m_owner;
  CToolTipCtrl m_tips;

  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    for (const wchar_t* s : {L"b", L"a", L"c"}) m_combo.AddString(s);
    for (const wchar_t* s : {L"pear", L"apple"}) m_list.AddString(s);
    m_tab.InsertItem(0, L"   A ");
    m_tab.InsertItem(1, L"   B ");
    m_tips.Create(this);
    m_tips.AddTool(&m_combo, 9u);
    log.push_back(L"init");
    return TRUE;
  }
  void DoDataExchange(CDataExchange* dx) override {
    DDX_Control(dx, 1002, m_combo);
    DDX_Control(dx, 1009, m_tab);
    DDX_Control(dx, 1010, m_list);
    DDX_Control(dx, 1006, m_owner);
    DDX_Text(dx, 1001, m_text);
    DDX_Check(dx, 1004, m_auto);
  }

 protected:
  afx_msg void OnEditChange() {
    CString t;
    GetDlgItemText(1001, t);
    log.push_back(L"EN_CHANGE " + t.str());
  }
  afx_msg void OnEditKill() { log.push_back(L"EN_KILLFOCUS"); }
  afx_msg void OnComboSel() {
    CString t;
    m_combo.GetLBText(m_combo.GetCurSel(), t);
    log.push_back(L"CBN_SELCHANGE " + t.str());
  }
  afx_msg void OnComboEdit() {
    CString t;
    m_combo.GetWindowText(t);
    log.push_back(L"CBN_EDITCHANGE " + t.str() + L" sel=" + std::to_wstring(m_combo.GetCurSel()));
  }
  afx_msg void OnComboKill() { log.push_back(L"CBN_KILLFOCUS"); }
  afx_msg void OnComboDrop() {
    log.push_back(L"CBN_DROPDOWN");
    if (m_combo.FindStringExact(-1, L"d") < 0) m_combo.AddString(L"d");  // refilled as the list opens
  }
  afx_msg void OnClicked(UINT id) {
    CButton* b = static_cast<CButton*>(GetDlgItem(static_cast<int>(id)));
    log.push_back(L"BN_CLICKED " + std::to_wstring(id) + L" " + std::to_wstring(b->GetCheck()));
  }
  afx_msg void OnThrows() { AfxThrowInvalidArgException(); }
  afx_msg void OnTabChanging(NMHDR*, LRESULT* result) {
    log.push_back(L"TCN_SELCHANGING");
    *result = m_refuseTab;
  }
  afx_msg void OnTabChange(NMHDR*, LRESULT*) { log.push_back(L"TCN_SELCHANGE " + std::to_wstring(m_tab.GetCurSel())); }
  afx_msg void OnListSel() { log.push_back(L"LBN_SELCHANGE " + std::to_wstring(m_list.GetSelCount())); }
  afx_msg void OnMenu(UINT id) { log.push_back(L"menu " + std::to_wstring(id)); }
  afx_msg void OnTimer(UINT_PTR id) { log.push_back(L"WM_TIMER " + std::to_wstring(id)); }
  afx_msg void OnClose() {
    log.push_back(L"WM_CLOSE");
    DestroyWindow();
  }
  void OnOK() override { log.push_back(L"OnOK"); }

  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(TestDialog, CDialog)
  ON_EN_CHANGE(1001, OnEditChange)
  ON_EN_KILLFOCUS(1001, OnEditKill)
  ON_CBN_SELCHANGE(1002, OnComboSel)
  ON_CBN_EDITCHANGE(1002, OnComboEdit)
  ON_CBN_KILLFOCUS(1002, OnComboKill)
  ON_CBN_DROPDOWN(1002, OnComboDrop)
  ON_CONTROL_RANGE(BN_CLICKED, 1004, 1005, OnClicked)
  ON_CONTROL_RANGE(BN_CLICKED, 1007, 1008, OnClicked)
  ON_BN_CLICKED(1006, OnThrows)
  ON_NOTIFY(TCN_SELCHANGING, 1009, OnTabChanging)
  ON_NOTIFY(TCN_SELCHANGE, 1009, OnTabChange)
  ON_LBN_SELCHANGE(1010, OnListSel)
  ON_COMMAND_RANGE(32700, 32900, OnMenu)
  ON_WM_TIMER()
  ON_WM_CLOSE()
END_MESSAGE_MAP()

class DialogScript : public zktest::DialogFixture {
 protected:
  void SetUp() override {
    DialogFixture::SetUp();
    ASSERT_TRUE(dialog.Create(200));
    dialog.log.clear();
  }
  std::wstring Run(const std::vector<std::wstring>& lines) { return zktest::RunLines(lines); }
  TestDialog dialog;
};

TEST_F(DialogScript, CreateBuildsTheControlsAndExchangesData) {
  EXPECT_TRUE(dialog.IsWindowVisible());
  EXPECT_EQ(zhost::FindOpenDialog(200), &dialog);
  CString caption;
  dialog.GetWindowText(caption);
  EXPECT_EQ(caption, L"Test dialog");
  EXPECT_FALSE(dialog.GetDlgItem(1011)->IsWindowVisible());
  EXPECT_FALSE(dialog.GetDlgItem(1012)->IsWindowEnabled());
  RECT r;
  dialog.GetDlgItem(1002)->GetWindowRect(&r);
  RECT d;
  dialog.GetWindowRect(&d);
  EXPECT_EQ(r.left - d.left, 4 * 6 / 4);
  EXPECT_EQ(r.top - d.top, 20 * 13 / 8);
  EXPECT_EQ(dialog.m_combo.GetCount(), 3);
  CString first;
  dialog.m_combo.GetLBText(0, first);
  EXPECT_EQ(first, L"a");  // CBS_SORT
  EXPECT_GE(dialog.m_owner.draws, 1);
  ASSERT_NE(dialog.GetMenu(), nullptr);
  EXPECT_EQ(dialog.GetMenu()->GetMenuItemCount(), 2u);

  dialog.m_text = L"typed";
  dialog.m_auto = 1;
  EXPECT_TRUE(dialog.UpdateData(FALSE));
  EXPECT_EQ(static_cast<CButton*>(dialog.GetDlgItem(1004))->GetCheck(), 1);
  dialog.SetDlgItemText(1001, L"back");
  EXPECT_TRUE(dialog.UpdateData(TRUE));
  EXPECT_EQ(dialog.m_text, L"back");
}

TEST_F(DialogScript, ActionsRunTheHandlersInTheOrderOfTheMessages) {
  std::wstring out = Run({
      L"%dialog 200 set 1001 hello world",
      L"%dialog 200 set 1002 zz",
      L"%dialog 200 select 1002 d",
      L"%dialog 200 check 1005 2",
      L"%dialog 200 check \"Auto\" 1",
      L"%dialog 200 click 1008",
      L"%dialog 200 select 1009 b",
      L"%dialog 200 select 1010 apple",
      L"%dialog 200 select 1010 #1",
  });
  Log expected = {
      L"EN_CHANGE hello world", L"EN_KILLFOCUS",
      L"CBN_EDITCHANGE zz sel=-1", L"CBN_KILLFOCUS",
      L"CBN_DROPDOWN", L"CBN_SELCHANGE d", L"CBN_KILLFOCUS",
      L"BN_CLICKED 1005 1", L"BN_CLICKED 1005 2",
      L"BN_CLICKED 1004 1",
      L"BN_CLICKED 1008 1",
      L"TCN_SELCHANGING", L"TCN_SELCHANGE 1",
      L"LBN_SELCHANGE 1", L"LBN_SELCHANGE 2",
  };
  EXPECT_EQ(dialog.log, expected) << out;
  EXPECT_EQ(static_cast<CButton*>(dialog.GetDlgItem(1007))->GetCheck(), 0);
  EXPECT_TRUE(zktest::Contains(out, L"%dialog 200 set 1001 hello world\n[dialog 200] -> 1001 edit \"hello world\" visible enabled\n")) << out;
  EXPECT_TRUE(zktest::Contains(out, L"[dialog 200] -> 1002 combo \"d\" sel=3 items=4 sorted visible enabled")) << out;

  dialog.log.clear();
  dialog.m_refuseTab = TRUE;
  out = Run({L"%dialog 200 select 1009 #0"});
  EXPECT_EQ(dialog.log, Log{L"TCN_SELCHANGING"});
  EXPECT_EQ(dialog.m_tab.GetCurSel(), 1);
  EXPECT_TRUE(zktest::Contains(out, L"control 1009 kept its selection")) << out;
}

TEST_F(DialogScript, RefusedActionsSayWhyAndChangeNothing) {
  struct Row {
    const wchar_t* line;
    const wchar_t* says;
  } rows[] = {
      {L"%dialog 999 click 1", L"no dialog 999 is open"},
      {L"%dialog 200 click 4711", L"has no control 4711"},
      {L"%dialog 200 click 1011", L"control 1011 is hidden"},
      {L"%dialog 200 click 1012", L"control 1012 is disabled"},
      {L"%dialog 200 set 1003 x", L"is a drop-down list"},
      {L"%dialog 200 select 1002 nothing", L"has no item \"nothing\""},
      {L"%dialog 200 check 1007 0", L"is cleared by checking another"},
      {L"%dialog 200 check 1004 5", L"check takes 0, 1 or 2"},
      {L"%dialog 200 wiggle 1004", L"does not know the action"},
      {L"%dialog 200 menu Grey one", L"menu item 32810 Grey one is grey"},
  };
  for (const Row& row : rows) {
    dialog.log.clear();
    std::wstring out = Run({row.line});
    EXPECT_TRUE(zktest::Contains(out, row.says)) << out;
    for (const std::wstring& entry : dialog.log) EXPECT_EQ(entry.find(L"BN_CLICKED"), std::wstring::npos) << row.line;
  }
  EXPECT_EQ(static_cast<CButton*>(dialog.GetDlgItem(1004))->GetCheck(), 0);
  dialog.ShowWindow(SW_HIDE);
  EXPECT_TRUE(zktest::Contains(Run({L"%dialog 200 click 1004"}), L"[dialog 200] is hidden; nothing done."));
}

TEST_F(DialogScript, AHandlerThatThrowsIsReportedAndTheDialogGoesOn) {
  std::wstring out = Run({L"%dialog 200 click 1006", L"%dialog 200 click 1004"});
  EXPECT_TRUE(zktest::Contains(out, L"[dialog 200] the handler of WM_COMMAND (id 1006, code 0) ended with an exception")) << out;
  EXPECT_EQ(dialog.log, Log{L"BN_CLICKED 1004 1"});
  EXPECT_GE(dialog.m_owner.draws, 2);  // the click redraws the owner-drawn button
}

TEST_F(DialogScript, PrintListsEveryControlOnALine) {
  static_cast<CButton*>(dialog.GetDlgItem(1005))->SetCheck(BST_INDETERMINATE);
  dialog.m_list.SetSel(1);
  std::wstring out = Run({L"%dialog 200 print"});
  const wchar_t* lines[] = {
      L"[dialog 200] \"Test dialog\" visible enabled, 16 controls\n",
      L"\n  1001 edit \"\" visible enabled\n",
      L"\n  1003 droplist \"\" sel=-1 items=0 visible enabled\n",
      L"\n  1004 checkbox \"&Auto\" check=0 auto visible enabled\n",
      L"\n  1005 3state \"Tri\" check=2 auto pushlike visible enabled\n",
      L"\n  1006 ownerdraw \"\" check=0 visible enabled\n",
      L"\n  1007 radio \"One\" check=0 auto visible enabled\n",
      L"\n  1009 tab \"\" sel=0 items=2 tabs=\"   A \",\"   B \" visible enabled\n",
      L"\n  1010 listbox \"\" sel=[1] items=2 sorted multi visible enabled\n",
      L"\n  1011 button \"Hidden\" hidden enabled\n",
      L"\n  1012 button \"Off\" visible disabled\n",
      L"\n  -1 static \"Label\" visible enabled\n",
      L"\n  1 defbutton \"OK\" visible enabled\n",
      L"\n  0 tooltip \"\" tips=[1002:\"tip text\"] hidden enabled\n",
      L"\n  menu:\n    Edit >\n      32792 Center texts\n      32837 Mark [x]\n      ----\n      32810 Grey one (grey)\n"
      L"      Replace >\n        32870 Texts...\n    Convert >\n      32833 To chains\n",
  };
  for (const wchar_t* line : lines) EXPECT_TRUE(zktest::Contains(out, line)) << line << "\n" << out;
}

TEST_F(DialogScript, MenuBarItemsAndPopupMenusAnswerFromTheScript) {
  zhost::CommandProcessor& cp = zhost::CommandProcessor::instance();
  UINT popupResult = 12345;
  cp.addBuiltin(L"ZKPOPUP", [&] {
    CMenu menu;
    menu.LoadMenu(300);
    popupResult = static_cast<UINT>(menu.GetSubMenu(0)->TrackPopupMenu(TPM_RETURNCMD, 0, 0, &dialog));
  });
  cp.addBuiltin(L"ZKEXTRA", [&] {
    CMenu menu;
    menu.CreatePopupMenu();
    menu.AppendMenu(MF_STRING, 32701, L"Extra");
    menu.TrackPopupMenu(0, 0, 0, &dialog);  // posted to the dialog
  });

  std::wstring out = Run({L"%menu Center texts", L"%dialog 200 menu 32870", L"%menu Grey one"});
  EXPECT_EQ(dialog.log, (Log{L"menu 32792", L"menu 32870"})) << out;
  EXPECT_TRUE(zktest::Contains(out, L"[dialog 200] menu -> 32792 Center texts")) << out;
  EXPECT_TRUE(zktest::Contains(out, L"menu item 32810 Grey one is grey")) << out;

  out = Run({L"ZKPOPUP", L"%menu mark"});
  EXPECT_EQ(popupResult, 32837u);
  EXPECT_TRUE(zktest::Contains(out, L"[popup menu]\n  32792 Center texts\n  32837 Mark [x]\n  ----\n  32810 Grey one (grey)\n"
                                    L"  Replace >\n    32870 Texts...\n%menu mark\n[popup menu] -> 32837 Mark\n")) << out;
  out = Run({L"ZKPOPUP", L"%menu 32810"});
  EXPECT_EQ(popupResult, 0u);
  EXPECT_TRUE(zktest::Contains(out, L"refused: the item is grey")) << out;
  out = Run({L"ZKPOPUP"});
  EXPECT_EQ(popupResult, 0u);
  EXPECT_TRUE(zktest::Contains(out, L"[popup menu] -> cancelled (no answer)")) << out;

  dialog.log.clear();
  out = Run({L"%menu Extra", L"ZKEXTRA", L";the posted command arrives in the gap before this line"});
  EXPECT_TRUE(zktest::Contains(out, L"%menu \"Extra\" is queued for the next pop-up menu.")) << out;
  EXPECT_EQ(dialog.log, Log{L"menu 32701"}) << out;
}

TEST_F(DialogScript, TimersFireOncePerGapBetweenScriptLines) {
  dialog.SetTimer(7, 250);
  std::wstring out = Run({L";one", L";two"});
  EXPECT_EQ(dialog.log, (Log{L"WM_TIMER 7", L"WM_TIMER 7", L"WM_TIMER 7"})) << out;
  dialog.KillTimer(7);
  dialog.log.clear();
  dialog.PostMessage(WM_CLOSE);
  Run({L";three"});
  EXPECT_EQ(dialog.log, Log{L"WM_CLOSE"});
  EXPECT_EQ(zhost::FindOpenDialog(200), nullptr);
  EXPECT_EQ(dialog.m_hWnd, nullptr);
  EXPECT_EQ(dialog.m_combo.m_hWnd, nullptr);  // the controls let go of their windows too
}

class ModalDialog : public CDialog {
 public:
  ModalDialog(UINT id = 201) : CDialog(id) {}
  CString m_value;
  void DoDataExchange(CDataExchange* dx) override { DDX_Text(dx, 1101, m_value); }

 protected:
  afx_msg void OnSeven() { EndDialog(7); }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ModalDialog, CDialog)
  ON_BN_CLICKED(1102, OnSeven)
END_MESSAGE_MAP()

class ModalScript : public zktest::DialogFixture {};

TEST_F(ModalScript, DoModalRunsTheFollowingDirectivesUntilTheDialogEnds) {
  zhost::CommandProcessor& cp = zhost::CommandProcessor::instance();
  INT_PTR result = 0;
  CString value;
  UINT id = 201;
  cp.addBuiltin(L"ZKMODAL", [&] {
    ModalDialog modal(id);
    modal.m_value = L"start";
    result = modal.DoModal();
    value = modal.m_value;
  });
  Log after;
  cp.addBuiltin(L"ZKAFTER", [&] { after.push_back(L"after"); });

  struct Row {
    std::vector<std::wstring> lines;
    INT_PTR code;
    const wchar_t* value;
    const wchar_t* says;
  } rows[] = {
      {{L"ZKMODAL", L"%dialog 201 set 1101 abc", L"%dialog 201 click 1"}, IDOK, L"abc", L"[dialog 201] ended with 1 (IDOK)"},
      {{L"ZKMODAL", L"%dialog 201 set 1101 abc", L"%dialog 201 click Cancel"}, IDCANCEL, L"start", L"ended with 2 (IDCANCEL)"},
      {{L"ZKMODAL", L"%dialog 201 click \"Seven\""}, 7, L"start", L"[dialog 201] ended with 7"},
      {{L"ZKMODAL", L"%dialog 201 close"}, IDCANCEL, L"start", L"ended with 2"},
      {{L"ZKMODAL", L"ZKAFTER"}, IDCANCEL, L"start", L"[dialog 201] no more script actions: cancelled"},
  };
  for (const Row& row : rows) {
    after.clear();
    std::wstring out = zktest::RunLines(row.lines);
    EXPECT_EQ(result, row.code) << out;
    EXPECT_EQ(value, row.value) << out;
    EXPECT_TRUE(zktest::Contains(out, L"[dialog 201] \"Modal\" opened (modal)")) << out;
    EXPECT_TRUE(zktest::Contains(out, row.says)) << out;
    EXPECT_EQ(zhost::FindOpenDialog(201), nullptr);
  }
  EXPECT_EQ(after, Log{L"after"});  // the line that cancelled the dialog still ran

  id = 4242;
  std::wstring out = zktest::RunLines({L"ZKMODAL"});
  EXPECT_EQ(result, -1);
  EXPECT_TRUE(zktest::Contains(out, L"[dialog 4242] cannot be created: no module has dialog resource 4242.")) << out;
  CDialog missing;
  EXPECT_FALSE(missing.Create(4242));
}

}  // namespace
