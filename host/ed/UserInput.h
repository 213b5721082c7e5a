// User input at a prompt: acedInitGet (control bits and keywords for the next input call) and the
// acedGet* functions. Every answer comes from the command processor's input (the running
// script); a wrong answer prints the reason and asks again; Enter gives RTNONE (unless
// RSG_NONULL), a cancel RTCAN, a keyword RTKWORD (acedGetInput gives it). Points update
// LASTPOINT. Angles are typed in degrees and returned in radians.
#pragma once

#include <string>
#include <vector>

#include "host/rx/ads.h"

#define RSG_NONULL 0x0001
#define RSG_NOZERO 0x0002
#define RSG_NONEG 0x0004
#define RSG_NOLIM 0x0008
#define RSG_GETZ 0x0010
#define RSG_DASH 0x0020
#define RSG_2D 0x0040
#define RSG_OTHER 0x0080
#define RSG_DDISTFIRST 0x0100
#define RSG_TRACKUCS 0x0200
#define RSG_NOORTHOZ 0x0400
#define RSG_NOOSNAP 0x0800
#define RSG_NODDIST 0x1000

// keywords: blank-separated; a keyword's upper-case letters are its abbreviation ("eXit" is
// answered by "x", "ex", "exi" or "exit"), or the abbreviation follows a comma ("LTYPE,LT" is
// answered by "lt", "lty" ... "ltype"). A "_" token starts the global names, which answer as
// the local keyword at the same place. Both apply to the next input call only.
int acedInitGet(int val, const ACHAR* kwl);
int acedGetPoint(const ads_point pt, const ACHAR* prompt, ads_point result);
// A point with a base point (the other corner of a box).
int acedGetCorner(const ads_point pt, const ACHAR* prompt, ads_point result);
// A number or a point (the distance from pt, or from a first point when pt is null).
int acedGetDist(const ads_point pt, const ACHAR* prompt, ads_real* result);
int acedGetAngle(const ads_point pt, const ACHAR* prompt, ads_real* result);
int acedGetOrient(const ads_point pt, const ACHAR* prompt, ads_real* result);
int acedGetReal(const ACHAR* prompt, ads_real* result);
// Integers from -32768 to 32767.
int acedGetInt(const ACHAR* prompt, int* result);
// cronly 0: the answer ends at a blank (the rest is the next input); otherwise the whole line.
// The result buffer holds bufLen characters with the terminating zero (132 when not given); a
// longer answer is refused with RTERROR, nothing written past the buffer.
int acedGetString(int cronly, const ACHAR* prompt, ACHAR* result);
int acedGetString(int cronly, const ACHAR* prompt, ACHAR* result, size_t bufLen);
int acedGetKword(const ACHAR* prompt, ACHAR* result);
int acedGetKword(const ACHAR* prompt, ACHAR* result, size_t bufLen);
// The keyword (or, with RSG_OTHER, the text) of the last RTKWORD answer.
int acedGetInput(ACHAR* str);
int acedGetInput(ACHAR* str, size_t bufLen);

namespace zhost {

// The keyword list of an acedInitGet call.
class KeywordList {
 public:
  KeywordList() = default;
  explicit KeywordList(const std::wstring& text);
  bool empty() const { return local_.empty(); }
  // The local keyword the answer names, or "" when none.
  std::wstring match(const std::wstring& answer) const;
  // The place (1 for the first local keyword) of the keyword the answer names, 0 when none.
  int index(const std::wstring& answer) const;

 private:
  struct Keyword {
    std::wstring name, abbreviation;  // abbreviation: the part after a comma, if any
  };
  static Keyword Parse(const std::wstring& token);
  static bool Matches(const Keyword& keyword, const std::wstring& answer);
  std::vector<Keyword> local_, global_;
};

// Parses "x,y", "x,y,z" or "@dx,dy[,dz]" / "@" (relative to LASTPOINT). False otherwise.
bool ParsePoint(const std::wstring& text, ads_point result);
// A whole-text number in the C locale.
bool ParseReal(const std::wstring& text, double& value);
void SetLastPoint(const ads_point pt);
void GetLastPoint(ads_point pt);
// Takes (and clears) the bits and keywords of the last acedInitGet.
void TakeInitGet(int& bits, KeywordList& keywords);
// Remembers the answer acedGetInput returns.
void SetLastKeyword(const std::wstring& keyword);

}  // namespace zhost
