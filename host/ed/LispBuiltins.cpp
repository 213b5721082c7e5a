// The core built-in functions: arithmetic, comparison, output, strings and lists.
#include <climits>
#include <cmath>
#include <cwchar>
#include <cwctype>

#include "host/ed/LispInterpreter.h"
#include "host/ed/UpperCase.h"

namespace zhost {
namespace lisp {
namespace {

using Args = std::vector<ValuePtr>;

bool AllInts(const Args& args) {
  for (const auto& a : args)
    if (!a || a->type != Type::kInt) return false;
  return true;
}

// AutoLISP integers are 32 bits and wrap around.
ValuePtr Wrap(long long v) { return Int(static_cast<int32_t>(static_cast<uint32_t>(v))); }

ValuePtr Arith(const Args& args, wchar_t op) {
  for (size_t i = 0; i < args.size(); ++i) NumberArg(args, i);
  if (args.empty()) return Int(op == L'*' ? 1 : 0);
  if (AllInts(args)) {
    long long acc = args[0]->i;
    if (args.size() == 1 && op == L'-') return Wrap(-acc);
    for (size_t i = 1; i < args.size(); ++i) {
      long long b = args[i]->i;
      switch (op) {
        case L'+': acc = static_cast<int32_t>(static_cast<uint32_t>(acc + b)); break;
        case L'-': acc = static_cast<int32_t>(static_cast<uint32_t>(acc - b)); break;
        case L'*': acc = static_cast<int32_t>(static_cast<uint32_t>(acc * b)); break;
        default:
          if (b == 0) throw LispError{L"divide by zero"};
          acc = static_cast<int32_t>(static_cast<uint32_t>(acc / b));
      }
    }
    return Wrap(acc);
  }
  double acc = NumberOf(args[0]);
  if (args.size() == 1 && op == L'-') return Real(-acc);
  for (size_t i = 1; i < args.size(); ++i) {
    double b = NumberOf(args[i]);
    switch (op) {
      case L'+': acc += b; break;
      case L'-': acc -= b; break;
      case L'*': acc *= b; break;
      default:
        if (b == 0) throw LispError{L"divide by zero"};
        acc /= b;
    }
  }
  return Real(acc);
}

ValuePtr Plus(Interpreter&, const Args& a) { return Arith(a, L'+'); }
ValuePtr Minus(Interpreter&, const Args& a) { return Arith(a, L'-'); }
ValuePtr Times(Interpreter&, const Args& a) { return Arith(a, L'*'); }
ValuePtr Divide(Interpreter&, const Args& a) { return Arith(a, L'/'); }

// -1, 0, 1 for numbers or strings; a mismatch is a type error.
int Compare(const ValuePtr& a, const ValuePtr& b) {
  if (IsNumber(a) && IsNumber(b)) {
    double x = NumberOf(a), y = NumberOf(b);
    return x < y ? -1 : (x > y ? 1 : 0);
  }
  if (a && b && a->type == Type::kString && b->type == Type::kString) return a->s.compare(b->s) < 0 ? -1 : (a->s == b->s ? 0 : 1);
  throw LispError{L"bad argument type: numberp: " + Prin1(IsNumber(a) || (a && a->type == Type::kString) ? b : a)};
}

template <typename Pred>
ValuePtr Chain(const Args& args, Pred pred) {
  NeedArgs(args, 1, SIZE_MAX);
  for (size_t i = 1; i < args.size(); ++i)
    if (!pred(Compare(args[i - 1], args[i]))) return nullptr;
  return T();
}

ValuePtr Eq(Interpreter&, const Args& a) { return Chain(a, [](int c) { return c == 0; }); }
ValuePtr Lt(Interpreter&, const Args& a) { return Chain(a, [](int c) { return c < 0; }); }
ValuePtr Gt(Interpreter&, const Args& a) { return Chain(a, [](int c) { return c > 0; }); }
ValuePtr Le(Interpreter&, const Args& a) { return Chain(a, [](int c) { return c <= 0; }); }
ValuePtr Ge(Interpreter&, const Args& a) { return Chain(a, [](int c) { return c >= 0; }); }
ValuePtr Ne(Interpreter&, const Args& a) {
  NeedArgs(a, 1, SIZE_MAX);
  for (size_t i = 1; i < a.size(); ++i)
    if (Compare(a[i - 1], a[i]) == 0) return nullptr;
  return T();
}

ValuePtr Princ(Interpreter& lisp, const Args& a) {
  NeedArgs(a, 0, 2);
  if (a.empty()) return Void();
  lisp.print(lisp::Princ(a[0]));
  return a[0];
}
ValuePtr Prin1(Interpreter& lisp, const Args& a) {
  NeedArgs(a, 0, 2);
  if (a.empty()) return Void();
  lisp.print(lisp::Prin1(a[0]));
  return a[0];
}
ValuePtr Print(Interpreter& lisp, const Args& a) {
  NeedArgs(a, 0, 2);
  if (a.empty()) return Void();
  lisp.print(L"\n" + lisp::Prin1(a[0]) + L" ");
  return a[0];
}
ValuePtr Terpri(Interpreter& lisp, const Args& a) {
  NeedArgs(a, 0, 0);
  lisp.print(L"\n");
  return nullptr;
}

ValuePtr Strcat(Interpreter&, const Args& a) {
  std::wstring s;
  for (size_t i = 0; i < a.size(); ++i) s += StringArg(a, i);
  return Str(s);
}
ValuePtr Strlen(Interpreter&, const Args& a) {
  size_t n = 0;
  for (size_t i = 0; i < a.size(); ++i) n += StringArg(a, i).size();
  return Int(static_cast<int32_t>(n));
}
ValuePtr Substr(Interpreter&, const Args& a) {
  NeedArgs(a, 2, 3);
  const std::wstring& s = StringArg(a, 0);
  if (!a[1] || a[1]->type != Type::kInt || a[1]->i < 1) throw LispError{L"bad argument value: positive " + lisp::Prin1(a[1])};
  size_t start = static_cast<size_t>(a[1]->i - 1);
  if (start >= s.size()) return Str(L"");
  size_t count = std::wstring::npos;
  if (a.size() == 3) {
    if (!a[2] || a[2]->type != Type::kInt || a[2]->i < 0) throw LispError{L"bad argument value: non-negative " + lisp::Prin1(a[2])};
    count = static_cast<size_t>(a[2]->i);
  }
  return Str(s.substr(start, count));
}
ValuePtr Strcase(Interpreter&, const Args& a) {
  NeedArgs(a, 1, 2);
  std::wstring s = StringArg(a, 0);
  if (a.size() == 2 && a[1]) {
    for (auto& c : s) c = static_cast<wchar_t>(std::towlower(c));
    return Str(s);
  }
  return Str(UpperCase(s));
}
ValuePtr Itoa(Interpreter&, const Args& a) {
  NeedArgs(a, 1, 1);
  if (!a[0] || a[0]->type != Type::kInt) throw LispError{L"bad argument type: fixnump: " + lisp::Prin1(a[0])};
  return Str(std::to_wstring(a[0]->i));
}
ValuePtr Atoi(Interpreter&, const Args& a) {
  NeedArgs(a, 1, 1);
  return Int(static_cast<int32_t>(std::wcstol(StringArg(a, 0).c_str(), nullptr, 10)));
}
ValuePtr Atof(Interpreter&, const Args& a) {
  NeedArgs(a, 1, 1);
  return Real(std::wcstod(StringArg(a, 0).c_str(), nullptr));
}
ValuePtr Rtos(Interpreter&, const Args& a) {
  NeedArgs(a, 1, 3);
  double v = NumberArg(a, 0);
  int prec = a.size() >= 3 && a[2] && a[2]->type == Type::kInt ? a[2]->i : 4;
  if (prec < 0 || prec > 16) prec = 4;
  wchar_t buf[128];
  std::swprintf(buf, 128, L"%.*f", prec, v);
  return Str(buf);
}

ValuePtr ListFn(Interpreter&, const Args& a) { return List(a); }
const ValuePtr& ListArg(const Args& a, size_t i) {
  if (a[i] && a[i]->type != Type::kCons) throw LispError{L"bad argument type: consp " + lisp::Prin1(a[i])};
  return a[i];
}
ValuePtr Car(Interpreter&, const Args& a) {
  NeedArgs(a, 1, 1);
  const ValuePtr& l = ListArg(a, 0);
  return l ? l->car : nullptr;
}
ValuePtr Cdr(Interpreter&, const Args& a) {
  NeedArgs(a, 1, 1);
  const ValuePtr& l = ListArg(a, 0);
  return l ? l->cdr : nullptr;
}
ValuePtr Cadr(Interpreter&, const Args& a) {
  NeedArgs(a, 1, 1);
  const ValuePtr& l = ListArg(a, 0);
  if (!l || !l->cdr) return nullptr;
  if (l->cdr->type != Type::kCons) throw LispError{L"bad argument type: consp " + lisp::Prin1(l->cdr)};
  return l->cdr->car;
}
ValuePtr ConsFn(Interpreter&, const Args& a) {
  NeedArgs(a, 2, 2);
  return Cons(a[0], a[1]);
}
ValuePtr Length(Interpreter&, const Args& a) {
  NeedArgs(a, 1, 1);
  return Int(static_cast<int32_t>(ToVector(ListArg(a, 0)).size()));
}
ValuePtr Nth(Interpreter&, const Args& a) {
  NeedArgs(a, 2, 2);
  if (!a[0] || a[0]->type != Type::kInt) throw LispError{L"bad argument type: fixnump: " + lisp::Prin1(a[0])};
  std::vector<ValuePtr> items = ToVector(ListArg(a, 1));
  if (a[0]->i < 0 || static_cast<size_t>(a[0]->i) >= items.size()) return nullptr;
  return items[a[0]->i];
}
ValuePtr Append(Interpreter&, const Args& a) {
  std::vector<ValuePtr> all;
  for (size_t i = 0; i < a.size(); ++i)
    for (const auto& item : ToVector(ListArg(a, i))) all.push_back(item);
  return List(all);
}
ValuePtr Reverse(Interpreter&, const Args& a) {
  NeedArgs(a, 1, 1);
  std::vector<ValuePtr> items = ToVector(ListArg(a, 0));
  return List(std::vector<ValuePtr>(items.rbegin(), items.rend()));
}
ValuePtr Not(Interpreter&, const Args& a) {
  NeedArgs(a, 1, 1);
  return a[0] ? nullptr : T();
}
ValuePtr Listp(Interpreter&, const Args& a) {
  NeedArgs(a, 1, 1);
  return !a[0] || a[0]->type == Type::kCons ? T() : nullptr;
}
ValuePtr Atom(Interpreter&, const Args& a) {
  NeedArgs(a, 1, 1);
  return a[0] && a[0]->type == Type::kCons ? nullptr : T();
}
ValuePtr Numberp(Interpreter&, const Args& a) {
  NeedArgs(a, 1, 1);
  return IsNumber(a[0]) ? T() : nullptr;
}
ValuePtr EqFn(Interpreter&, const Args& a) {
  NeedArgs(a, 2, 2);
  bool same = a[0] == a[1] || (a[0] && a[1] && a[0]->type != Type::kCons && Equal(a[0], a[1]) && a[0]->type == a[1]->type);
  return same ? T() : nullptr;
}
ValuePtr EqualFn(Interpreter&, const Args& a) {
  NeedArgs(a, 2, 3);
  return Equal(a[0], a[1]) ? T() : nullptr;
}
ValuePtr TypeFn(Interpreter&, const Args& a) {
  NeedArgs(a, 1, 1);
  if (!a[0]) return nullptr;
  switch (a[0]->type) {
    case Type::kInt: return Sym(L"INT");
    case Type::kReal: return Sym(L"REAL");
    case Type::kString: return Sym(L"STR");
    case Type::kSymbol: return Sym(L"SYM");
    case Type::kCons: return Sym(L"LIST");
  }
  return nullptr;
}
ValuePtr OnePlus(Interpreter& l, const Args& a) {
  NeedArgs(a, 1, 1);
  return Plus(l, {a[0], Int(1)});
}
ValuePtr OneMinus(Interpreter& l, const Args& a) {
  NeedArgs(a, 1, 1);
  return Minus(l, {a[0], Int(1)});
}
ValuePtr Abs(Interpreter&, const Args& a) {
  NeedArgs(a, 1, 1);
  double v = NumberArg(a, 0);
  if (a[0]->type == Type::kInt) return Wrap(a[0]->i < 0 ? -static_cast<long long>(a[0]->i) : a[0]->i);
  return Real(std::fabs(v));
}
ValuePtr MinMax(const Args& a, bool max) {
  NeedArgs(a, 1, SIZE_MAX);
  ValuePtr best = a[0];
  NumberArg(a, 0);
  bool real = a[0]->type == Type::kReal;
  for (size_t i = 1; i < a.size(); ++i) {
    double v = NumberArg(a, i);
    real = real || a[i]->type == Type::kReal;
    if (max ? v > NumberOf(best) : v < NumberOf(best)) best = a[i];
  }
  return real && best->type == Type::kInt ? Real(best->i) : best;
}
ValuePtr Min(Interpreter&, const Args& a) { return MinMax(a, false); }
ValuePtr Max(Interpreter&, const Args& a) { return MinMax(a, true); }
ValuePtr Rem(Interpreter&, const Args& a) {
  NeedArgs(a, 1, SIZE_MAX);
  for (size_t i = 0; i < a.size(); ++i) NumberArg(a, i);
  if (AllInts(a)) {
    long long acc = a[0]->i;
    for (size_t i = 1; i < a.size(); ++i) {
      if (a[i]->i == 0) throw LispError{L"divide by zero"};
      acc = acc % a[i]->i;
    }
    return Wrap(acc);
  }
  double acc = NumberOf(a[0]);
  for (size_t i = 1; i < a.size(); ++i) {
    if (NumberOf(a[i]) == 0) throw LispError{L"divide by zero"};
    acc = std::fmod(acc, NumberOf(a[i]));
  }
  return Real(acc);
}

}  // namespace

void RegisterCoreBuiltins(Interpreter& lisp) {
  const struct {
    const wchar_t* name;
    Builtin fn;
  } table[] = {
      {L"+", Plus},        {L"-", Minus},        {L"*", Times},         {L"/", Divide},      {L"=", Eq},
      {L"/=", Ne},         {L"<", Lt},           {L">", Gt},            {L"<=", Le},         {L">=", Ge},
      {L"princ", Princ},   {L"prin1", Prin1},    {L"print", Print},     {L"terpri", Terpri}, {L"strcat", Strcat},
      {L"strlen", Strlen}, {L"substr", Substr},  {L"strcase", Strcase}, {L"itoa", Itoa},     {L"atoi", Atoi},
      {L"atof", Atof},     {L"rtos", Rtos},      {L"list", ListFn},     {L"car", Car},       {L"cdr", Cdr},
      {L"cadr", Cadr},     {L"cons", ConsFn},    {L"length", Length},   {L"nth", Nth},       {L"append", Append},
      {L"reverse", Reverse}, {L"not", Not},      {L"null", Not},        {L"listp", Listp},   {L"atom", Atom},
      {L"numberp", Numberp}, {L"eq", EqFn},      {L"equal", EqualFn},   {L"type", TypeFn},   {L"1+", OnePlus},
      {L"1-", OneMinus},   {L"abs", Abs},        {L"min", Min},         {L"max", Max},       {L"rem", Rem},
  };
  for (const auto& row : table) lisp.defineBuiltin(row.name, row.fn);
}

}  // namespace lisp
}  // namespace zhost
