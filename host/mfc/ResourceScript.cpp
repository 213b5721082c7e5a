// The resource-script lexer and parser.
#include "host/mfc/ResourceScript.h"

#include <cstring>
#include <cwchar>

#include "host/win/TextConv.h"
#include "host/win/WinStyles.h"

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
    Token first = tok_;
    advance();
    if (tok_.type == Token::Ident && !tok_.firstOnLine) {
      skipped.name = FromUtf8(first.text);
      skipped.kind = FromUtf8(tok_.text);
      if (first.type == Token::Number && readResource(first)) return;
      advance();
    } else {
      skipped.kind = FromUtf8(first.text);
    }
    if (skipHeader()) skipBlock();
    out_.skipped.push_back(skipped);
  }

  // --- Resources read into tables -------------------------------------------------------

  // tok_ is the kind keyword after the numeric id `first`. False when the kind is not one of
  // the tables (tok_ unchanged).
  bool readResource(const Token& first) {
    static const char* const kKinds[] = {"DIALOG", "DIALOGEX", "MENU", "MENUEX", "ICON", "BITMAP", "TOOLBAR"};
    bool known = false;
    for (const char* k : kKinds) known = known || SameWord(tok_.text, k);
    if (!known) return false;
    std::string kind = tok_.text;
    for (auto& c : kind) c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 32 : c);
    int line = first.line;
    advance();
    if (first.overflow || first.number == 0 || first.number > 0xFFFF) {
      lexer_.problem(line, kind + " id " + first.text + " out of range 1..65535; skipped");
      if (skipHeader()) skipBlock();
      return true;
    }
    UINT id = static_cast<UINT>(first.number);
    if (kind == "DIALOG" || kind == "DIALOGEX") dialog(id, kind == "DIALOGEX", line);
    else if (kind == "MENU" || kind == "MENUEX") menu(id, kind == "MENUEX", line);
    else if (kind == "TOOLBAR") toolbar(id, line);
    else image(id, kind, line);
    return true;
  }

  bool isPunct(const char* p) const { return tok_.type == Token::Punct && tok_.text == p; }
  bool isWord(const char* w) const { return tok_.type == Token::Ident && SameWord(tok_.text, w); }
  bool takeComma() {
    if (!isPunct(",")) return false;
    advance();
    return true;
  }

  static bool IsMemoryFlag(const Token& t) {
    static const char* const kFlags[] = {"DISCARDABLE", "MOVEABLE", "PURE", "IMPURE", "PRELOAD", "LOADONCALL", "FIXED", "SHARED", "NONSHARED"};
    if (t.type != Token::Ident) return false;
    for (const char* f : kFlags)
      if (SameWord(t.text, f)) return true;
    return false;
  }
  void skipMemoryFlags() {
    while (IsMemoryFlag(tok_)) advance();
  }

  // One operand of a style or id expression: bits to set and bits that NOT removes.
  struct Value {
    bool ok = false;
    bool isString = false;
    std::wstring text;
    long bits = 0;
    long removed = 0;
  };

  bool primary(long& v) {
    if (tok_.type == Token::Number) {
      v = static_cast<long>(tok_.number);
      advance();
      return true;
    }
    if (tok_.type == Token::Ident) {
      if (!FindNamedConstant(tok_.text, v)) {
        lexer_.problem(tok_.line, "unknown name " + tok_.text + " (0 used)");
        v = 0;
      }
      advance();
      return true;
    }
    if (isPunct("(")) {
      advance();
      Value inner = expression();
      v = inner.bits & ~inner.removed;
      if (isPunct(")")) advance();
      else lexer_.problem(tok_.line, "')' missing");
      return inner.ok;
    }
    if (isPunct("-") || isPunct("~")) {
      bool negate = tok_.text == "-";
      advance();
      long x = 0;
      if (!primary(x)) return false;
      v = negate ? -x : ~x;
      return true;
    }
    return false;
  }

  Value expression() {
    Value value;
    for (;;) {
      bool remove = isWord("NOT");
      if (remove) advance();
      long v = 0;
      if (!primary(v)) {
        if (value.ok || remove) lexer_.problem(tok_.line, "unexpected '" + printable(tok_) + "' in an expression");
        return value;
      }
      value.ok = true;
      if (remove) value.removed |= v;
      else value.bits |= v;
      if (!isPunct("|") && !isPunct("+")) return value;
      advance();
    }
  }

  // A string or an expression.
  Value argument() {
    if (tok_.type == Token::String) {
      Value v;
      v.ok = v.isString = true;
      v.text = tok_.string;
      advance();
      return v;
    }
    return expression();
  }

  // The comma-separated arguments of a statement (an empty first argument allowed).
  std::vector<Value> arguments() {
    std::vector<Value> args;
    for (;;) {
      Value v = argument();
      args.push_back(v);
      if (!takeComma()) return args;
    }
  }

  // After a statement that could not be read: on to the next line's statement.
  void skipRestOfStatement(int line) {
    while (tok_.type != Token::End && !IsClose(tok_) && !(tok_.firstOnLine && tok_.line > line)) {
      if (IsOpen(tok_)) {
        skipBlock();
        continue;
      }
      advance();
    }
  }

  static int Int(const Value& v) { return static_cast<int>(v.bits & ~v.removed); }

  void dialog(UINT id, bool extended, int line) {
    DialogTemplate d;
    d.id = id;
    d.extended = extended;
    d.style = WS_POPUP | WS_BORDER | WS_SYSMENU;
    skipMemoryFlags();
    std::vector<Value> rect = arguments();
    if (rect.size() < 4) lexer_.problem(line, "dialog " + std::to_string(id) + " without x, y, width, height");
    if (rect.size() >= 4) {
      d.x = Int(rect[0]);
      d.y = Int(rect[1]);
      d.cx = Int(rect[2]);
      d.cy = Int(rect[3]);
    }
    bool styled = false;
    while (tok_.type == Token::Ident && !IsOpen(tok_) && IsHeaderKeyword(tok_)) {
      std::string word = tok_.text;
      int at = tok_.line;
      advance();
      std::vector<Value> args = arguments();
      if (SameWord(word, "STYLE")) {
        d.style = static_cast<DWORD>(args[0].bits & ~args[0].removed);
        styled = true;
      } else if (SameWord(word, "EXSTYLE")) {
        d.exStyle = static_cast<DWORD>(Int(args[0]));
      } else if (SameWord(word, "CAPTION")) {
        d.caption = args[0].text;
        if (!styled) d.style |= WS_CAPTION;
      } else if (SameWord(word, "MENU")) {
        if (args[0].isString || Int(args[0]) <= 0) lexer_.problem(at, "dialog menu must be a numeric id");
        else d.menuId = static_cast<UINT>(Int(args[0]));
      } else if (SameWord(word, "FONT")) {
        d.fontSize = Int(args[0]);
        if (args.size() > 1) d.fontName = args[1].text;
      }
    }
    if (!d.fontName.empty()) d.style |= DS_SETFONT;
    if (!IsOpen(tok_)) {
      lexer_.problem(line, "dialog " + std::to_string(id) + " without BEGIN");
      skipRestOfStatement(line);
    } else {
      advance();
      controls(d);
    }
    if (!out_.dialogs.emplace(id, d).second)
      lexer_.problem(line, "dialog " + std::to_string(id) + " defined twice; the first is kept");
  }

  struct Shorthand {
    const char* word;
    const wchar_t* className;
    long style;        // besides WS_CHILD | WS_VISIBLE
    bool hasText;
  };

  static const Shorthand* FindShorthand(const Token& t) {
    static const Shorthand kShorthands[] = {
        {"LTEXT", L"Static", SS_LEFT | WS_GROUP, true},
        {"RTEXT", L"Static", SS_RIGHT | WS_GROUP, true},
        {"CTEXT", L"Static", SS_CENTER | WS_GROUP, true},
        {"PUSHBUTTON", L"Button", BS_PUSHBUTTON | WS_TABSTOP, true},
        {"DEFPUSHBUTTON", L"Button", BS_DEFPUSHBUTTON | WS_TABSTOP, true},
        {"PUSHBOX", L"Button", BS_PUSHBOX | WS_TABSTOP, true},
        {"CHECKBOX", L"Button", BS_CHECKBOX | WS_TABSTOP, true},
        {"AUTOCHECKBOX", L"Button", BS_AUTOCHECKBOX | WS_TABSTOP, true},
        {"STATE3", L"Button", BS_3STATE | WS_TABSTOP, true},
        {"AUTO3STATE", L"Button", BS_AUTO3STATE | WS_TABSTOP, true},
        {"RADIOBUTTON", L"Button", BS_RADIOBUTTON, true},
        {"AUTORADIOBUTTON", L"Button", BS_AUTORADIOBUTTON, true},
        {"GROUPBOX", L"Button", BS_GROUPBOX, true},
        {"EDITTEXT", L"Edit", ES_LEFT | WS_BORDER | WS_TABSTOP, false},
        {"COMBOBOX", L"ComboBox", CBS_SIMPLE | WS_TABSTOP, false},
        {"LISTBOX", L"ListBox", LBS_NOTIFY | WS_BORDER, false},
        {"SCROLLBAR", L"ScrollBar", SBS_HORZ, false},
        {"ICON", L"Static", SS_ICON, true},
    };
    if (t.type != Token::Ident) return nullptr;
    for (const Shorthand& s : kShorthands)
      if (SameWord(t.text, s.word)) return &s;
    return nullptr;
  }

  // The class of a CONTROL statement: a string, or one of the class words.
  static std::wstring ControlClass(const Value& v, const std::string& word) {
    if (v.isString) {
      static const wchar_t* const kKnown[] = {L"Button", L"Edit", L"ComboBox", L"ListBox", L"Static", L"ScrollBar"};
      for (const wchar_t* k : kKnown)
        if (EqualsAscii(v.text, k)) return k;
      return v.text;
    }
    static const struct {
      const char* word;
      const wchar_t* name;
    } kWords[] = {{"BUTTON", L"Button"}, {"EDIT", L"Edit"}, {"COMBOBOX", L"ComboBox"},
                  {"LISTBOX", L"ListBox"}, {"STATIC", L"Static"}, {"SCROLLBAR", L"ScrollBar"}};
    for (const auto& k : kWords)
      if (SameWord(word, k.word)) return k.name;
    return FromUtf8(word);
  }

  static bool EqualsAscii(const std::wstring& a, const wchar_t* b) {
    size_t n = std::wcslen(b);
    if (a.size() != n) return false;
    for (size_t i = 0; i < n; ++i) {
      wchar_t x = a[i], y = b[i];
      if (x >= L'A' && x <= L'Z') x = static_cast<wchar_t>(x + 32);
      if (y >= L'A' && y <= L'Z') y = static_cast<wchar_t>(y + 32);
      if (x != y) return false;
    }
    return true;
  }

  // The button type a CONTROL of class Button gets from its style: what the statement wrote.
  void controls(DialogTemplate& d) {
    for (;;) {
      if (tok_.type == Token::End) {
        lexer_.problem(tok_.line, "dialog " + std::to_string(d.id) + " without END");
        return;
      }
      if (IsClose(tok_)) {
        advance();
        return;
      }
      int line = tok_.line;
      const Shorthand* shorthand = FindShorthand(tok_);
      bool generic = isWord("CONTROL");
      if (!shorthand && !generic) {
        lexer_.problem(line, "unknown dialog control statement '" + printable(tok_) + "' skipped");
        advance();
        skipRestOfStatement(line);
        continue;
      }
      advance();
      DialogControlTemplate c;
      c.line = line;
      if (generic) genericControl(c, line);
      else shorthandControl(*shorthand, c, line);
      if (IsOpen(tok_)) skipBlock();  // control data of DIALOGEX
      if (c.className.empty()) continue;
      d.controls.push_back(c);
    }
  }

  static std::wstring TextOf(const Value& v) {
    if (v.isString) return v.text;
    return std::to_wstring(Int(v));
  }

  void genericControl(DialogControlTemplate& c, int line) {
    Token classToken;
    std::vector<Value> args;
    // CONTROL text, id, class, style, x, y, cx, cy [, exstyle [, help]]
    args.push_back(argument());
    if (!takeComma()) return badControl(line);
    args.push_back(argument());
    if (!takeComma()) return badControl(line);
    classToken = tok_;
    Value cls = tok_.type == Token::String ? argument() : Value();
    if (!cls.isString) {
      if (tok_.type != Token::Ident) return badControl(line);
      advance();
    }
    if (!takeComma()) return badControl(line);
    std::vector<Value> rest = arguments();
    if (rest.size() < 5) return badControl(line);
    c.text = TextOf(args[0]);
    c.id = Int(args[1]);
    c.className = ControlClass(cls, classToken.text);
    c.style = static_cast<DWORD>(((WS_CHILD | WS_VISIBLE) | rest[0].bits) & ~rest[0].removed);
    c.x = Int(rest[1]);
    c.y = Int(rest[2]);
    c.cx = Int(rest[3]);
    c.cy = Int(rest[4]);
    if (rest.size() > 5) c.exStyle = static_cast<DWORD>(Int(rest[5]));
  }

  void shorthandControl(const Shorthand& s, DialogControlTemplate& c, int line) {
    std::vector<Value> args = arguments();
    size_t at = 0;
    if (s.hasText) c.text = TextOf(args[at++]);
    size_t needed = SameWord(s.word, "ICON") ? 3 : 5;
    if (args.size() < at + needed) return badControl(line);
    c.id = Int(args[at]);
    c.x = Int(args[at + 1]);
    c.y = Int(args[at + 2]);
    size_t next = at + 3;
    if (args.size() >= at + 5) {
      c.cx = Int(args[at + 3]);
      c.cy = Int(args[at + 4]);
      next = at + 5;
    }
    long style = (WS_CHILD | WS_VISIBLE) | s.style;
    // A combo box's own type (simple, drop-down, drop-down list) replaces the default one.
    if (args.size() > next && SameWord(s.word, "COMBOBOX") && (args[next].bits & 3)) style &= ~3L;
    if (args.size() > next) style = (style | args[next].bits) & ~args[next].removed;
    if (args.size() > next + 1) c.exStyle = static_cast<DWORD>(Int(args[next + 1]));
    c.style = static_cast<DWORD>(style);
    c.className = s.className;
  }

  void badControl(int line) {
    lexer_.problem(line, "dialog control statement without its arguments; skipped");
    skipRestOfStatement(line);
  }

  // --- Menus ----------------------------------------------------------------------------

  static bool MenuOption(const Token& t, UINT& flag) {
    static const struct {
      const char* word;
      UINT flag;
    } kOptions[] = {{"CHECKED", 0x0008}, {"GRAYED", 0x0001}, {"INACTIVE", 0x0002},
                    {"MENUBARBREAK", 0x0020}, {"MENUBREAK", 0x0040}, {"HELP", 0x4000}};
    if (t.type != Token::Ident) return false;
    for (const auto& o : kOptions)
      if (SameWord(t.text, o.word)) {
        flag = o.flag;
        return true;
      }
    return false;
  }

  UINT menuOptions() {
    UINT flags = 0, flag = 0;
    for (;;) {
      if (isPunct(",")) {
        advance();
        continue;
      }
      if (!MenuOption(tok_, flag)) return flags;
      flags |= flag;
      advance();
    }
  }

  // MENUEX numbers: [, id [, type [, state [, help]]]]; types and states become MF_ flags.
  void menuExNumbers(MenuItemTemplate& item) {
    std::vector<long> numbers;
    while (takeComma()) {
      Value v = expression();
      numbers.push_back(v.bits & ~v.removed);
    }
    if (numbers.size() > 0) item.id = static_cast<UINT>(numbers[0]);
    if (numbers.size() > 1 && (numbers[1] & 0x0800)) item.separator = true;
    if (numbers.size() > 2) {
      long state = numbers[2];
      if (state & 0x0003) item.flags |= 0x0001;  // MFS_GRAYED
      if (state & 0x0008) item.flags |= 0x0008;  // MFS_CHECKED
    }
  }

  void menu(UINT id, bool extended, int line) {
    MenuTemplate m;
    m.id = id;
    m.extended = extended;
    skipMemoryFlags();
    if (!IsOpen(tok_)) {
      lexer_.problem(line, "menu " + std::to_string(id) + " without BEGIN");
      skipRestOfStatement(line);
      return;
    }
    advance();
    menuItems(m.items, extended, 0);
    if (!out_.menus.emplace(id, m).second)
      lexer_.problem(line, "menu " + std::to_string(id) + " defined twice; the first is kept");
  }

  void menuItems(std::vector<MenuItemTemplate>& items, bool extended, int depth) {
    for (;;) {
      if (tok_.type == Token::End) {
        lexer_.problem(tok_.line, "menu without END");
        return;
      }
      if (IsClose(tok_)) {
        advance();
        return;
      }
      int line = tok_.line;
      bool popup = isWord("POPUP");
      if (!popup && !isWord("MENUITEM")) {
        lexer_.problem(line, "unexpected '" + printable(tok_) + "' in a menu");
        advance();
        skipRestOfStatement(line);
        continue;
      }
      advance();
      MenuItemTemplate item;
      item.popup = popup;
      if (!popup && isWord("SEPARATOR")) {
        advance();
        item.separator = true;
        items.push_back(item);
        continue;
      }
      if (tok_.type != Token::String) {
        lexer_.problem(line, "menu item without its text");
        skipRestOfStatement(line);
        continue;
      }
      item.text = tok_.string;
      advance();
      if (extended) {
        menuExNumbers(item);
      } else if (!popup) {
        if (!takeComma() || (tok_.type != Token::Number && tok_.type != Token::Ident)) {
          lexer_.problem(line, "menu item \"" + ToUtf8(item.text) + "\" without its id");
          skipRestOfStatement(line);
          continue;
        }
        item.id = static_cast<UINT>(Int(expression()));
      }
      if (!extended) item.flags |= menuOptions();
      if (popup) {
        if (!IsOpen(tok_)) {
          lexer_.problem(line, "popup \"" + ToUtf8(item.text) + "\" without BEGIN");
        } else if (depth >= 16) {
          lexer_.problem(line, "menu nested too deeply; skipped");
          skipBlock();
        } else {
          advance();
          menuItems(item.items, extended, depth + 1);
        }
      }
      items.push_back(item);
    }
  }

  // --- Images and toolbars --------------------------------------------------------------

  void image(UINT id, const std::string& kind, int line) {
    skipMemoryFlags();
    if (tok_.type != Token::String) {
      lexer_.problem(line, kind + " " + std::to_string(id) + " without its file name");
      if (skipHeader()) skipBlock();
      return;
    }
    ImageResource r;
    r.id = id;
    r.file = tok_.string;
    advance();
    auto& table = kind == "ICON" ? out_.icons : out_.bitmaps;
    if (!table.emplace(id, r).second) lexer_.problem(line, kind + " " + std::to_string(id) + " defined twice; the first is kept");
  }

  void toolbar(UINT id, int line) {
    ToolbarResource t;
    t.id = id;
    skipMemoryFlags();
    std::vector<Value> size = arguments();
    if (size.size() >= 2) {
      t.buttonWidth = Int(size[0]);
      t.buttonHeight = Int(size[1]);
    }
    if (!IsOpen(tok_)) {
      lexer_.problem(line, "toolbar " + std::to_string(id) + " without BEGIN");
      skipRestOfStatement(line);
      return;
    }
    advance();
    for (;;) {
      if (tok_.type == Token::End) {
        lexer_.problem(line, "toolbar " + std::to_string(id) + " without END");
        break;
      }
      if (IsClose(tok_)) {
        advance();
        break;
      }
      if (isWord("SEPARATOR")) {
        advance();
        t.buttons.push_back(0);
        continue;
      }
      if (isWord("BUTTON")) {
        advance();
        t.buttons.push_back(static_cast<UINT>(Int(expression())));
        continue;
      }
      lexer_.problem(tok_.line, "unexpected '" + printable(tok_) + "' in a toolbar");
      advance();
    }
    if (!out_.toolbars.emplace(id, t).second)
      lexer_.problem(line, "toolbar " + std::to_string(id) + " defined twice; the first is kept");
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
