// Dialog templates, menus, toolbars, icons and bitmaps read from a resource script, their
// lookup through the resource handle, and statements that cannot be read.
#include <gtest/gtest.h>

#include <string>

#include "host/mfc/Menu.h"
#include "host/mfc/ResourceScript.h"
#include "host/mfc/Resources.h"
#include "host/win/WinStyles.h"
#include "tests/host/dialogs/TestResources.h"

namespace {

TEST(DialogResources, TemplatesMenusToolbarsAndImagesAreRead) {
  zhost::ResourceScript s = zhost::ParseResourceScript(zktest::DialogTestScript());
  EXPECT_TRUE(s.problems.empty()) << (s.problems.empty() ? L"" : s.problems.front());
  ASSERT_EQ(s.dialogs.count(200), 1u);
  const zhost::DialogTemplate& d = s.dialogs.at(200);
  EXPECT_TRUE(d.extended);
  EXPECT_EQ(d.caption, L"Test dialog");
  EXPECT_EQ(d.menuId, 300u);
  EXPECT_EQ(d.fontName, L"MS Shell Dlg");
  EXPECT_EQ(d.fontSize, 8);
  EXPECT_EQ(d.cx, 120);
  EXPECT_EQ(d.style, static_cast<DWORD>(DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE));
  ASSERT_EQ(d.controls.size(), 15u);

  struct Row {
    int id;
    const wchar_t* cls;
    DWORD style;
    const wchar_t* text;
  } rows[] = {
      {1001, L"Edit", WS_CHILD | WS_VISIBLE | ES_LEFT | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, L""},
      {1003, L"ComboBox", WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, L""},
      {1004, L"Button", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX | WS_TABSTOP, L"&Auto"},
      {1005, L"Button", WS_CHILD | WS_VISIBLE | BS_AUTO3STATE | BS_PUSHLIKE | WS_TABSTOP, L"Tri"},
      {1007, L"Button", WS_CHILD | WS_VISIBLE | BS_AUTORADIOBUTTON | WS_GROUP, L"One"},
      {1009, L"SysTabControl32", WS_CHILD | WS_VISIBLE, L""},
      {1010, L"ListBox", WS_CHILD | WS_VISIBLE | LBS_NOTIFY | WS_BORDER | LBS_SORT | LBS_MULTIPLESEL | WS_VSCROLL, L""},
      {1011, L"Button", WS_CHILD | BS_PUSHBUTTON | WS_TABSTOP, L"Hidden"},
      {1012, L"Button", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_DISABLED, L"Off"},
      {-1, L"Static", WS_CHILD | WS_VISIBLE | SS_LEFT | WS_GROUP, L"Label"},
      {1, L"Button", WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON | WS_TABSTOP, L"OK"},
  };
  for (const Row& r : rows) {
    const zhost::DialogControlTemplate* c = d.findControl(r.id);
    ASSERT_NE(c, nullptr) << r.id;
    EXPECT_EQ(c->className, r.cls) << r.id;
    EXPECT_EQ(c->style, r.style) << r.id;
    EXPECT_EQ(c->text, r.text) << r.id;
  }
  const zhost::DialogControlTemplate* combo = d.findControl(1002);
  EXPECT_EQ(combo->x, 4);
  EXPECT_EQ(combo->y, 20);
  EXPECT_EQ(combo->cy, 80);
  EXPECT_EQ(s.dialogs.at(201).style, static_cast<DWORD>(WS_POPUP | WS_BORDER | WS_SYSMENU | WS_CAPTION));

  ASSERT_EQ(s.menus.count(300), 1u);
  const auto& bar = s.menus.at(300).items;
  ASSERT_EQ(bar.size(), 2u);
  EXPECT_TRUE(bar[0].popup);
  ASSERT_EQ(bar[0].items.size(), 5u);
  EXPECT_EQ(bar[0].items[0].text, L"&Center texts\tCtrl+C");
  EXPECT_EQ(bar[0].items[1].flags, static_cast<UINT>(MF_CHECKED));
  EXPECT_TRUE(bar[0].items[2].separator);
  EXPECT_EQ(bar[0].items[3].flags, static_cast<UINT>(MF_GRAYED));
  EXPECT_EQ(bar[0].items[4].items.at(0).id, 32870u);

  ASSERT_EQ(s.toolbars.count(172), 1u);
  EXPECT_EQ(s.toolbars.at(172).buttons, (std::vector<UINT>{1, 2, 0, 4}));
  EXPECT_EQ(s.toolbars.at(172).buttonWidth, 16);
  EXPECT_EQ(s.toolbars.at(172).buttonHeight, 15);
  EXPECT_EQ(s.icons.at(156).file, L"res\\select.ico");
  EXPECT_EQ(s.icons.at(1089).file, L"res\\modes.ico");
  EXPECT_EQ(s.bitmaps.at(131).file, L"res\\types.bmp");
  EXPECT_EQ(*s.strings.find(9), L"tip text");
}

TEST(DialogResources, StatementsThatCannotBeReadAreReportedAndTheRestParses) {
  struct Case {
    const char* script;
    size_t controls;  // of dialog 1, when it exists
    bool hasProblem;
  } cases[] = {
      {"1 DIALOG 0,0,10,10 BEGIN PUSHBUTTON \"a\" END 2 MENU BEGIN END", 0, true},
      {"1 DIALOG 0,0,10,10\nBEGIN\n WIDGET 1,2,3\n LTEXT \"x\", 5, 1, 1, 1, 1\nEND", 1, true},
      {"1 DIALOG 0,0,10,10 STYLE WS_NOSUCHSTYLE BEGIN END", 0, true},
      {"1 DIALOG 0,0,10,10 BEGIN LTEXT \"x\", 5, 1, 1, 1, 1", 1, true},
      {"70000 DIALOG 0,0,1,1 BEGIN END 1 DIALOG 0,0,1,1 BEGIN END", 0, true},
      {"1 MENU BEGIN MENUITEM \"no id\" POPUP \"p\" BEGIN MENUITEM \"ok\", 3 END END 1 DIALOG 0,0,1,1 {}", 0, true},
      {"1 DIALOG 0,0,10,10 BEGIN CONTROL \"c\", 7, BUTTON, BS_AUTOCHECKBOX, 1, 2, 3, 4 END", 1, false},
  };
  for (const Case& c : cases) {
    zhost::ResourceScript s = zhost::ParseResourceScript(c.script);
    EXPECT_EQ(!s.problems.empty(), c.hasProblem) << c.script;
    auto it = s.dialogs.find(1);
    if (it != s.dialogs.end()) {
      EXPECT_EQ(it->second.controls.size(), c.controls) << c.script;
    }
  }
  zhost::ResourceScript generic = zhost::ParseResourceScript(cases[6].script);
  EXPECT_EQ(generic.dialogs.at(1).controls.at(0).className, L"Button");
}

class DialogLookup : public zktest::DialogFixture {};

TEST_F(DialogLookup, TemplatesAndMenusAreFoundThroughTheResourceHandle) {
  HINSTANCE from = nullptr;
  const zhost::DialogTemplate* d = zhost::FindDialogTemplate(200, &from);
  ASSERT_NE(d, nullptr);
  EXPECT_EQ(from, module_);
  EXPECT_EQ(zhost::FindDialogTemplate(999), nullptr);
  EXPECT_NE(zhost::FindMenuTemplate(300), nullptr);
  EXPECT_NE(zhost::FindToolbarResource(172), nullptr);
  EXPECT_NE(zhost::FindIconResource(156), nullptr);
  EXPECT_NE(zhost::FindBitmapResource(131), nullptr);
  AfxSetResourceHandle(previous_);
  EXPECT_EQ(zhost::FindDialogTemplate(200), nullptr);  // the module is not in the chain
}

TEST_F(DialogLookup, MenuFunctionsKeepCheckAndGreyStateByCommandAndPosition) {
  CMenu menu;
  ASSERT_TRUE(menu.LoadMenu(300));
  EXPECT_EQ(menu.GetMenuItemCount(), 2u);
  CMenu* edit = menu.GetSubMenu(0);
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(edit->GetMenuItemID(0), 32792u);
  EXPECT_EQ(edit->GetMenuItemID(2), 0u);                     // separator
  EXPECT_EQ(edit->GetMenuItemID(4), static_cast<UINT>(-1));  // popup
  CString text;
  menu.GetMenuString(32870, text, MF_BYCOMMAND);  // found inside a popup's popup
  EXPECT_EQ(text, L"Texts...");
  EXPECT_EQ(menu.CheckMenuItem(32837, MF_BYCOMMAND | MF_UNCHECKED), static_cast<UINT>(MF_CHECKED));
  EXPECT_EQ(menu.GetMenuState(32837, MF_BYCOMMAND) & MF_CHECKED, 0u);
  EXPECT_EQ(edit->EnableMenuItem(3, MF_BYPOSITION | MF_ENABLED), static_cast<UINT>(MF_GRAYED));
  EXPECT_EQ(menu.EnableMenuItem(99999, MF_BYCOMMAND | MF_GRAYED), static_cast<UINT>(-1));
  EXPECT_EQ(menu.GetMenuState(1, MF_BYPOSITION), static_cast<UINT>(MF_POPUP | (1 << 8)));
  EXPECT_TRUE(menu.ModifyMenu(32792, MF_BYCOMMAND | MF_STRING, 32793, L"Default position"));
  EXPECT_EQ(edit->GetMenuItemID(0), 32793u);
  MENUITEMINFOW info;
  info.fMask = MIIM_STRING;
  info.dwTypeData = const_cast<LPWSTR>(L"Renamed");
  EXPECT_TRUE(menu.SetMenuItemInfo(32793, &info));
  menu.GetMenuString(0, text, MF_BYPOSITION);
  EXPECT_EQ(text, L"&Edit");
  edit->GetMenuString(0, text, MF_BYPOSITION);
  EXPECT_EQ(text, L"Renamed");
  EXPECT_FALSE(CMenu().LoadMenu(301));
}

}  // namespace
