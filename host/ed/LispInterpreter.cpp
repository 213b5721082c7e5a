// Evaluation, special forms, user functions with dynamic binding, file loading.
#include "host/ed/LispInterpreter.h"

#include <sys/stat.h>

#include <fstream>
#include <sstream>

#include "host/ed/CommandLine.h"
#include "host/ed/LispReader.h"
#include "host/ed/UpperCase.h"
#include "host/mfc/Exceptions.h"
#include "host/win/Console.h"
#include "host/win/TextConv.h"

namespace zhost {
namespace lisp {

namespace {

const int kMaxDepth = 400;

struct DepthGuard {
  int& depth;
  explicit DepthGuard(int& d) : depth(d) {
    if (++depth > kMaxDepth) {
      --depth;
      throw LispError{L"calls nested too deeply (recursion limit reached)"};
    }
  }
  ~DepthGuard() { --depth; }
};

// Restores the variables a function bound, however it ends.
struct BindingGuard {
  Environment& env;
  std::vector<std::pair<std::wstring, std::pair<bool, ValuePtr>>> saved;
  explicit BindingGuard(Environment& e) : env(e) {}
  void bind(const std::wstring& name, ValuePtr value) {
    auto it = env.vars.find(name);
    saved.emplace_back(name, it == env.vars.end() ? std::make_pair(false, ValuePtr()) : std::make_pair(true, it->second));
    env.vars[name] = std::move(value);
  }
  ~BindingGuard() {
    for (auto it = saved.rbegin(); it != saved.rend(); ++it) {
      if (it->second.first) env.vars[it->first] = it->second.second;
      else env.vars.erase(it->first);
    }
  }
};

bool FileExists(const std::wstring& path) {
  struct stat st;
  return ::stat(ToFsPath(path).c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

std::wstring Extension(const std::wstring& path) {
  size_t slash = path.find_last_of(L"/\\");
  size_t dot = path.rfind(L'.');
  if (dot == std::wstring::npos || (slash != std::wstring::npos && dot < slash)) return L"";
  return UpperCase(path.substr(dot));
}

const std::wstring& SymbolName(const ValuePtr& v, const wchar_t* what) {
  if (!v || v->type != Type::kSymbol) throw LispError{std::wstring(L"bad argument type: symbolp: ") + Prin1(v) + what};
  return v->s;
}

}  // namespace

Interpreter& Interpreter::instance() {
  static Interpreter lisp;
  return lisp;
}

Interpreter::Interpreter() {
  own_.name = L"(no drawing)";
  RegisterCoreBuiltins(*this);
  RegisterHostBuiltins(*this);
}

void Interpreter::setHooks(std::function<Environment*()> current,
                           std::function<void(const std::function<void(Environment&)>&)> forEachDocument) {
  currentHook_ = std::move(current);
  forEachHook_ = std::move(forEachDocument);
}

Environment& Interpreter::current() {
  if (currentHook_)
    if (Environment* env = currentHook_()) return *env;
  return own_;
}

void Interpreter::forEachDocument(const std::function<void(Environment&)>& visit) {
  if (forEachHook_) {
    forEachHook_(visit);
    return;
  }
  visit(own_);
}

void Interpreter::defineBuiltin(const std::wstring& name, Builtin fn) { builtins_[UpperCase(name)] = fn; }

void Interpreter::print(const std::wstring& text) { WriteText(text); }

bool Interpreter::isFunction(const std::wstring& name) const {
  std::wstring key = UpperCase(name);
  Environment& env = const_cast<Interpreter*>(this)->current();
  return env.functions.count(key) || env.ads.count(key) || builtins_.count(key);
}

ValuePtr Interpreter::eval(const ValuePtr& expr) {
  if (!expr) return nullptr;
  switch (expr->type) {
    case Type::kInt:
    case Type::kReal:
    case Type::kString: return expr;
    case Type::kSymbol: {
      if (expr->s == L"T") return T();
      if (expr->s == L"NIL") return nullptr;
      Environment& env = current();
      auto it = env.vars.find(expr->s);
      return it == env.vars.end() ? nullptr : it->second;
    }
    case Type::kCons: break;
  }
  DepthGuard guard(depth_);
  return evalList(expr);
}

ValuePtr Interpreter::evalList(const ValuePtr& expr) {
  const ValuePtr& head = expr->car;
  if (!head || head->type != Type::kSymbol) throw LispError{L"bad function: " + Prin1(head)};
  bool handled = false;
  ValuePtr result = special(head->s, expr, &handled);
  if (handled) return result;
  std::vector<ValuePtr> args;
  for (ValuePtr p = expr->cdr; p && p->type == Type::kCons; p = p->cdr) args.push_back(eval(p->car));
  return call(head->s, args);
}

ValuePtr Interpreter::call(const std::wstring& name, const std::vector<ValuePtr>& args) {
  std::wstring key = UpperCase(name);
  Environment& env = current();
  auto user = env.functions.find(key);
  if (user != env.functions.end()) {
    UserFunction fn = user->second;  // the body may redefine it
    return callUser(key, fn, args);
  }
  auto ads = env.ads.find(key);
  if (ads != env.ads.end()) {
    AdsFunction fn = ads->second;
    return CallAds(*this, key, fn, args);
  }
  auto builtin = builtins_.find(key);
  if (builtin != builtins_.end()) return builtin->second(*this, args);
  throw LispError{L"no function definition: " + key};
}

ValuePtr Interpreter::callUser(const std::wstring&, const UserFunction& fn, const std::vector<ValuePtr>& args) {
  if (args.size() < fn.params.size()) throw LispError{L"too few arguments"};
  if (args.size() > fn.params.size()) throw LispError{L"too many arguments"};
  DepthGuard depth(depth_);
  BindingGuard binding(current());
  for (size_t i = 0; i < fn.params.size(); ++i) binding.bind(fn.params[i], args[i]);
  for (const auto& local : fn.locals) binding.bind(local, nullptr);
  return evalBody(fn.body);
}

ValuePtr Interpreter::evalBody(ValuePtr body) {
  ValuePtr result;
  for (; body && body->type == Type::kCons; body = body->cdr) result = eval(body->car);
  return result;
}

ValuePtr Interpreter::defun(const ValuePtr& expr) {
  std::vector<ValuePtr> parts = ToVector(expr->cdr);
  if (parts.size() < 2) throw LispError{L"too few arguments"};
  const std::wstring& name = SymbolName(parts[0], L" (function name of defun)");
  if (parts[1] && parts[1]->type != Type::kCons) throw LispError{L"bad argument list for defun: " + Prin1(parts[1])};
  UserFunction fn;
  bool locals = false;
  for (const ValuePtr& p : ToVector(parts[1])) {
    const std::wstring& arg = SymbolName(p, L" (argument list of defun)");
    if (arg == L"/") {
      locals = true;
      continue;
    }
    (locals ? fn.locals : fn.params).push_back(arg);
  }
  ValuePtr body = expr->cdr->cdr->cdr;
  fn.body = body;
  current().functions[name] = fn;
  return Sym(name);
}

ValuePtr Interpreter::special(const std::wstring& name, const ValuePtr& expr, bool* handled) {
  *handled = true;
  const ValuePtr& rest = expr->cdr;
  if (name == L"QUOTE" || name == L"FUNCTION") {
    if (!rest) throw LispError{L"too few arguments"};
    return rest->car;
  }
  if (name == L"SETQ") {
    ValuePtr value;
    for (ValuePtr p = rest; p; p = p->cdr ? p->cdr->cdr : nullptr) {
      const std::wstring& var = SymbolName(p->car, L" (setq)");
      if (var == L"T" || var == L"NIL") throw LispError{L"attempt to set a constant: " + var};
      value = p->cdr ? eval(p->cdr->car) : nullptr;
      current().vars[var] = value;
      if (!p->cdr) break;
    }
    return value;
  }
  if (name == L"DEFUN") return defun(expr);
  if (name == L"PROGN") return evalBody(rest);
  if (name == L"IF") {
    std::vector<ValuePtr> parts = ToVector(rest);
    if (parts.size() < 2) throw LispError{L"too few arguments"};
    if (parts.size() > 3) throw LispError{L"too many arguments"};
    if (eval(parts[0])) return eval(parts[1]);
    return parts.size() == 3 ? eval(parts[2]) : nullptr;
  }
  if (name == L"WHILE") {
    if (!rest) throw LispError{L"too few arguments"};
    ValuePtr result;
    while (eval(rest->car)) result = evalBody(rest->cdr);
    return result;
  }
  if (name == L"REPEAT") {
    if (!rest) throw LispError{L"too few arguments"};
    ValuePtr count = eval(rest->car);
    if (!count || count->type != Type::kInt) throw LispError{L"bad argument type: fixnump: " + Prin1(count)};
    ValuePtr result;
    for (int32_t i = 0; i < count->i; ++i) result = evalBody(rest->cdr);
    return result;
  }
  if (name == L"FOREACH") {
    std::vector<ValuePtr> parts = ToVector(rest);
    if (parts.size() < 2) throw LispError{L"too few arguments"};
    const std::wstring& var = SymbolName(parts[0], L" (foreach)");
    ValuePtr list = eval(parts[1]);
    if (list && list->type != Type::kCons) throw LispError{L"bad argument type: listp: " + Prin1(list)};
    BindingGuard binding(current());
    binding.bind(var, nullptr);
    ValuePtr result;
    for (const ValuePtr& item : ToVector(list)) {
      current().vars[var] = item;
      result = evalBody(rest->cdr->cdr);
    }
    return result;
  }
  if (name == L"COND") {
    for (ValuePtr clause = rest; clause; clause = clause->cdr) {
      const ValuePtr& c = clause->car;
      if (!c || c->type != Type::kCons) throw LispError{L"bad argument type: listp: " + Prin1(c)};
      ValuePtr test = eval(c->car);
      if (test) return c->cdr ? evalBody(c->cdr) : test;
    }
    return nullptr;
  }
  if (name == L"AND") {
    for (ValuePtr p = rest; p; p = p->cdr)
      if (!eval(p->car)) return nullptr;
    return T();
  }
  if (name == L"OR") {
    for (ValuePtr p = rest; p; p = p->cdr)
      if (eval(p->car)) return T();
    return nullptr;
  }
  *handled = false;
  return nullptr;
}

bool Interpreter::evalText(const std::wstring& text, ValuePtr* last) {
  ReadResult read = Read(text);
  if (!read.ok()) {
    print(L"\n; error: the LISP input cannot be read: " + read.error);
    return false;
  }
  try {
    ValuePtr value;
    for (const ValuePtr& expr : read.expressions) value = eval(expr);
    if (last) *last = value;
    return true;
  } catch (const LispError& e) {
    print(L"\n; error: " + e.message);
  } catch (CException* e) {
    e->Delete();
    print(L"\n; error: an exception ended the evaluation");
  } catch (const std::exception& e) {
    print(L"\n; error: " + FromUtf8(e.what()));
  } catch (...) {
    print(L"\n; error: an exception ended the evaluation");
  }
  return false;
}

void Interpreter::runQueued() {
  // A bound, so expressions that queue themselves again cannot hold the host forever.
  for (int i = 0; i < 1000; ++i) {
    Environment& env = current();
    if (env.queued.empty()) return;
    std::wstring text = env.queued.front();
    env.queued.pop_front();
    evalText(text);
  }
  print(L"\n; error: too many queued LISP expressions; the rest are dropped");
  current().queued.clear();
}

bool Interpreter::loadExpressions(const std::wstring& text, const std::wstring& source, ValuePtr* last,
                                  std::wstring* error) {
  ReadResult read = Read(text);
  if (!read.ok()) {
    if (error) *error = L"the LISP file \"" + source + L"\" cannot be read: " + read.error;
    return false;
  }
  ValuePtr value;
  for (const ValuePtr& expr : read.expressions) value = eval(expr);
  if (last) *last = value;
  return true;
}

bool Interpreter::loadFile(const std::wstring& path, ValuePtr* last, std::wstring* error) {
  std::wstring file = path;
  if (Extension(file).empty() && !FileExists(file)) file += L".lsp";
  std::ifstream in(ToFsPath(file), std::ios::binary);
  if (!in) {
    if (error) *error = L"LOAD failed: \"" + path + L"\"";
    return false;
  }
  std::ostringstream bytes;
  bytes << in.rdbuf();
  std::string data = bytes.str();
  if (data.size() >= 3 && data.compare(0, 3, "\xEF\xBB\xBF") == 0) data.erase(0, 3);
  return loadExpressions(FromUtf8(data), file, last, error);
}

bool Interpreter::loadIntoAllDrawings(const std::wstring& path, std::wstring* error) {
  std::vector<std::wstring> candidates;
  std::wstring ext = Extension(path);
  if (ext == L".LSP" || ext == L".FAS" || ext == L".VLX") candidates.push_back(path);
  for (const wchar_t* e : {L".vlx", L".fas", L".lsp"}) candidates.push_back(path + e);
  std::wstring found;
  for (const auto& c : candidates)
    if (FileExists(c)) {
      found = c;
      break;
    }
  if (found.empty()) {
    if (error) *error = L"LOAD failed: \"" + path + L"\"";
    return false;
  }
  if (Extension(found) != L".LSP") {
    if (error) *error = L"cannot load compiled LISP \"" + found + L"\": this host evaluates LISP source (.lsp) only";
    return false;
  }
  bool known = false;
  for (const auto& f : loadAllFiles_) known = known || f == found;
  if (!known) loadAllFiles_.push_back(found);
  bool ok = true;
  forEachDocument([&](Environment&) {
    std::wstring failure;
    try {
      if (!loadFile(found, nullptr, &failure)) {
        print(L"\n; error: " + failure);
        ok = false;
      }
    } catch (const LispError& e) {
      print(L"\n; error: " + e.message);
      ok = false;
    }
  });
  return ok;
}

void Interpreter::documentReady() {
  for (const auto& file : loadAllFiles_) {
    std::wstring failure;
    try {
      if (!loadFile(file, nullptr, &failure)) print(L"\n; error: " + failure);
    } catch (const LispError& e) {
      print(L"\n; error: " + e.message);
    }
  }
}

void Interpreter::endSession() {
  loadAllFiles_.clear();
  own_ = Environment();
  own_.name = L"(no drawing)";
}

void Interpreter::forgetApp(const std::wstring& app) {
  auto drop = [&](Environment& env) {
    for (auto it = env.ads.begin(); it != env.ads.end();) it = it->second.app == app ? env.ads.erase(it) : std::next(it);
  };
  forEachDocument(drop);
  drop(own_);
  for (auto it = regFuncs_.begin(); it != regFuncs_.end();) it = it->first.first == app ? regFuncs_.erase(it) : std::next(it);
}

void NeedArgs(const std::vector<ValuePtr>& args, size_t min, size_t max) {
  if (args.size() < min) throw LispError{L"too few arguments"};
  if (args.size() > max) throw LispError{L"too many arguments"};
}

const std::wstring& StringArg(const std::vector<ValuePtr>& args, size_t i) {
  if (!args[i] || args[i]->type != Type::kString) throw LispError{L"bad argument type: stringp " + Prin1(args[i])};
  return args[i]->s;
}

double NumberArg(const std::vector<ValuePtr>& args, size_t i) {
  if (!IsNumber(args[i])) throw LispError{L"bad argument type: numberp: " + Prin1(args[i])};
  return NumberOf(args[i]);
}

}  // namespace lisp
}  // namespace zhost
