// The program's own commands (QUIT, EXIT, APPLOAD, ARXUNLOAD, MATCHPROP) and script directives.
#pragma once

namespace zhost {

void RegisterHostCommands();
// The directives of the script language ("%answer" ...), one table.
void RegisterScriptDirectives();

}  // namespace zhost
