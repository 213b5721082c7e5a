// A recursive-descent reader for the LISP subset the host evaluates.
#include "host/ed/LispReader.h"

#include <cerrno>
#include <climits>
#include <cwchar>
#include <cwctype>

namespace zhost {
namespace lisp {
namespace {

const int kMaxDepth = 500;

struct ParseError {
  std::wstring message;
};

class Reader {
 public:
  explicit Reader(const std::wstring& text) : text_(text) {}

  bool atEnd() {
    skipBlank();
    return pos_ >= text_.size();
  }

  ValuePtr expression(int depth) {
    if (depth > kMaxDepth) throw ParseError{L"lists nested too deeply"};
    skipBlank();
    if (pos_ >= text_.size()) throw ParseError{L"missing expression at the end of the input"};
    wchar_t c = text_[pos_];
    if (c == L'(') {
      ++pos_;
      return list(depth + 1);
    }
    if (c == L')') throw ParseError{L"extra \")\" at position " + std::to_wstring(pos_ + 1)};
    if (c == L'\'') {
      ++pos_;
      skipBlank();
      if (pos_ >= text_.size() || text_[pos_] == L')') throw ParseError{L"quote (') without an expression"};
      return List({Sym(L"QUOTE"), expression(depth + 1)});
    }
    if (c == L'"') return string();
    return atom();
  }

 private:
  void skipBlank() {
    while (pos_ < text_.size()) {
      wchar_t c = text_[pos_];
      if (std::iswspace(c)) {
        ++pos_;
      } else if (c == L';') {
        if (pos_ + 1 < text_.size() && text_[pos_ + 1] == L'|') {
          size_t end = text_.find(L"|;", pos_ + 2);
          if (end == std::wstring::npos) throw ParseError{L"unterminated comment (;| without |;)"};
          pos_ = end + 2;
        } else {
          while (pos_ < text_.size() && text_[pos_] != L'\n') ++pos_;
        }
      } else {
        break;
      }
    }
  }

  ValuePtr list(int depth) {
    size_t start = pos_;
    std::vector<ValuePtr> items;
    ValuePtr tail;
    for (;;) {
      skipBlank();
      if (pos_ >= text_.size()) {
        throw ParseError{L"missing \")\": the list opened at position " + std::to_wstring(start) +
                         L" is not closed"};
      }
      if (text_[pos_] == L')') {
        ++pos_;
        break;
      }
      if (isDot()) {
        if (items.empty()) throw ParseError{L"\".\" without an expression before it"};
        ++pos_;
        tail = expression(depth);
        skipBlank();
        if (pos_ >= text_.size() || text_[pos_] != L')') throw ParseError{L"more than one expression after \".\""};
        ++pos_;
        break;
      }
      items.push_back(expression(depth));
    }
    ValuePtr result = tail;
    for (auto it = items.rbegin(); it != items.rend(); ++it) result = Cons(*it, result);
    return result;
  }

  bool isDot() const {
    if (text_[pos_] != L'.') return false;
    if (pos_ + 1 >= text_.size()) return true;
    wchar_t n = text_[pos_ + 1];
    return std::iswspace(n) || n == L'(' || n == L')' || n == L'"';
  }

  ValuePtr string() {
    size_t start = pos_++;
    std::wstring s;
    while (pos_ < text_.size() && text_[pos_] != L'"') {
      wchar_t c = text_[pos_++];
      if (c != L'\\' || pos_ >= text_.size()) {
        s += c;
        continue;
      }
      wchar_t e = text_[pos_++];
      switch (e) {
        case L'n': s += L'\n'; break;
        case L't': s += L'\t'; break;
        case L'r': s += L'\r'; break;
        case L'e': s += wchar_t(27); break;
        default: s += e;
      }
    }
    if (pos_ >= text_.size())
      throw ParseError{L"unterminated string: the \" at position " + std::to_wstring(start + 1) + L" is not closed"};
    ++pos_;
    return Str(s);
  }

  ValuePtr atom() {
    size_t start = pos_;
    while (pos_ < text_.size()) {
      wchar_t c = text_[pos_];
      if (std::iswspace(c) || c == L'(' || c == L')' || c == L'\'' || c == L'"' || c == L';') break;
      ++pos_;
    }
    std::wstring token = text_.substr(start, pos_ - start);
    if (ValuePtr number = Number(token)) return number;
    return Sym(token);
  }

  static ValuePtr Number(const std::wstring& token) {
    size_t k = (token[0] == L'+' || token[0] == L'-') ? 1 : 0;
    if (k >= token.size()) return nullptr;
    bool startsNumeric = std::iswdigit(token[k]) || (token[k] == L'.' && k + 1 < token.size() && std::iswdigit(token[k + 1]));
    if (!startsNumeric) return nullptr;
    bool allDigits = true;
    for (size_t i = k; i < token.size(); ++i) allDigits = allDigits && std::iswdigit(token[i]);
    errno = 0;
    wchar_t* end = nullptr;
    if (allDigits) {
      long long v = std::wcstoll(token.c_str(), &end, 10);
      if (errno == 0 && v >= INT32_MIN && v <= INT32_MAX) return Int(static_cast<int32_t>(v));
    }
    errno = 0;
    double d = std::wcstod(token.c_str(), &end);
    if (end && *end == 0) return Real(d);
    return nullptr;
  }

  const std::wstring& text_;
  size_t pos_ = 0;
};

}  // namespace

ReadResult Read(const std::wstring& text) {
  ReadResult result;
  Reader reader(text);
  try {
    while (!reader.atEnd()) result.expressions.push_back(reader.expression(0));
  } catch (const ParseError& e) {
    result.expressions.clear();
    result.error = e.message;
  }
  return result;
}

}  // namespace lisp
}  // namespace zhost
