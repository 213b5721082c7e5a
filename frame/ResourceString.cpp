// Loading string resources inside a resource override.
#include "frame/ResourceString.h"

#include <algorithm>
#include <cwchar>

#include "frame/ResourceOverride.h"
#include "host/mfc/Resources.h"

namespace {
wchar_t g_szResString[kResStringBufferSize];
}

CString GetResString(UINT id) {
  CTemporaryResourceOverride useModuleResources;
  CString text;
  if (!text.LoadString(id)) return CString();
  return text;
}

const wchar_t* LoadResString(UINT id) {
  CString text = GetResString(id);
  const size_t length = std::min<size_t>(static_cast<size_t>(text.GetLength()), kResStringBufferSize - 1);
  std::wmemcpy(g_szResString, text.GetString(), length);
  g_szResString[length] = L'\0';
  return g_szResString;
}
