// The host's LISP interpreter: per-drawing environments (variables, defuns, functions that
// applications define with acedDefun, queued expressions), evaluation with AutoLISP's dynamic
// binding, and the files loaded into every drawing by vl-load-all.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "host/ed/LispValue.h"
#include "host/rx/ads.h"

namespace zhost {
namespace lisp {

struct UserFunction {
  std::vector<std::wstring> params, locals;
  ValuePtr body;  // list of expressions
};

struct AdsFunction {
  int code = 0;
  std::wstring app;  // the application that defined it
};

// One drawing's LISP world.
struct Environment {
  std::wstring name;
  std::map<std::wstring, ValuePtr> vars;
  std::map<std::wstring, UserFunction> functions;
  std::map<std::wstring, AdsFunction> ads;
  std::deque<std::wstring> queued;  // ads_queueexpr texts, run at the next command prompt
};

// Thrown for an evaluation error; the message is printed after "; error: ".
struct LispError {
  std::wstring message;
};

class Interpreter;
typedef ValuePtr (*Builtin)(Interpreter& lisp, const std::vector<ValuePtr>& args);

// The state of one call of an application's function (acedGetFunCode, acedGetArgs, acedRet...).
struct AdsCall {
  int code = 0;
  resbuf* args = nullptr;
  resbuf* result = nullptr;
  bool returned = false;
};

class Interpreter {
 public:
  static Interpreter& instance();

  // The document layer tells which environment is current and how to visit every drawing
  // (each made current while visited). Without it one environment of its own is used.
  void setHooks(std::function<Environment*()> current,
                std::function<void(const std::function<void(Environment&)>&)> forEachDocument);
  Environment& current();
  void forEachDocument(const std::function<void(Environment&)>& visit);

  // Evaluates every expression of the text in the current environment. Errors (parse and
  // evaluation) are printed as "; error: ..."; returns false then. last gets the last value.
  bool evalText(const std::wstring& text, ValuePtr* last = nullptr);
  ValuePtr eval(const ValuePtr& expr);
  // Calls a function by name with evaluated arguments.
  ValuePtr call(const std::wstring& name, const std::vector<ValuePtr>& args);
  // A user or application function of the current environment, or a built-in one.
  bool isFunction(const std::wstring& name) const;

  // Runs the current drawing's queued expressions (those they queue run too).
  void runQueued();
  // Loads a LISP source file into the current environment; false with a message when it cannot
  // be read. last gets the value of its last expression.
  bool loadFile(const std::wstring& path, ValuePtr* last, std::wstring* error);
  // vl-load-all: the path without extension is tried with .vlx, .fas, .lsp.
  bool loadIntoAllDrawings(const std::wstring& path, std::wstring* error);
  // A drawing just opened: the files of vl-load-all are loaded into it.
  void documentReady();
  // The session ends: the files of vl-load-all and the host's own environment are forgotten.
  void endSession();
  // Drops the functions of an application that is gone.
  void forgetApp(const std::wstring& app);

  void defineBuiltin(const std::wstring& name, Builtin fn);
  std::vector<AdsCall>& calls() { return calls_; }
  std::map<std::pair<std::wstring, int>, int (*)()>& registeredFunctions() { return regFuncs_; }

  void print(const std::wstring& text);

 private:
  Interpreter();
  ValuePtr evalList(const ValuePtr& expr);
  ValuePtr special(const std::wstring& name, const ValuePtr& expr, bool* handled);
  ValuePtr callUser(const std::wstring& name, const UserFunction& fn, const std::vector<ValuePtr>& args);
  ValuePtr evalBody(ValuePtr body);
  ValuePtr defun(const ValuePtr& expr);
  bool loadExpressions(const std::wstring& text, const std::wstring& source, ValuePtr* last, std::wstring* error);

  std::function<Environment*()> currentHook_;
  std::function<void(const std::function<void(Environment&)>&)> forEachHook_;
  Environment own_;
  std::map<std::wstring, Builtin> builtins_;
  std::vector<std::wstring> loadAllFiles_;
  std::vector<AdsCall> calls_;
  std::map<std::pair<std::wstring, int>, int (*)()> regFuncs_;
  int depth_ = 0;
};

// Calls an application's function (acedDefun) with the arguments; defined with the ADS API.
ValuePtr CallAds(Interpreter& lisp, const std::wstring& name, const AdsFunction& fn, const std::vector<ValuePtr>& args);
// Built-in function tables.
void RegisterCoreBuiltins(Interpreter& lisp);
void RegisterHostBuiltins(Interpreter& lisp);
// Argument checks for built-ins.
void NeedArgs(const std::vector<ValuePtr>& args, size_t min, size_t max);
const std::wstring& StringArg(const std::vector<ValuePtr>& args, size_t i);
double NumberArg(const std::vector<ValuePtr>& args, size_t i);

}  // namespace lisp
}  // namespace zhost
