// LISP value construction and printing.
#include "host/ed/LispValue.h"

#include <cmath>
#include <cwchar>

#include "host/ed/UpperCase.h"

namespace zhost {
namespace lisp {

ValuePtr Int(int32_t v) {
  auto x = std::make_shared<Value>(Type::kInt);
  x->i = v;
  return x;
}

ValuePtr Real(double v) {
  auto x = std::make_shared<Value>(Type::kReal);
  x->r = v;
  return x;
}

ValuePtr Str(const std::wstring& v) {
  auto x = std::make_shared<Value>(Type::kString);
  x->s = v;
  return x;
}

ValuePtr Sym(const std::wstring& name) {
  auto x = std::make_shared<Value>(Type::kSymbol);
  x->s = UpperCase(name);
  return x;
}

ValuePtr Cons(ValuePtr car, ValuePtr cdr) {
  auto x = std::make_shared<Value>(Type::kCons);
  x->car = std::move(car);
  x->cdr = std::move(cdr);
  return x;
}

ValuePtr T() {
  static ValuePtr t = Sym(L"T");
  return t;
}

ValuePtr Void() {
  static ValuePtr v = Sym(L"");
  return v;
}

ValuePtr List(const std::vector<ValuePtr>& items) {
  ValuePtr list;
  for (auto it = items.rbegin(); it != items.rend(); ++it) list = Cons(*it, list);
  return list;
}

bool IsNil(const ValuePtr& v) { return !v; }
bool IsVoid(const ValuePtr& v) { return v && v->type == Type::kSymbol && v->s.empty(); }
bool IsNumber(const ValuePtr& v) { return v && (v->type == Type::kInt || v->type == Type::kReal); }
bool IsSymbol(const ValuePtr& v, const wchar_t* name) { return v && v->type == Type::kSymbol && v->s == name; }
double NumberOf(const ValuePtr& v) { return v->type == Type::kInt ? v->i : v->r; }

std::vector<ValuePtr> ToVector(ValuePtr list) {
  std::vector<ValuePtr> items;
  for (; list && list->type == Type::kCons; list = list->cdr) items.push_back(list->car);
  return items;
}

std::wstring FormatReal(double r) {
  if (std::isnan(r)) return L"NaN";
  if (std::isinf(r)) return r > 0 ? L"1.#INF" : L"-1.#INF";
  wchar_t buf[64];
  std::swprintf(buf, 64, L"%.6g", r);
  std::wstring text = buf;
  if (text.find_first_of(L".e") == std::wstring::npos) text += L".0";
  return text;
}

static std::wstring Quoted(const std::wstring& s) {
  std::wstring out = L"\"";
  for (wchar_t c : s) {
    switch (c) {
      case L'"': out += L"\\\""; break;
      case L'\\': out += L"\\\\"; break;
      case L'\n': out += L"\\n"; break;
      case L'\t': out += L"\\t"; break;
      case L'\r': out += L"\\r"; break;
      case 27: out += L"\\e"; break;
      default: out += c;
    }
  }
  return out + L"\"";
}

static std::wstring Print(const ValuePtr& v, bool quote) {
  if (!v) return L"nil";
  switch (v->type) {
    case Type::kInt: return std::to_wstring(v->i);
    case Type::kReal: return FormatReal(v->r);
    case Type::kString: return quote ? Quoted(v->s) : v->s;
    case Type::kSymbol: return v->s;
    case Type::kCons: break;
  }
  std::wstring out = L"(";
  ValuePtr p = v;
  bool first = true;
  for (; p && p->type == Type::kCons; p = p->cdr) {
    if (!first) out += L" ";
    out += Print(p->car, quote);
    first = false;
  }
  if (p) out += L" . " + Print(p, quote);
  return out + L")";
}

std::wstring Prin1(const ValuePtr& v) { return Print(v, true); }
std::wstring Princ(const ValuePtr& v) { return Print(v, false); }

bool Equal(const ValuePtr& a, const ValuePtr& b) {
  if (!a || !b) return !a && !b;
  if (IsNumber(a) && IsNumber(b)) return NumberOf(a) == NumberOf(b);
  if (a->type != b->type) return false;
  switch (a->type) {
    case Type::kString:
    case Type::kSymbol: return a->s == b->s;
    case Type::kCons: return Equal(a->car, b->car) && Equal(a->cdr, b->cdr);
    default: return false;
  }
}

}  // namespace lisp
}  // namespace zhost
