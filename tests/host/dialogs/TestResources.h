// The resource script the dialog tests build their dialogs and menus from, and a fixture that
// makes it the current resources and the script directives available.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "host/ed/CommandProcessor.h"
#include "host/mfc/ModuleState.h"
#include "host/shell/HostCommands.h"
#include "host/win/Console.h"
#include "host/win/MessageQueue.h"
#include "host/win/Module.h"

namespace zktest {

inline const char* DialogTestScript() {
  return R"RC(// resources of the dialog tests
#include "resource.h"
200 DIALOGEX 0, 0, 120, 100
STYLE DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE
CAPTION "Test dialog"
MENU 300
FONT 8, "MS Shell Dlg", 400, 0, 0x1
BEGIN
    EDITTEXT        1001, 4, 4, 60, 12, ES_AUTOHSCROLL
    COMBOBOX        1002, 4, 20, 60, 80, CBS_DROPDOWN | CBS_SORT | WS_VSCROLL | WS_TABSTOP
    COMBOBOX        1003, 4, 36, 60, 80, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP
    AUTOCHECKBOX    "&Auto", 1004, 4, 52, 40, 10
    CONTROL         "Tri", 1005, "Button", BS_AUTO3STATE | BS_PUSHLIKE | WS_TABSTOP, 50, 52, 30, 10
    CONTROL         "", 1006, "Button", BS_OWNERDRAW | WS_TABSTOP, 90, 52, 20, 20
    AUTORADIOBUTTON "One", 1007, 4, 64, 30, 10, WS_GROUP
    AUTORADIOBUTTON "Two", 1008, 40, 64, 30, 10
    CONTROL         "", 1009, "SysTabControl32", 0x0, 0, 76, 120, 13
    LISTBOX         1010, 4, 90, 60, 30, LBS_SORT | LBS_MULTIPLESEL | WS_VSCROLL
    PUSHBUTTON      "Hidden", 1011, 70, 4, 40, 12, NOT WS_VISIBLE
    PUSHBUTTON      "Off", 1012, 70, 20, 40, 12, WS_DISABLED
    LTEXT           "Label", IDC_STATIC, 70, 36, 40, 8
    DEFPUSHBUTTON   "OK", IDOK, 70, 80, 40, 14
    PUSHBUTTON      "Cancel", IDCANCEL, 70, 96, 40, 14
END

201 DIALOG 0, 0, 50, 50
CAPTION "Modal"
BEGIN
    EDITTEXT 1101, 2, 2, 40, 12
    PUSHBUTTON "Seven", 1102, 2, 16, 40, 12
    DEFPUSHBUTTON "OK", IDOK, 2, 30, 40, 14
    PUSHBUTTON "Cancel", IDCANCEL, 2, 46, 40, 14
END

300 MENU
BEGIN
    POPUP "&Edit"
    BEGIN
        MENUITEM "&Center texts\tCtrl+C", 32792
        MENUITEM "Mark", 32837, CHECKED
        MENUITEM SEPARATOR
        MENUITEM "Grey one", 32810, GRAYED
        POPUP "Replace"
        BEGIN
            MENUITEM "Texts...", 32870
        END
    END
    POPUP "Convert"
    BEGIN
        MENUITEM "To chains", 32833
    END
END

172 TOOLBAR 16, 15
BEGIN
    BUTTON 1
    BUTTON 2
    SEPARATOR
    BUTTON 4
END

156 ICON "res\\select.ico"
1089 ICON DISCARDABLE "res\\modes.ico"
131 BITMAP "res\\types.bmp"

STRINGTABLE
BEGIN
    9 "tip text"
END
)RC";
}

// The test resources as the current resource module; the script directives registered.
class DialogFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string script = DialogTestScript();
    module_ = zhost::RegisterStaticModule(L"/zk/dialogs/TestDialogs.arx", script.data(), script.size());
    previous_ = AfxGetResourceHandle();
    AfxSetResourceHandle(module_);
    zhost::RegisterScriptDirectives();
    zhost::Console::instance().setQuiet(true);
    zhost::Console::instance().clearAnswers();
  }
  void TearDown() override {
    AfxSetResourceHandle(previous_);
    zhost::ResetMessageQueue();
    zhost::Console::instance().clearAnswers();
    zhost::CommandProcessor::instance().reset();
  }
  HINSTANCE module_ = nullptr;
  HINSTANCE previous_ = nullptr;
};

}  // namespace zktest
