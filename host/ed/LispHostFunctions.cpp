// LISP functions that reach the host: loading files and applications, system variables.
#include "host/ed/LispInterpreter.h"
#include "host/ed/SysVars.h"
#include "host/rx/AcRxDynamicLinker.h"

namespace zhost {
namespace lisp {
namespace {

using Args = std::vector<ValuePtr>;

ValuePtr Load(Interpreter& lisp, const Args& a) {
  NeedArgs(a, 1, 2);
  const std::wstring& path = StringArg(a, 0);
  ValuePtr last;
  std::wstring error;
  if (lisp.loadFile(path, &last, &error)) return last;
  if (a.size() == 2) return a[1];
  throw LispError{error};
}

ValuePtr VlLoadAll(Interpreter& lisp, const Args& a) {
  NeedArgs(a, 1, 1);
  std::wstring error;
  if (!lisp.loadIntoAllDrawings(StringArg(a, 0), &error)) {
    if (!error.empty()) throw LispError{error};
    return nullptr;
  }
  return nullptr;
}

ValuePtr ArxLoad(Interpreter&, const Args& a) {
  NeedArgs(a, 1, 2);
  const std::wstring& name = StringArg(a, 0);
  AcRxDynamicLinker* linker = Linker();
  bool ok = linker && linker->loadModule(name.c_str(), false, true);
  if (ok) return a[0];
  if (a.size() == 2) return a[1];
  throw LispError{L"arxload of \"" + name + L"\" failed"};
}

ValuePtr ArxUnload(Interpreter&, const Args& a) {
  NeedArgs(a, 1, 2);
  const std::wstring& name = StringArg(a, 0);
  AcRxDynamicLinker* linker = Linker();
  bool ok = linker && linker->unloadModule(name.c_str(), false, true);
  if (ok) return a[0];
  if (a.size() == 2) return a[1];
  throw LispError{L"arxunload of \"" + name + L"\" failed"};
}

ValuePtr Arx(Interpreter&, const Args& a) {
  NeedArgs(a, 0, 0);
  std::vector<ValuePtr> names;
  if (AcRxDynamicLinker* linker = Linker())
    for (const auto& n : linker->loadedApps()) names.push_back(Str(n));
  return List(names);
}

ValuePtr GetVar(Interpreter&, const Args& a) {
  NeedArgs(a, 1, 1);
  SysVarValue v;
  if (SysVars::instance().get(StringArg(a, 0), v) != RTNORM) return nullptr;
  if (v.type == RTSTR) return Str(v.s);
  if (v.type == RTREAL) return Real(v.r);
  return Int(static_cast<int32_t>(v.i));
}

ValuePtr SetVar(Interpreter&, const Args& a) {
  NeedArgs(a, 2, 2);
  const std::wstring& name = StringArg(a, 0);
  if (!SysVars::instance().has(name)) throw LispError{L"unknown system variable: \"" + name + L"\""};
  SysVarValue v;
  if (a[1] && a[1]->type == Type::kString) v = SysVarValue::Text(a[1]->s);
  else if (a[1] && a[1]->type == Type::kInt) v = SysVarValue::Int(a[1]->i);
  else if (a[1] && a[1]->type == Type::kReal) v = SysVarValue::Real(a[1]->r);
  else throw LispError{L"bad argument type: " + Prin1(a[1])};
  if (SysVars::instance().set(name, v) != RTNORM)
    throw LispError{L"the system variable \"" + name + L"\" refuses the value " + Prin1(a[1])};
  return a[1];
}

}  // namespace

void RegisterHostBuiltins(Interpreter& lisp) {
  lisp.defineBuiltin(L"load", Load);
  lisp.defineBuiltin(L"vl-load-all", VlLoadAll);
  lisp.defineBuiltin(L"arxload", ArxLoad);
  lisp.defineBuiltin(L"arxunload", ArxUnload);
  lisp.defineBuiltin(L"arx", Arx);
  lisp.defineBuiltin(L"getvar", GetVar);
  lisp.defineBuiltin(L"setvar", SetVar);
}

}  // namespace lisp
}  // namespace zhost
