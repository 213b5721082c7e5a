// Diagnostics of the database layer.
#include "host/db/DbDiagnostics.h"

#include <cstdio>

#include "host/win/TextConv.h"

namespace zhost {

namespace {
unsigned g_count = 0;
std::wstring g_last;
bool g_quiet = false;
}  // namespace

void DbDiagnostic(const std::wstring& text) {
  ++g_count;
  g_last = text;
  if (!g_quiet) std::fprintf(stderr, "zhost db: %s\n", ToUtf8(text).c_str());
}

unsigned DbDiagnosticCount() { return g_count; }
std::wstring LastDbDiagnostic() { return g_last; }
void SetDbDiagnosticsQuiet(bool quiet) { g_quiet = quiet; }

}  // namespace zhost
