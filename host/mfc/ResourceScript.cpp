// The resource-script lexer and parser.
#include "host/mfc/ResourceScript.h"

#include <cstring>

#include "host/win/TextConv.h"

namespace zhost {

namespace {

struct Token {
  enum Type { End, Ident, Number, String, Punct };
  Type type = End;
  std::string text;         // identifier or punctuation character
  unsigned long long number = 0;
  bool overflow = false;    // a number beyond 64 bits
  std::wstring string;
  int line = 1;
  bool firstOnLine = false;
};

bool IsIdentStart(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsIdentChar(char c) { return IsIdentStart(c) || IsDigit(c); }
int HexValue(char c) {
  if (IsDigit(c)) return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

bool SameWord(const std::string& a, const char* b) {
  if (a.size() != std::strlen(b)) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    char x = a[i];
    if (x >= 'a' && x <= 'z') x = static_cast<char>(x - 32);
    if (x != b[i]) return false;
  }
  return true;
}

class Lexer {
 public:
  Lexer(const char* text, size_t size, std::vector<std::wstring>& problems)
      : p_(text), end_(text + size), problems_(problems) {}

  Token next() {
    skipSpace();
    Token t;
    t.line = line_;
    t.firstOnLine = atLineStart_;
    atLineStart_ = false;
    if (p_ >= end_) return t;
    char c = *p_;
    if (c == '"' || (c == 'L' && p_ + 1 < end_ && p_[1] == '"')) return readString(t);
    if (IsDigit(c)) return readNumber(t);
    if (IsIdentStart(c)) {
      const char* s = p_;
      while (p_ < end_ && IsIdentChar(*p_)) ++p_;
      t.type = Token::Ident;
      t.text.assign(s, p_);
      return t;
    }
    t.type = Token::Punct;
    t.text.assign(1, c);
    ++p_;
    return t;
  }

  void problem(int line, const std::string& what) {
    if (problems_.size() < 100) problems_.push_back(L"line " + std::to_wstring(line) + L": " + FromUtf8(what));
  }

 private:
  void newline() {
    ++line_;
    atLineStart_ = true;
  }

  void skipToLineEnd() {
    while (p_ < end_ && *p_ != '\n') ++p_;
  }

  void skipSpace() {
    for (;;) {
      if (p_ >= end_) return;
      char c = *p_;
      if (c == '\n') {
        ++p_;
        newline();
      } else if (c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v') {
        ++p_;
      } else if (c == '/' && p_ + 1 < end_ && p_[1] == '/') {
        skipToLineEnd();
      } else if (c == '/' && p_ + 1 < end_ && p_[1] == '*') {
        p_ += 2;
        while (p_ < end_ && !(*p_ == '*' && p_ + 1 < end_ && p_[1] == '/')) {
          if (*p_ == '\n') newline();
          ++p_;
        }
        p_ = p_ < end_ ? p_ + 2 : end_;
      } else if (c == '#' && atLineStart_) {
        // Preprocessor line, with "\" continuations.
        while (p_ < end_ && *p_ != '\n') {
          if (*p_ == '\\' && p_ + 1 < end_ && p_[1] == '\n') {
            p_ += 2;
            ++line_;
            continue;
          }
          ++p_;
        }
      } else {
        return;
      }
    }
  }

  Token readNumber(Token& t) {
    const char* s = p_;
    unsigned long long v = 0;
    bool hex = *p_ == '0' && p_ + 1 < end_ && (p_[1] == 'x' || p_[1] == 'X');
    if (hex) p_ += 2;
    for (; p_ < end_; ++p_) {
      int d = hex ? HexValue(*p_) : (IsDigit(*p_) ? *p_ - '0' : -1);
      if (d < 0) break;
      unsigned base = hex ? 16 : 10;
      if (v > (~0ULL - static_cast<unsigned>(d)) / base) t.overflow = true;
      v = v * base + static_cast<unsigned>(d);
    }
    while (p_ < end_ && (*p_ == 'L' || *p_ == 'l' || *p_ == 'U' || *p_ == 'u')) ++p_;
    if (p_ < end_ && IsIdentChar(*p_)) {  // "12abc": not a number
      while (p_ < end_ && IsIdentChar(*p_)) ++p_;
      t.type = Token::Ident;
      t.text.assign(s, p_);
      return t;
    }
    t.type = Token::Number;
    t.number = v;
    t.text.assign(s, p_);
    return t;
  }

  Token readString(Token& t) {
    if (*p_ == 'L') ++p_;
    ++p_;  // opening quote
    std::string bytes;
    for (;;) {
      if (p_ >= end_ || *p_ == '\n') {
        problem(t.line, "string without its closing quote");
        break;
      }
      char c = *p_++;
      if (c == '"') {
        if (p_ < end_ && *p_ == '"') {
          bytes += '"';
          ++p_;
          continue;
        }
        break;
      }
      if (c != '\\' || p_ >= end_ || *p_ == '\n') {
        bytes += c;
        continue;
      }
      char e = *p_++;
      switch (e) {
        case 'n': bytes += '\n'; break;
        case 't': bytes += '\t'; break;
        case 'r': bytes += '\r'; break;
        case 'a': bytes += '\a'; break;
        case '0': bytes += ToUtf8(std::wstring(1, L'\0')); break;
        case '\\': bytes += '\\'; break;
        case '"': bytes += '"'; break;
        case 'x':
        case 'X': {
          unsigned v = 0;
          int digits = 0;
          for (; digits < 4 && p_ < end_ && HexValue(*p_) >= 0; ++digits) v = v * 16 + static_cast<unsigned>(HexValue(*p_++));
          if (digits == 0) bytes += "\\x";
          else bytes += ToUtf8(std::wstring(1, static_cast<wchar_t>(v)));
          break;
        }
        default:
          bytes += '\\';
          bytes += e;
      }
    }
    t.type = Token::String;
    t.string = FromUtf8(bytes);
    return t;
  }

  const char* p_;
  const char* end_;
  int line_ = 1;
  bool atLineStart_ = true;
  std::vector<std::wstring>& problems_;
};

bool IsOpen(const Token& t) { return (t.type == Token::Ident && SameWord(t.text, "BEGIN")) || (t.type == Token::Punct && t.text == "{"); }
bool IsClose(const Token& t) { return (t.type == Token::Ident && SameWord(t.text, "END")) || (t.type == Token::Punct && t.text == "}"); }

// Statement keywords that may stand on their own lines between a resource's first line and its
// block (dialog options, version-information fields, memory flags).
bool IsHeaderKeyword(const Token& t) {
  static const char* const kWords[] = {"STYLE", "EXSTYLE", "CAPTION", "FONT", "MENU", "CLASS", "LANGUAGE",
                                       "CHARACTERISTICS", "VERSION", "DISCARDABLE", "MOVEABLE", "PURE",
                                       "IMPURE", "PRELOAD", "LOADONCALL", "FIXED", "FILEVERSION",
                                       "PRODUCTVERSION", "FILEFLAGSMASK", "FILEFLAGS", "FILEOS", "FILETYPE",
                                       "FILESUBTYPE"};
  if (t.type != Token::Ident) return false;
  for (const char* w : kWords)
    if (SameWord(t.text, w)) return true;
  return false;
}

class Parser {
 public:
  Parser(const char* text, size_t size, ResourceScript& out) : lexer_(text, size, out.problems), out_(out) {
    advance();
  }

  void run() {
    while (tok_.type != Token::End) {
      if (tok_.type == Token::Ident && SameWord(tok_.text, "STRINGTABLE")) {
        stringTable();
      } else if (IsOpen(tok_)) {
        lexer_.problem(tok_.line, "block without a resource statement skipped");
        skipBlock();
      } else if (IsClose(tok_)) {
        lexer_.problem(tok_.line, "END without BEGIN");
        advance();
      } else if (tok_.type == Token::Ident || tok_.type == Token::Number) {
        otherStatement();
      } else {
        lexer_.problem(tok_.line, "unexpected '" + printable(tok_) + "'");
        advance();
      }
    }
  }

 private:
  void advance() {
    prev_ = tok_;
    tok_ = lexer_.next();
  }

  static std::string printable(const Token& t) {
    if (t.type == Token::String) return "string";
    std::string s;
    for (char c : t.text) {
      unsigned char u = static_cast<unsigned char>(c);
      if (u >= 0x20 && u < 0x7F) {
        s += c;
      } else {
        static const char* const kHex = "0123456789ABCDEF";
        s += "\\x";
        s += kHex[u >> 4];
        s += kHex[u & 15];
      }
    }
    return s;
  }

  // From an opening BEGIN/{ to its matching END/}.
  void skipBlock() {
    int line = tok_.line;
    int depth = 0;
    do {
      if (IsOpen(tok_)) ++depth;
      else if (IsClose(tok_)) --depth;
      advance();
    } while (depth > 0 && tok_.type != Token::End);
    if (depth > 0) lexer_.problem(line, "block without END");
  }

  // Skips the rest of a statement's header lines. True when a block follows (tok_ at it).
  bool skipHeader() {
    for (;;) {
      if (tok_.type == Token::End || IsClose(tok_)) return false;
      if (IsOpen(tok_)) return true;
      bool continued = prev_.type == Token::Punct && (prev_.text == "," || prev_.text == "|");
      if (tok_.firstOnLine && !continued && !IsHeaderKeyword(tok_)) return false;
      advance();
    }
  }

  // `name KIND ...` (with or without a block), or a top-level statement such as LANGUAGE.
  void otherStatement() {
    SkippedResource skipped;
    skipped.line = tok_.line;
    std::string first = tok_.text;
    advance();
    if (tok_.type == Token::Ident && !tok_.firstOnLine) {
      skipped.name = FromUtf8(first);
      skipped.kind = FromUtf8(tok_.text);
      advance();
    } else {
      skipped.kind = FromUtf8(first);
    }
    if (skipHeader()) skipBlock();
    out_.skipped.push_back(skipped);
  }

  void stringTable() {
    int line = tok_.line;
    advance();
    if (!skipHeader()) {
      lexer_.problem(line, "STRINGTABLE without BEGIN");
      return;
    }
    advance();  // BEGIN
    for (;;) {
      if (tok_.type == Token::End) {
        lexer_.problem(line, "STRINGTABLE without END");
        return;
      }
      if (IsClose(tok_)) {
        advance();
        return;
      }
      if (IsOpen(tok_)) {
        lexer_.problem(tok_.line, "nested block in STRINGTABLE skipped");
        skipBlock();
        continue;
      }
      entry();
    }
  }

  void entry() {
    Token id = tok_;
    advance();
    bool negative = id.type == Token::Punct && id.text == "-" && tok_.type == Token::Number;
    if (negative) {
      id = tok_;
      advance();
    }
    if (id.type != Token::Number && id.type != Token::Ident) {
      lexer_.problem(id.line, "unexpected '" + printable(id) + "' in STRINGTABLE");
      return;
    }
    if (tok_.type == Token::Punct && tok_.text == ",") advance();
    if (tok_.type != Token::String) {
      lexer_.problem(id.line, "string id " + id.text + " without its text");
      return;
    }
    Token text = tok_;
    advance();
    if (id.type == Token::Ident) {
      lexer_.problem(id.line, "symbolic string id " + id.text + " ignored (ids must be numbers)");
    } else if (negative || id.overflow || id.number > 0xFFFF) {
      lexer_.problem(id.line, "string id " + std::string(negative ? "-" : "") + id.text + " out of range 0..65535");
    } else if (!out_.strings.entries.emplace(static_cast<UINT>(id.number), text.string).second) {
      lexer_.problem(id.line, "string id " + id.text + " defined twice; the first text is kept");
    }
  }

  Lexer lexer_;
  ResourceScript& out_;
  Token tok_;
  Token prev_;
};

}  // namespace

const std::wstring* StringTable::find(UINT id) const {
  auto it = entries.find(id);
  return it == entries.end() ? nullptr : &it->second;
}

ResourceScript ParseResourceScript(const char* text, size_t size) {
  ResourceScript script;
  if (!text) return script;
  Parser parser(text, size, script);
  parser.run();
  return script;
}

ResourceScript ParseResourceScript(const std::string& text) { return ParseResourceScript(text.data(), text.size()); }

}  // namespace zhost
