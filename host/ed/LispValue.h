// Values of the host's LISP: nil (a null pointer), integers, reals, strings, symbols and
// cons cells, with AutoLISP-style printing.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace zhost {
namespace lisp {

struct Value;
using ValuePtr = std::shared_ptr<const Value>;

enum class Type { kInt, kReal, kString, kSymbol, kCons };

struct Value {
  Type type;
  int32_t i = 0;
  double r = 0;
  std::wstring s;  // string text or upper-case symbol name ("" is the void symbol of (princ))
  ValuePtr car, cdr;

  explicit Value(Type t) : type(t) {}
};

ValuePtr Int(int32_t v);
ValuePtr Real(double v);
ValuePtr Str(const std::wstring& v);
ValuePtr Sym(const std::wstring& name);  // upper-cased
ValuePtr Cons(ValuePtr car, ValuePtr cdr);
ValuePtr T();
ValuePtr Void();
ValuePtr List(const std::vector<ValuePtr>& items);

bool IsNil(const ValuePtr& v);
bool IsVoid(const ValuePtr& v);
bool IsNumber(const ValuePtr& v);
bool IsSymbol(const ValuePtr& v, const wchar_t* name);
double NumberOf(const ValuePtr& v);
// The elements of a proper list; a dotted tail is dropped.
std::vector<ValuePtr> ToVector(ValuePtr list);

// prin1 form (strings quoted and escaped) and princ form (strings as they are).
std::wstring Prin1(const ValuePtr& v);
std::wstring Princ(const ValuePtr& v);
std::wstring FormatReal(double r);

bool Equal(const ValuePtr& a, const ValuePtr& b);

}  // namespace lisp
}  // namespace zhost
