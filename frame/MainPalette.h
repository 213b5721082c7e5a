// The life of the main palette: creating, showing, hiding and destroying it, and remembering
// whether it was open when the module went away.
#pragma once

class CDlgMain;

// The main palette; null while none exists.
extern CDlgMain* dlgMyApp;

// Makes sure the palette exists (creating it from dialog resource 129) and shows it when bShow.
// False when the palette window cannot be created; the message box says so.
bool StartApp(bool bShow);

// bDestroy false only hides the palette. bDestroy with bSaveState records "ShowAppWindow".
void EndApp(bool bDestroy, bool bSaveState);

// Before a command picks in the drawing: hide a visible palette and cancel foreign commands.
void HideDlgMain();
// After it: show the palette again when HideDlgMain hid it.
void ShowDlgMain();

// Records "ShowAppWindow" = "1" when a palette exists, else "0".
void SaveShowAppWindow();

// The work of the command QTRV_SelectZenkoraObjects.
void SelectZenkoraObjectsCommand();

// The work of the command QTRV_Zenkora: open the palette, or say that it cannot be created.
void OpenMainPalette();
