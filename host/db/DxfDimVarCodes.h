// The dimension variables by their DXF group code (the DIMSTYLE table and the "DSTYLE"
// overrides of a dimension's extended data use the same codes).
#pragma once

namespace zhost {

struct DxfDimVarCode {
  int code;
  const wchar_t* name;
  char kind;  // 'R' real, 'I' integer, 'S' text, 'H' handle of a record
};

// The variable of a group code, null for a code that names none.
const DxfDimVarCode* FindDxfDimVar(int code);

}  // namespace zhost
