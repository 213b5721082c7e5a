// The scoped switch of the MFC resource handle to the language module or this module.
#include "frame/ResourceOverride.h"

#include "frame/ModuleHandles.h"
#include "host/mfc/Exceptions.h"
#include "host/mfc/ModuleState.h"
#include "settings/DebugLog.h"

namespace {

// The module whose resources should be used now: the language module when one is loaded.
HINSTANCE ResourceModuleToUse() {
  HINSTANCE language = GetLanguageModule();
  return language ? language : GetModuleInstance();
}

}  // namespace

CTemporaryResourceOverride::CTemporaryResourceOverride() {
  try {
    HINSTANCE use = ResourceModuleToUse();
    if (!use) return;
    AFX_MODULE_STATE* state = AfxGetModuleState();
    if (!state) return;
    m_hPrevious = state->m_hCurrentResourceHandle;
    m_bRemembered = true;
    state->m_hCurrentResourceHandle = use;
  } catch (CException* e) {
    e->Delete();
    TraceMsg(L"\nCTemporaryResourceOverride: exception while switching resources");
  } catch (...) {
    TraceMsg(L"\nCTemporaryResourceOverride: exception while switching resources");
  }
}

CTemporaryResourceOverride::~CTemporaryResourceOverride() {
  try {
    if (!m_bRemembered) {
      TraceMsg(L"\nCTemporaryResourceOverride: no resource handle to restore");
      return;
    }
    AFX_MODULE_STATE* state = AfxGetModuleState();
    if (state) state->m_hCurrentResourceHandle = m_hPrevious;
  } catch (CException* e) {
    e->Delete();
    TraceMsg(L"\nCTemporaryResourceOverride: exception while restoring resources");
  } catch (...) {
    TraceMsg(L"\nCTemporaryResourceOverride: exception while restoring resources");
  }
}
