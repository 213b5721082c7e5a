// Message maps in the MFC manner: CCmdTarget, the map entries and the macros that build a
// class's map (DECLARE_MESSAGE_MAP, BEGIN_MESSAGE_MAP(cls, base) ... END_MESSAGE_MAP and the
// ON_* entries). A map is searched from the most derived class to its bases; the first entry
// that fits the message, notification code and control id takes it. Each entry's handler is
// checked against its signature when the map is compiled.
#pragma once

#include <cstddef>

#include "host/mfc/CObject.h"
#include "host/win/WinMessages.h"
#include "host/win/WinTypes.h"

#define afx_msg

class CCmdTarget;
typedef void (CCmdTarget::*AFX_PMSG)();

// How the dispatcher calls an entry's handler.
enum AfxSig {
  AfxSig_end = 0,
  AfxSig_vv,        // void ()
  AfxSig_vw,        // void (UINT id): command ranges
  AfxSig_vNMHDRpl,  // void (NMHDR*, LRESULT*): notifications
  AfxSig_lwl,       // LRESULT (WPARAM, LPARAM): ON_MESSAGE
  AfxSig_vt,        // void (UINT_PTR): WM_TIMER
  AfxSig_vwii,      // void (UINT, int, int): WM_SIZE
  AfxSig_vii,       // void (int, int): WM_MOVE
  AfxSig_vOWNER,    // void (int, LPDRAWITEMSTRUCT): WM_DRAWITEM
  AfxSig_vbw,       // void (BOOL, UINT): WM_SHOWWINDOW
};

typedef void (CCmdTarget::*ZK_PMSG_vw)(UINT);
typedef void (CCmdTarget::*ZK_PMSG_vNMHDRpl)(NMHDR*, LRESULT*);
typedef LRESULT (CCmdTarget::*ZK_PMSG_lwl)(WPARAM, LPARAM);
typedef void (CCmdTarget::*ZK_PMSG_vt)(UINT_PTR);
typedef void (CCmdTarget::*ZK_PMSG_vwii)(UINT, int, int);
typedef void (CCmdTarget::*ZK_PMSG_vii)(int, int);
typedef void (CCmdTarget::*ZK_PMSG_vOWNER)(int, LPDRAWITEMSTRUCT);
typedef void (CCmdTarget::*ZK_PMSG_vbw)(BOOL, UINT);

// An entry's handler in its own type (no casts between member-function types): the entry
// macros convert the handler to the base class type of its signature.
struct AfxHandler {
  AfxHandler(std::nullptr_t) {}
  AfxHandler(AFX_PMSG p) : vv(p) {}
  AfxHandler(ZK_PMSG_vw p) : vw(p) {}
  AfxHandler(ZK_PMSG_vNMHDRpl p) : vNMHDRpl(p) {}
  AfxHandler(ZK_PMSG_lwl p) : lwl(p) {}
  AfxHandler(ZK_PMSG_vt p) : vt(p) {}
  AfxHandler(ZK_PMSG_vwii p) : vwii(p) {}
  AfxHandler(ZK_PMSG_vii p) : vii(p) {}
  AfxHandler(ZK_PMSG_vOWNER p) : vOWNER(p) {}
  AfxHandler(ZK_PMSG_vbw p) : vbw(p) {}
  AFX_PMSG vv = nullptr;
  ZK_PMSG_vw vw = nullptr;
  ZK_PMSG_vNMHDRpl vNMHDRpl = nullptr;
  ZK_PMSG_lwl lwl = nullptr;
  ZK_PMSG_vt vt = nullptr;
  ZK_PMSG_vwii vwii = nullptr;
  ZK_PMSG_vii vii = nullptr;
  ZK_PMSG_vOWNER vOWNER = nullptr;
  ZK_PMSG_vbw vbw = nullptr;
};

struct AFX_MSGMAP_ENTRY {
  UINT nMessage;
  UINT nCode;
  UINT nID;
  UINT nLastID;
  UINT_PTR nSig;
  AfxHandler pfn;
};

struct AFX_MSGMAP {
  const AFX_MSGMAP* (*pfnGetBaseMap)();
  const AFX_MSGMAP_ENTRY* lpEntries;
};

// Reflected notifications (ON_CONTROL_REFLECT, ON_NOTIFY_REFLECT) are entries of the control's
// own map under the message plus this base.
#define WM_REFLECT_BASE 0xBC00

class CCmdTarget : public CObject {
 public:
  CCmdTarget() = default;
  ~CCmdTarget() override = default;
  CCmdTarget(const CCmdTarget&) = delete;
  CCmdTarget& operator=(const CCmdTarget&) = delete;

  // The first entry of the map chain for the message, code and id, or null.
  const AFX_MSGMAP_ENTRY* FindMessageEntry(UINT message, UINT code, UINT id) const;
  // WM_COMMAND: calls the handler of (code, id); FALSE when the map has none.
  virtual BOOL OnCmdMsg(UINT id, int code, void* extra, void* handlerInfo);

 protected:
  static const AFX_MSGMAP* GetThisMessageMap();
  virtual const AFX_MSGMAP* GetMessageMap() const;
  // Calls the entry's handler with the message's arguments by the entry's signature.
  LRESULT CallEntry(const AFX_MSGMAP_ENTRY& entry, UINT id, WPARAM wParam, LPARAM lParam, LRESULT* result);
};

#define DECLARE_MESSAGE_MAP()                      \
 protected:                                        \
  static const AFX_MSGMAP* GetThisMessageMap();    \
  const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                         \
  const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); }    \
  const AFX_MSGMAP* theClass::GetThisMessageMap() {                                    \
    typedef theClass ThisClass;                                                        \
    typedef baseClass TheBaseClass;                                                    \
    (void)static_cast<ThisClass*>(nullptr);                                            \
    static const AFX_MSGMAP_ENTRY _messageEntries[] = {

#define END_MESSAGE_MAP()                                                                    \
  {0, 0, 0, 0, AfxSig_end, nullptr}};                                                       \
  static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &_messageEntries[0]}; \
  return &messageMap;                                                                        \
  }

#define ZK_PMSG(type, fn) static_cast<type>(fn)

#define ON_CONTROL(code, id, fn) \
  {WM_COMMAND, (UINT)(code), (UINT)(id), (UINT)(id), AfxSig_vv, static_cast<AFX_PMSG>(&ThisClass::fn)},
#define ON_COMMAND(id, fn) ON_CONTROL(0, id, fn)
#define ON_COMMAND_RANGE(first, last, fn) \
  {WM_COMMAND, 0, (UINT)(first), (UINT)(last), AfxSig_vw, ZK_PMSG(ZK_PMSG_vw, &ThisClass::fn)},
#define ON_CONTROL_RANGE(code, first, last, fn) \
  {WM_COMMAND, (UINT)(code), (UINT)(first), (UINT)(last), AfxSig_vw, ZK_PMSG(ZK_PMSG_vw, &ThisClass::fn)},
#define ON_BN_CLICKED(id, fn) ON_CONTROL(BN_CLICKED, id, fn)
#define ON_BN_DOUBLECLICKED(id, fn) ON_CONTROL(BN_DOUBLECLICKED, id, fn)
#define ON_BN_SETFOCUS(id, fn) ON_CONTROL(BN_SETFOCUS, id, fn)
#define ON_BN_KILLFOCUS(id, fn) ON_CONTROL(BN_KILLFOCUS, id, fn)
#define ON_EN_CHANGE(id, fn) ON_CONTROL(EN_CHANGE, id, fn)
#define ON_EN_UPDATE(id, fn) ON_CONTROL(EN_UPDATE, id, fn)
#define ON_EN_SETFOCUS(id, fn) ON_CONTROL(EN_SETFOCUS, id, fn)
#define ON_EN_KILLFOCUS(id, fn) ON_CONTROL(EN_KILLFOCUS, id, fn)
#define ON_EN_MAXTEXT(id, fn) ON_CONTROL(EN_MAXTEXT, id, fn)
#define ON_CBN_SELCHANGE(id, fn) ON_CONTROL(CBN_SELCHANGE, id, fn)
#define ON_CBN_EDITCHANGE(id, fn) ON_CONTROL(CBN_EDITCHANGE, id, fn)
#define ON_CBN_EDITUPDATE(id, fn) ON_CONTROL(CBN_EDITUPDATE, id, fn)
#define ON_CBN_SETFOCUS(id, fn) ON_CONTROL(CBN_SETFOCUS, id, fn)
#define ON_CBN_KILLFOCUS(id, fn) ON_CONTROL(CBN_KILLFOCUS, id, fn)
#define ON_CBN_DROPDOWN(id, fn) ON_CONTROL(CBN_DROPDOWN, id, fn)
#define ON_CBN_CLOSEUP(id, fn) ON_CONTROL(CBN_CLOSEUP, id, fn)
#define ON_CBN_SELENDOK(id, fn) ON_CONTROL(CBN_SELENDOK, id, fn)
#define ON_CBN_SELENDCANCEL(id, fn) ON_CONTROL(CBN_SELENDCANCEL, id, fn)
#define ON_LBN_SELCHANGE(id, fn) ON_CONTROL(LBN_SELCHANGE, id, fn)
#define ON_LBN_DBLCLK(id, fn) ON_CONTROL(LBN_DBLCLK, id, fn)
#define ON_STN_CLICKED(id, fn) ON_CONTROL(0, id, fn)
#define ON_NOTIFY(code, id, fn) \
  {WM_NOTIFY, (UINT)(code), (UINT)(id), (UINT)(id), AfxSig_vNMHDRpl, ZK_PMSG(ZK_PMSG_vNMHDRpl, &ThisClass::fn)},
#define ON_NOTIFY_RANGE(code, first, last, fn) \
  {WM_NOTIFY, (UINT)(code), (UINT)(first), (UINT)(last), AfxSig_vNMHDRpl, ZK_PMSG(ZK_PMSG_vNMHDRpl, &ThisClass::fn)},
#define ON_CONTROL_REFLECT(code, fn) \
  {WM_COMMAND + WM_REFLECT_BASE, (UINT)(code), 0, 0, AfxSig_vv, static_cast<AFX_PMSG>(&ThisClass::fn)},
#define ON_NOTIFY_REFLECT(code, fn) \
  {WM_NOTIFY + WM_REFLECT_BASE, (UINT)(code), 0, 0, AfxSig_vNMHDRpl, ZK_PMSG(ZK_PMSG_vNMHDRpl, &ThisClass::fn)},
#define ON_MESSAGE(message, fn) {(UINT)(message), 0, 0, 0, AfxSig_lwl, ZK_PMSG(ZK_PMSG_lwl, &ThisClass::fn)},
#define ON_WM_CLOSE() {WM_CLOSE, 0, 0, 0, AfxSig_vv, static_cast<AFX_PMSG>(&ThisClass::OnClose)},
#define ON_WM_DESTROY() {WM_DESTROY, 0, 0, 0, AfxSig_vv, static_cast<AFX_PMSG>(&ThisClass::OnDestroy)},
#define ON_WM_TIMER() {WM_TIMER, 0, 0, 0, AfxSig_vt, ZK_PMSG(ZK_PMSG_vt, &ThisClass::OnTimer)},
#define ON_WM_SIZE() {WM_SIZE, 0, 0, 0, AfxSig_vwii, ZK_PMSG(ZK_PMSG_vwii, &ThisClass::OnSize)},
#define ON_WM_MOVE() {WM_MOVE, 0, 0, 0, AfxSig_vii, ZK_PMSG(ZK_PMSG_vii, &ThisClass::OnMove)},
#define ON_WM_DRAWITEM() {WM_DRAWITEM, 0, 0, 0, AfxSig_vOWNER, ZK_PMSG(ZK_PMSG_vOWNER, &ThisClass::OnDrawItem)},
#define ON_WM_SHOWWINDOW() {WM_SHOWWINDOW, 0, 0, 0, AfxSig_vbw, ZK_PMSG(ZK_PMSG_vbw, &ThisClass::OnShowWindow)},
