// The system variables kept by the working database: CLAYER, TEXTSTYLE, TEXTSIZE, DBMOD,
// CANNOSCALE and CANNOSCALEVALUE.
#pragma once

namespace zhost {
class SysVars;
void DefineDrawingVariables(SysVars& vars);
}  // namespace zhost
