// CDialog: dialogs built from their resource templates, modeless (Create) and modal (DoModal).
//
// Create finds the template (resource handle, module chain, program), makes the dialog window
// (class "#32770", hidden until initialised), its menu bar (the template's MENU) and its
// controls (ids, classes, captions, styles; positions in pixels by CWnd::MapDialogRect), sends
// WM_INITDIALOG (OnInitDialog, which exchanges data with UpdateData(FALSE)), and shows the
// dialog when its style has WS_VISIBLE. No control has the focus until the script acts on one.
// A template that is missing fails Create (FALSE) and DoModal (-1) with a transcript line.
//
// DoModal shows the dialog, disables its owner and then takes the user's actions from the
// script lines that follow the command: while they are directives ("%dialog ...", "%menu ...",
// "%answer ..."), each is run in turn until a handler calls EndDialog. When the next line is
// not a directive, or the script ends, the dialog is cancelled (IDCANCEL, as the user closing
// it) and that line is left for the command that runs the dialog. Transcript:
//   [dialog <id>] "<caption>" opened (modal)
//   [dialog <id>] no more script actions: cancelled        (when it comes to that)
//   [dialog <id>] ended with <code>
#pragma once

#include <vector>

#include "host/mfc/MessageBox.h"
#include "host/mfc/Wnd.h"

#define MAKEINTRESOURCEW(i) (reinterpret_cast<LPWSTR>(static_cast<UINT_PTR>(static_cast<WORD>(i))))
#define MAKEINTRESOURCE MAKEINTRESOURCEW
#define IS_INTRESOURCE(r) ((reinterpret_cast<UINT_PTR>(r) >> 16) == 0)

class CDialog : public CWnd {
 public:
  CDialog() = default;
  explicit CDialog(UINT templateId, CWnd* parent = nullptr);
  ~CDialog() override;

  // A modeless dialog from template `templateId`.
  virtual BOOL Create(UINT templateId, CWnd* parent = nullptr);
  BOOL Create(LPCWSTR templateName, CWnd* parent = nullptr);
  // The template given to the constructor, run as a modal dialog: the code EndDialog gave, or
  // -1 when the dialog could not be created.
  virtual INT_PTR DoModal();
  void EndDialog(int result);

  virtual BOOL OnInitDialog();
  void GotoDlgCtrl(CWnd* control);
  void SetDefID(UINT id) { m_nDefID = id; }
  DWORD GetDefID() const { return m_nDefID; }

  UINT GetTemplateId() const { return m_nIDTemplate; }
  bool IsModal() const { return m_bModal; }

  CWnd* m_pParentWnd = nullptr;
  UINT m_nIDHelp = 0;

 protected:
  virtual void OnOK();
  virtual void OnCancel();
  afx_msg void OnClose();
  BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
  std::wstring DescribeForTranscript() const override;

  DECLARE_MESSAGE_MAP()

 private:
  BOOL CreateFromTemplate(UINT templateId, CWnd* parent);
  void Forget();

  UINT m_nIDTemplate = 0;
  DWORD m_nDefID = 1;
  int m_nModalResult = -1;
  bool m_bModal = false;
  bool m_bEnded = false;
};

namespace zhost {

// The dialogs whose windows exist, in the order they were created.
std::vector<CDialog*> OpenDialogs();
// The most recently created open dialog of template `templateId`, or null.
CDialog* FindOpenDialog(UINT templateId);

}  // namespace zhost
