// The program's module state and the CDynLinkLibrary chain.
#include "host/mfc/ModuleState.h"

#include <vector>

#include "host/win/Module.h"

namespace {

void ForgetModule(HINSTANCE module);

// Never destroyed: modules may be unloaded from other static destructors at exit.
AFX_MODULE_STATE& State() {
  static AFX_MODULE_STATE* state = [] {
    auto* s = new AFX_MODULE_STATE;
    s->m_hCurrentInstanceHandle = zhost::HostModule();
    s->m_hCurrentResourceHandle = zhost::HostModule();
    zhost::AddModuleReleaseHook(&ForgetModule);
    return s;
  }();
  return *state;
}

void Unlink(CDynLinkLibrary* dll) {
  for (CDynLinkLibrary** p = &State().m_pFirstDLL; *p; p = &(*p)->m_pNextDLL)
    if (*p == dll) {
      *p = dll->m_pNextDLL;
      dll->m_pNextDLL = nullptr;
      return;
    }
}

// Deletes the chain entries that `match` selects.
template <typename Match>
void DeleteLibraries(Match match) {
  std::vector<CDynLinkLibrary*> doomed;
  for (CDynLinkLibrary* d = State().m_pFirstDLL; d; d = d->m_pNextDLL)
    if (match(d)) doomed.push_back(d);
  for (CDynLinkLibrary* d : doomed) delete d;
}

// A module going away must not stay the resource source or in the chain.
void ForgetModule(HINSTANCE module) {
  AFX_MODULE_STATE& s = State();
  if (s.m_hCurrentResourceHandle == module) s.m_hCurrentResourceHandle = s.m_hCurrentInstanceHandle;
  DeleteLibraries([module](CDynLinkLibrary* d) { return d->m_hModule == module || d->m_hResource == module; });
}

}  // namespace

BOOL AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE module) {
  State();
  if (!module) return FALSE;
  if (state.bInitialized && state.hModule == module) return TRUE;
  state.hModule = module;
  state.hResource = module;
  state.bInitialized = TRUE;
  return TRUE;
}

void AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL all) {
  if (all) DeleteLibraries([](CDynLinkLibrary*) { return true; });
  else if (state.hModule) DeleteLibraries([&state](CDynLinkLibrary* d) { return d->m_hModule == state.hModule; });
  state.bInitialized = FALSE;
  state.hModule = nullptr;
  state.hResource = nullptr;
}

CDynLinkLibrary::CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL system)
    : m_hModule(state.hModule), m_hResource(state.hResource), m_bSystem(system) {
  link();
}

CDynLinkLibrary::CDynLinkLibrary(HINSTANCE module, HINSTANCE resource) : m_hModule(module), m_hResource(resource) {
  link();
}

CDynLinkLibrary::~CDynLinkLibrary() { Unlink(this); }

void CDynLinkLibrary::link() {
  AFX_MODULE_STATE& s = State();
  m_pNextDLL = s.m_pFirstDLL;
  s.m_pFirstDLL = this;
}

AFX_MODULE_STATE* AfxGetModuleState() { return &State(); }
AFX_MODULE_STATE* AfxGetStaticModuleState() { return &State(); }
AFX_MODULE_STATE* AfxGetAppModuleState() { return &State(); }

HINSTANCE AfxGetResourceHandle() { return State().m_hCurrentResourceHandle; }
void AfxSetResourceHandle(HINSTANCE resource) { State().m_hCurrentResourceHandle = resource; }
HINSTANCE AfxGetInstanceHandle() { return State().m_hCurrentInstanceHandle; }
