// The trace log.
#include "settings/DebugLog.h"

#include <cstdarg>
#include <cstdio>
#include <string>

#include "host/ed/CommandLine.h"
#include "host/mfc/MessageBox.h"
#include "host/win/Files.h"
#include "host/win/TextConv.h"
#include "host/win/WideFormat.h"
#include "settings/GlobDimOptions.h"
#include "settings/IniFolders.h"

namespace {

const size_t kTraceBuffer = 1024;

// A plain flag, so that a trace during static destruction still finds it valid.
bool g_logPathShown = false;

bool TracingOn() { return pGlobDimOptions && pGlobDimOptions->bDebugMsg; }

void AppendToLog(const wchar_t* text) {
  CString path = GetDebugLogPath();
  if (!g_logPathShown) {
    g_logPathShown = true;
    MessageBoxW(adsw_acadMainWnd(), path, L"zenkora", MB_OK | MB_ICONINFORMATION);
  }
  FILE* log = _wfopen(path, L"at");
  if (!log) return;
  std::string bytes = zhost::ToUtf8(text);
  fwrite(bytes.data(), 1, bytes.size(), log);
  fclose(log);
}

}  // namespace

CString GetDebugLogPath() { return GetTempFolder() + L"Zenkora.log"; }

void TraceMsg(const wchar_t* text) {
  if (!TracingOn() || !text) return;
  AppendToLog(text);
}

void TraceMsgF(const wchar_t* format, ...) {
  if (!TracingOn() || !format) return;
  va_list args;
  va_start(args, format);
  std::wstring text = zhost::FormatWideV(format, args);
  va_end(args);
  if (text.size() >= kTraceBuffer) text.resize(kTraceBuffer - 1);
  AppendToLog(text.c_str());
}

bool DeleteDebugLog() {
  g_logPathShown = false;
  CString path = GetDebugLogPath();
  if (GetFileAttributesW(path) == INVALID_FILE_ATTRIBUTES) return true;
  return DeleteFileW(path) != FALSE;
}
