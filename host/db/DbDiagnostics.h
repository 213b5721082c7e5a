// Diagnostics of the database layer: misuse that the platform would crash on (closing an
// object that is not in a database, objects still open when their database is deleted ...) is
// reported here instead, on standard error, and counted so that tests can see it.
#pragma once

#include <string>

namespace zhost {

void DbDiagnostic(const std::wstring& text);
// The number of diagnostics so far and the last text.
unsigned DbDiagnosticCount();
std::wstring LastDbDiagnostic();
// Tests: no output on standard error (still counted).
void SetDbDiagnosticsQuiet(bool quiet);

}  // namespace zhost
