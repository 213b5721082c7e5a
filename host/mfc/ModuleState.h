// Extension-module state in the MFC manner: the module-state record with the current resource
// and instance handles, extension-module initialisation, and the chain of CDynLinkLibrary
// objects through which string, dialog and menu lookups reach every extension module's
// resources. The host runs one module state for the whole program.
#pragma once

#include "host/mfc/CObject.h"
#include "host/win/WinTypes.h"

class CDynLinkLibrary;

struct AFX_MODULE_STATE {
  HINSTANCE m_hCurrentInstanceHandle = nullptr;  // the program
  HINSTANCE m_hCurrentResourceHandle = nullptr;  // where resource lookups start; initially the program
  CDynLinkLibrary* m_pFirstDLL = nullptr;        // the chain, most recently created first
};

struct AFX_EXTENSION_MODULE {
  BOOL bInitialized = FALSE;
  HMODULE hModule = nullptr;
  HMODULE hResource = nullptr;
};

// Records the module and its resource handle (the module itself). FALSE for a null module.
BOOL AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE module);
// Deletes the module's CDynLinkLibrary objects (removing them from the chain) and clears the
// record. With `all`, every CDynLinkLibrary of the chain goes.
void AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL all = FALSE);

// Created with `new` by an extension module's DllMain; deleted by AfxTermExtensionModule (or
// when its module is unloaded without that).
class CDynLinkLibrary : public CObject {
 public:
  explicit CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL system = FALSE);
  CDynLinkLibrary(HINSTANCE module, HINSTANCE resource);
  ~CDynLinkLibrary() override;
  CDynLinkLibrary(const CDynLinkLibrary&) = delete;
  CDynLinkLibrary& operator=(const CDynLinkLibrary&) = delete;

  HMODULE m_hModule = nullptr;
  HMODULE m_hResource = nullptr;
  BOOL m_bSystem = FALSE;
  CDynLinkLibrary* m_pNextDLL = nullptr;

 private:
  void link();
};

AFX_MODULE_STATE* AfxGetModuleState();
AFX_MODULE_STATE* AfxGetStaticModuleState();
AFX_MODULE_STATE* AfxGetAppModuleState();

HINSTANCE AfxGetResourceHandle();
void AfxSetResourceHandle(HINSTANCE resource);
HINSTANCE AfxGetInstanceHandle();

// AFX_MANAGE_STATE(AfxGetStaticModuleState()): with one module state there is nothing to
// switch; the scope object is kept so that module code reads as written.
class AFX_MAINTAIN_STATE2 {
 public:
  explicit AFX_MAINTAIN_STATE2(AFX_MODULE_STATE* state) : state_(state) {}
  AFX_MODULE_STATE* state() const { return state_; }

 private:
  AFX_MODULE_STATE* state_;
};

#define AFX_MANAGE_STATE_CONCAT2(a, b) a##b
#define AFX_MANAGE_STATE_CONCAT(a, b) AFX_MANAGE_STATE_CONCAT2(a, b)
#define AFX_MANAGE_STATE(p) \
  AFX_MAINTAIN_STATE2 AFX_MANAGE_STATE_CONCAT(afxManageState_, __LINE__)(p); \
  (void)AFX_MANAGE_STATE_CONCAT(afxManageState_, __LINE__)
