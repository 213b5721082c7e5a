// The LISP function table (the row number is the function code) and its dispatch.
#include "frame/LispFunctions.h"

#include <array>

#include "host/ed/CommandLine.h"
#include "host/ed/Lisp.h"
#include "host/rx/ads.h"
#include "settings/GlobDimOptions.h"

namespace {

// The context menus and the dimension along a picked line are not part of this version: the
// functions say so instead of doing nothing silently.
int NotAvailable(const wchar_t* name) {
  acutPrintf(L"\n%s is not available in this version of zenkora.", name);
  return RTNORM;
}

int ZenkoraPopUp() { return NotAvailable(L"QTRV_ZenkoraPopUp"); }

int ZenkoraPopUpH() { return NotAvailable(L"QTRV_ZenkoraPopUpH"); }

int ZenkoraMakeDimByLine() {
  if (!pGlobDimOptions) return RTNORM;
  return NotAvailable(L"QTRV_ZenkoraMakeDimByLine");
}

struct LispFunctionRow {
  const ACHAR* name;
  int (*function)();
};

constexpr std::array<LispFunctionRow, 3> kLispFunctions = {{
    {L"C:QTRV_ZenkoraPopUp", ZenkoraPopUp},
    {L"C:QTRV_ZenkoraPopUpH", ZenkoraPopUpH},
    {L"QTRV_ZenkoraMakeDimByLine", ZenkoraMakeDimByLine},
}};

}  // namespace

int DefineLispFunctions() {
  for (size_t code = 0; code < kLispFunctions.size(); ++code) {
    acedDefun(kLispFunctions[code].name, static_cast<int>(code));
    acedRegFunc(kLispFunctions[code].function, static_cast<int>(code));
  }
  return RTNORM;
}

int UndefineLispFunctions() {
  for (size_t code = 0; code < kLispFunctions.size(); ++code)
    acedUndef(kLispFunctions[code].name, static_cast<int>(code));
  return RTNORM;
}

int InvokeLispFunction() {
  acedRetVoid();
  const int code = acedGetFunCode();
  if (code < 0 || code >= static_cast<int>(kLispFunctions.size())) return RTERROR;
  return kLispFunctions[code].function() == RTNORM ? RSRSLT : RSERR;
}
