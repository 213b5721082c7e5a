// Resource lookup by module and through the module state's chain.
#include "host/mfc/Resources.h"

#include <algorithm>
#include <cstring>
#include <cwchar>

#include "host/mfc/ModuleState.h"
#include "host/win/Module.h"

namespace zhost {

std::shared_ptr<const ResourceScript> ModuleResources(HINSTANCE module) {
  static const auto kEmpty = std::make_shared<const ResourceScript>();
  if (!IsModule(module) || !module->hasResourceScript) return kEmpty;
  if (!module->resources)
    module->resources = std::make_shared<const ResourceScript>(ParseResourceScript(module->resourceScript));
  return module->resources;
}

const std::wstring* FindModuleString(HINSTANCE module, UINT id) {
  if (!IsModule(module)) return nullptr;
  const std::wstring* text = ModuleResources(module)->strings.find(id);
  return text && !text->empty() ? text : nullptr;
}

HINSTANCE FindStringResourceHandle(UINT id) {
  AFX_MODULE_STATE* state = AfxGetModuleState();
  if (FindModuleString(state->m_hCurrentResourceHandle, id)) return state->m_hCurrentResourceHandle;
  for (CDynLinkLibrary* d = state->m_pFirstDLL; d; d = d->m_pNextDLL)
    if (FindModuleString(d->m_hResource, id)) return d->m_hResource;
  if (FindModuleString(HostModule(), id)) return HostModule();
  return nullptr;
}

std::vector<HINSTANCE> ResourceSearchOrder() {
  std::vector<HINSTANCE> order;
  auto add = [&order](HINSTANCE m) {
    if (IsModule(m) && std::find(order.begin(), order.end(), m) == order.end()) order.push_back(m);
  };
  AFX_MODULE_STATE* state = AfxGetModuleState();
  add(state->m_hCurrentResourceHandle);
  for (CDynLinkLibrary* d = state->m_pFirstDLL; d; d = d->m_pNextDLL) add(d->m_hResource);
  add(HostModule());
  return order;
}

namespace {

template <typename T>
const T* FindIn(const std::map<UINT, T> ResourceScript::*table, UINT id, HINSTANCE* from) {
  for (HINSTANCE m : ResourceSearchOrder()) {
    const auto& entries = (*ModuleResources(m)).*table;
    auto it = entries.find(id);
    if (it == entries.end()) continue;
    if (from) *from = m;
    return &it->second;
  }
  if (from) *from = nullptr;
  return nullptr;
}

}  // namespace

const DialogTemplate* FindDialogTemplate(UINT id, HINSTANCE* from) { return FindIn(&ResourceScript::dialogs, id, from); }
const MenuTemplate* FindMenuTemplate(UINT id, HINSTANCE* from) { return FindIn(&ResourceScript::menus, id, from); }
const ImageResource* FindIconResource(UINT id, HINSTANCE* from) { return FindIn(&ResourceScript::icons, id, from); }
const ImageResource* FindBitmapResource(UINT id, HINSTANCE* from) { return FindIn(&ResourceScript::bitmaps, id, from); }
const ToolbarResource* FindToolbarResource(UINT id, HINSTANCE* from) {
  return FindIn(&ResourceScript::toolbars, id, from);
}

}  // namespace zhost

int LoadStringW(HINSTANCE module, UINT id, LPWSTR buffer, int size) {
  if (!buffer || size < 0) return 0;
  const std::wstring* text = zhost::FindModuleString(module, id);
  if (size == 0) {
    if (!text) return 0;
    const wchar_t* data = text->c_str();
    std::memcpy(buffer, &data, sizeof data);
    return static_cast<int>(text->size());
  }
  if (!text) {
    buffer[0] = 0;
    return 0;
  }
  size_t n = std::min(text->size(), static_cast<size_t>(size - 1));
  std::wmemcpy(buffer, text->c_str(), n);
  buffer[n] = 0;
  return static_cast<int>(n);
}

BOOL CString::LoadString(UINT id) {
  HINSTANCE module = zhost::FindStringResourceHandle(id);
  return module ? LoadString(module, id) : FALSE;
}

BOOL CString::LoadString(HINSTANCE instance, UINT id) {
  const std::wstring* text = zhost::FindModuleString(instance, id);
  if (!text) return FALSE;
  *this = CString(*text);
  return TRUE;
}
