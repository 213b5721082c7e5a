// The host's deterministic font metrics: character advances as fractions of the text height, one
// table for the line fonts (shape files, and texts without a font) and one for TrueType fonts,
// and the expansion of the "%%" control codes of single-line texts. The same text, font kind
// and height give the same width on every machine; no font file is ever read.
//
// Line fonts are monospace-like: 0.6 of the height for digits, letters and most signs, 0.3 for
// the narrow characters (i j l I ! | . , : ; ' `), 0.8 for the wide ones (M W m w @ %), 1.0 for
// CJK ideographs. TrueType fonts take the proportional advances of a common sans-serif face
// (thousandths of the em), with the text height as the face's cap height of 0.72 em.
#pragma once

#include <string>

namespace zhost {

// The advance of one character as a fraction of the text height.
double LineFontAdvance(wchar_t c);
double TrueTypeAdvance(wchar_t c);

// The width of a text at height 1 and width factor 1 (the characters as given, no codes).
double TextAdvance(const std::wstring& text, bool trueType);

// "%%d" degree sign, "%%p" plus-minus, "%%c" diameter sign, "%%%" percent, "%%nnn" the
// character with that decimal code; "%%u" and "%%o" (underline and overline switches) leave
// nothing. Anything else stays as written.
std::wstring ExpandTextCodes(const std::wstring& text);

// Whether a style with this font file and typeface draws with a TrueType font: a typeface, or
// a font file ending in .ttf, .ttc or .otf.
bool IsTrueTypeFont(const std::wstring& fileName, const std::wstring& typeface);

}  // namespace zhost
