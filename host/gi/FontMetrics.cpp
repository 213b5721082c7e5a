// The advance tables of the line fonts and the TrueType fonts, and the text control codes.
#include "host/gi/FontMetrics.h"

#include <cwctype>

#include <cwchar>

namespace zhost {

namespace {

const double kCapHeightEm = 0.72;

// Sans-serif advances in thousandths of the em for the printable ASCII range 32..126.
const short kSansAdvance[95] = {
    278, 278, 355, 556, 556, 889, 667, 191, 333, 333, 389, 584, 278, 333, 278, 278,  // ' ' .. '/'
    556, 556, 556, 556, 556, 556, 556, 556, 556, 556,                                // '0' .. '9'
    278, 278, 584, 584, 584, 556, 1015,                                              // ':' .. '@'
    667, 667, 722, 722, 667, 611, 778, 722, 278, 500, 667, 556, 833,                 // 'A' .. 'M'
    722, 778, 667, 778, 722, 667, 611, 722, 667, 944, 667, 667, 611,                 // 'N' .. 'Z'
    278, 278, 278, 469, 556, 333,                                                    // '[' .. '`'
    556, 556, 500, 556, 556, 278, 556, 556, 222, 222, 500, 222, 833,                 // 'a' .. 'm'
    556, 556, 556, 556, 333, 500, 278, 556, 500, 722, 500, 500, 500,                 // 'n' .. 'z'
    334, 260, 334, 584,                                                              // '{' .. '~'
};

// Latin letters with diacritics measure as their base letter.
wchar_t BaseLetter(wchar_t c) {
  static const wchar_t kFrom[] = L"ÀÁÂÃÄÅÈÉÊËÌÍÎÏÑÒÓÔÕÖÙÚÛÜÝàáâãäåèéêëìíîïñòóôõöùúûüýÿ";
  static const wchar_t kTo[] = L"AAAAAAEEEEIIIINOOOOOUUUUYaaaaaaeeeeiiiinooooouuuuyy";
  for (size_t i = 0; kFrom[i]; ++i)
    if (kFrom[i] == c) return kTo[i];
  return c;
}

bool IsIdeograph(wchar_t c) { return c >= 0x2E80 && c <= 0xFFEF && !(c >= 0xD800 && c <= 0xDFFF); }

}  // namespace

double LineFontAdvance(wchar_t c) {
  c = BaseLetter(c);
  if (IsIdeograph(c)) return 1.0;
  switch (c) {
    case L'i': case L'j': case L'l': case L'I': case L'!': case L'|':
    case L'.': case L',': case L':': case L';': case L'\'': case L'`':
      return 0.3;
    case L'M': case L'W': case L'm': case L'w': case L'@': case L'%':
      return 0.8;
    default:
      return 0.6;
  }
}

double TrueTypeAdvance(wchar_t c) {
  c = BaseLetter(c);
  if (IsIdeograph(c)) return 1.0 / kCapHeightEm;
  int em = 556;
  if (c >= 32 && c <= 126) em = kSansAdvance[c - 32];
  else if (c == L'ß') em = 611;
  else if (c == L'°') em = 400;
  else if (c == L'±') em = 584;
  else if (c == L'Ø' || c == L'\u2205') em = 778;
  else if (c == L'²' || c == L'³') em = 333;
  return em / 1000.0 / kCapHeightEm;
}

double TextAdvance(const std::wstring& text, bool trueType) {
  double width = 0;
  for (wchar_t c : text) width += trueType ? TrueTypeAdvance(c) : LineFontAdvance(c);
  return width;
}

std::wstring ExpandTextCodes(const std::wstring& text) {
  std::wstring out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text.compare(i, 2, L"%%") != 0 || i + 2 >= text.size()) {
      out += text[i];
      continue;
    }
    wchar_t code = static_cast<wchar_t>(std::towlower(text[i + 2]));
    if (code == L'd') out += L'\u00B0';
    else if (code == L'p') out += L'\u00B1';
    else if (code == L'c') out += L'\u2205';
    else if (code == L'%') out += L'%';
    else if (code == L'u' || code == L'o') {
    } else if (std::iswdigit(code)) {
      size_t end = i + 2;
      int value = 0;
      while (end < text.size() && end < i + 5 && std::iswdigit(text[end])) value = value * 10 + (text[end++] - L'0');
      if (value > 0) out += static_cast<wchar_t>(value);
      i = end - 1;
      continue;
    } else {
      out += text[i];
      continue;
    }
    i += 2;
  }
  return out;
}

bool IsTrueTypeFont(const std::wstring& fileName, const std::wstring& typeface) {
  if (!typeface.empty()) return true;
  std::wstring lower = fileName;
  for (wchar_t& c : lower) c = static_cast<wchar_t>(std::towlower(c));
  for (const wchar_t* ext : {L".ttf", L".ttc", L".otf"}) {
    size_t n = wcslen(ext);
    if (lower.size() >= n && lower.compare(lower.size() - n, n, ext) == 0) return true;
  }
  return false;
}

}  // namespace zhost
