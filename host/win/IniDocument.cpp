// Parsing and line-preserving editing of INI files.
#include "host/win/IniDocument.h"

#include <algorithm>

#include "host/win/TextCase.h"
#include "host/win/TextConv.h"

namespace zhost {

namespace {

constexpr size_t npos = std::string::npos;

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\r'; }
bool IsBlankW(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\v' || c == L'\f' || c == L'\r'; }

std::wstring TrimW(const std::wstring& s) {
  size_t b = 0, e = s.size();
  while (b < e && IsBlankW(s[b])) ++b;
  while (e > b && IsBlankW(s[e - 1])) --e;
  return s.substr(b, e - b);
}

std::wstring Decode(const std::string& s, size_t from, size_t to) {
  size_t b = from, e = to;
  while (b < e && IsBlank(s[b])) ++b;
  while (e > b && IsBlank(s[e - 1])) --e;
  return FromUtf8(s.data() + b, e - b);
}

std::wstring StripQuotes(const std::wstring& v) {
  if (v.size() >= 2 && (v.front() == L'"' || v.front() == L'\'') && v.back() == v.front())
    return v.substr(1, v.size() - 2);
  return v;
}

void AddOnce(std::vector<std::wstring>& names, const std::wstring& name) {
  for (const auto& n : names)
    if (EqualsNoCase(n, name)) return;
  names.push_back(name);
}

}  // namespace

IniDocument::IniDocument(const std::string& bytes) {
  size_t start = 0;
  if (bytes.compare(0, 3, "\xEF\xBB\xBF") == 0) {
    bom_ = bytes.substr(0, 3);
    start = 3;
  }
  bool endingSeen = false;
  while (start < bytes.size()) {
    size_t nl = bytes.find('\n', start);
    size_t end = nl == npos ? bytes.size() : nl;
    size_t textEnd = end;
    std::string ending;
    if (nl != npos) {
      ending = "\n";
      if (textEnd > start && bytes[textEnd - 1] == '\r') {
        --textEnd;
        ending = "\r\n";
      }
      if (!endingSeen) newline_ = ending;
      endingSeen = true;
    }
    lines_.push_back(parseLine(bytes.substr(start, textEnd - start), ending));
    start = nl == npos ? bytes.size() : nl + 1;
  }
}

IniDocument::Line IniDocument::parseLine(std::string text, std::string ending) {
  Line line;
  line.text = std::move(text);
  line.ending = std::move(ending);
  const std::string& t = line.text;
  size_t len = std::min(t.size(), t.find('\0'));
  size_t b = 0;
  while (b < len && IsBlank(t[b])) ++b;
  if (b == len) return line;
  if (t[b] == ';') {
    line.kind = Kind::Comment;
    return line;
  }
  if (t[b] == '[') {
    size_t close = t.find(']', b + 1);
    if (close != npos && close < len) {
      line.kind = Kind::Section;
      line.name = Decode(t, b + 1, close);
      return line;
    }
  }
  size_t eq = t.find('=', b);
  if (eq == npos || eq >= len) {
    line.value = Decode(t, b, len);
    return line;
  }
  line.kind = Kind::Key;
  line.name = Decode(t, b, eq);
  size_t v = eq + 1;
  while (v < len && IsBlank(t[v])) ++v;
  line.valueStart = v;
  line.value = Decode(t, v, len);
  return line;
}

IniDocument::Line IniDocument::makeLine(const std::string& utf8) const { return parseLine(utf8, newline_); }

std::string IniDocument::bytes() const {
  std::string out = bom_;
  for (const auto& l : lines_) out += l.text + l.ending;
  return out;
}

size_t IniDocument::findSection(const std::wstring& section) const {
  std::wstring want = TrimW(section);
  for (size_t i = 0; i < lines_.size(); ++i)
    if (lines_[i].kind == Kind::Section && EqualsNoCase(lines_[i].name, want)) return i;
  return npos;
}

size_t IniDocument::sectionEnd(size_t header) const {
  size_t i = header + 1;
  while (i < lines_.size() && lines_[i].kind != Kind::Section) ++i;
  return i;
}

bool IniDocument::hasSection(const std::wstring& section) const { return findSection(section) != npos; }

bool IniDocument::findValue(const std::wstring& section, const std::wstring& key, std::wstring& value,
                            bool stripQuotes) const {
  size_t h = findSection(section);
  if (h == npos) return false;
  std::wstring want = TrimW(key);
  for (size_t i = h + 1, e = sectionEnd(h); i < e; ++i) {
    if (lines_[i].kind != Kind::Key || !EqualsNoCase(lines_[i].name, want)) continue;
    value = stripQuotes ? StripQuotes(lines_[i].value) : lines_[i].value;
    return true;
  }
  return false;
}

std::vector<std::wstring> IniDocument::sectionNames() const {
  std::vector<std::wstring> names;
  for (const auto& l : lines_)
    if (l.kind == Kind::Section) AddOnce(names, l.name);
  return names;
}

std::vector<std::wstring> IniDocument::keyNames(const std::wstring& section) const {
  std::vector<std::wstring> names;
  size_t h = findSection(section);
  if (h == npos) return names;
  for (size_t i = h + 1, e = sectionEnd(h); i < e; ++i)
    if (lines_[i].kind == Kind::Key) AddOnce(names, lines_[i].name);
  return names;
}

std::vector<std::wstring> IniDocument::sectionEntries(const std::wstring& section) const {
  std::vector<std::wstring> entries;
  size_t h = findSection(section);
  if (h == npos) return entries;
  for (size_t i = h + 1, e = sectionEnd(h); i < e; ++i) {
    const Line& l = lines_[i];
    if (l.kind == Kind::Key) entries.push_back(l.name + L"=" + l.value);
    else if (l.kind == Kind::Other && !l.value.empty()) entries.push_back(l.value);
  }
  return entries;
}

void IniDocument::ensureEnding(size_t index) {
  if (index < lines_.size() && lines_[index].ending.empty()) lines_[index].ending = newline_;
}

void IniDocument::setValue(const std::wstring& section, const std::wstring& key, const std::wstring& value) {
  std::wstring k = TrimW(key);
  std::string v = ToUtf8(value);
  size_t h = findSection(section);
  if (h == npos) {
    if (!lines_.empty()) ensureEnding(lines_.size() - 1);
    lines_.push_back(makeLine("[" + ToUtf8(TrimW(section)) + "]"));
    lines_.push_back(makeLine(ToUtf8(k) + "=" + v));
    return;
  }
  size_t e = sectionEnd(h), lastKey = h;
  for (size_t i = h + 1; i < e; ++i) {
    Line& l = lines_[i];
    if (l.kind != Kind::Key) continue;
    lastKey = i;
    if (!EqualsNoCase(l.name, k)) continue;
    l = parseLine(l.text.substr(0, l.valueStart) + v, l.ending);
    return;
  }
  ensureEnding(lastKey);
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(lastKey + 1), makeLine(ToUtf8(k) + "=" + v));
}

void IniDocument::deleteKey(const std::wstring& section, const std::wstring& key) {
  size_t h = findSection(section);
  if (h == npos) return;
  std::wstring k = TrimW(key);
  size_t e = sectionEnd(h);
  for (size_t i = e; i-- > h + 1;)
    if (lines_[i].kind == Kind::Key && EqualsNoCase(lines_[i].name, k))
      lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(i));
}

void IniDocument::deleteSection(const std::wstring& section) {
  for (size_t h = findSection(section); h != npos; h = findSection(section))
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(h),
                 lines_.begin() + static_cast<std::ptrdiff_t>(sectionEnd(h)));
}

void IniDocument::replaceSection(const std::wstring& section, const std::vector<std::wstring>& entries) {
  size_t h = findSection(section);
  if (h == npos) {
    if (!lines_.empty()) ensureEnding(lines_.size() - 1);
    h = lines_.size();
    lines_.push_back(makeLine("[" + ToUtf8(TrimW(section)) + "]"));
  } else {
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(h + 1),
                 lines_.begin() + static_cast<std::ptrdiff_t>(sectionEnd(h)));
    ensureEnding(h);
  }
  std::vector<Line> added;
  for (const auto& entry : entries) added.push_back(makeLine(ToUtf8(entry)));
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(h + 1), added.begin(), added.end());
}

}  // namespace zhost
