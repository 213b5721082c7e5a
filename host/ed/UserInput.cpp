// acedInitGet and the acedGet* prompts over the command processor's input.
#include "host/ed/UserInput.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <functional>

#include "host/ed/ClickFeed.h"
#include "host/ed/CommandLine.h"
#include "host/ed/CommandProcessor.h"
#include "host/ed/SysVars.h"
#include "host/ed/UcsTransform.h"
#include "host/ed/UpperCase.h"

namespace zhost {

namespace {

const double kPi = 3.14159265358979323846;

struct InitGetState {
  int bits = 0;
  KeywordList keywords;
};

InitGetState& PendingInitGet() {
  static InitGetState state;
  return state;
}

std::wstring& LastKeyword() {
  static std::wstring keyword;
  return keyword;
}

std::wstring Trim(const std::wstring& s) {
  size_t b = s.find_first_not_of(L" \t\r\n");
  if (b == std::wstring::npos) return L"";
  size_t e = s.find_last_not_of(L" \t\r\n");
  return s.substr(b, e - b + 1);
}

std::vector<std::wstring> Split(const std::wstring& text, wchar_t separator) {
  std::vector<std::wstring> parts;
  size_t start = 0;
  for (;;) {
    size_t cut = text.find(separator, start);
    parts.push_back(text.substr(start, cut == std::wstring::npos ? std::wstring::npos : cut - start));
    if (cut == std::wstring::npos) return parts;
    start = cut + 1;
  }
}

// A reader's result for a click that a message filter took: the prompt waits for the next input.
const int kSwallowed = -10000;

// What one prompt asks for: how to read an answer and which checks apply.
struct Request {
  std::wstring prompt;
  int bits = 0;
  KeywordList keywords;
  // RTNORM: accepted; RTREJ: refused (the reader printed why, ask again).
  std::function<int(const std::wstring& answer)> read;
};

// The shared loop: Enter, cancel, keywords, RSG_OTHER and asking again.
int Ask(const Request& request) {
  for (;;) {
    std::wstring line;
    int status = CommandProcessor::instance().getInput(request.prompt, line);
    // The end of the input ends the command as a cancel would.
    if (status != RTNORM) return RTCAN;
    std::wstring answer = Trim(line);
    if (answer.empty()) {
      if (request.bits & RSG_NONULL) continue;
      return RTNONE;
    }
    std::wstring keyword = request.keywords.match(answer);
    if (!keyword.empty()) {
      LastKeyword() = keyword;
      return RTKWORD;
    }
    int read = request.read(answer);
    if (read == kSwallowed) continue;
    if (read != RTREJ) return read;
    if (request.bits & RSG_OTHER) {
      LastKeyword() = answer;
      return RTKWORD;
    }
  }
}

int Refuse(const std::wstring& message) {
  PrintLine(message);
  return RTREJ;
}

// The zero and negative checks of acedInitGet for a number.
int CheckNumber(double value, int bits) {
  bool noZero = (bits & RSG_NOZERO) && value == 0.0;
  bool noNeg = (bits & RSG_NONEG) && value < 0.0;
  if ((bits & RSG_NOZERO) && (bits & RSG_NONEG) && (noZero || noNeg)) return Refuse(L"Value must be positive and nonzero.");
  if (noZero) return Refuse(L"Value must be nonzero.");
  if (noNeg) return Refuse(L"Value must be positive.");
  return RTNORM;
}

std::wstring PromptOf(const ACHAR* prompt, const wchar_t* fallback) {
  return prompt ? std::wstring(prompt) : std::wstring(fallback);
}

void Copy(ads_point to, const ads_point from) {
  for (int i = 0; i < 3; ++i) to[i] = from[i];
}

int GetPointLike(const ads_point base, const std::wstring& prompt, ads_point result) {
  int bits = 0;
  KeywordList keywords;
  TakeInitGet(bits, keywords);
  ads_point picked = {0, 0, 0};
  Request request{prompt, bits, keywords, [&](const std::wstring& answer) {
                    if (!ParsePoint(answer, picked)) return Refuse(L"Invalid point.");
                    if (FeedLeftClick(UcsToWorld(AcGePoint3d(picked[0], picked[1], picked[2])))) return kSwallowed;
                    return RTNORM;
                  }};
  (void)base;  // the base point only drags a rubber band on a screen
  int status = Ask(request);
  if (status != RTNORM) return status;
  Copy(result, picked);
  SetLastPoint(picked);
  return RTNORM;
}

// Capital letters mark a keyword's abbreviation (ASCII and Latin-1 capitals).
bool IsCapital(wchar_t c) { return (c >= L'A' && c <= L'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7); }

double NormalizeAngle(double a) {
  a = std::fmod(a, 2 * kPi);
  if (a < 0) a += 2 * kPi;
  return a;
}

int GetAngleLike(const ads_point base, const ACHAR* prompt, ads_real* result) {
  if (!result) return RTERROR;
  int bits = 0;
  KeywordList keywords;
  TakeInitGet(bits, keywords);
  double value = 0;
  bool byPoint = false;
  ads_point picked = {0, 0, 0};
  Request request{PromptOf(prompt, L""), bits, keywords, [&](const std::wstring& answer) {
                    double degrees = 0;
                    if (ParseReal(answer, degrees)) {
                      value = NormalizeAngle(degrees * kPi / 180.0);
                      return RTNORM;
                    }
                    if (ParsePoint(answer, picked)) {
                      byPoint = true;
                      return RTNORM;
                    }
                    return Refuse(L"Requires numeric angle or second point.");
                  }};
  int status = Ask(request);
  if (status != RTNORM) return status;
  if (byPoint) {
    SetLastPoint(picked);
    ads_point from = {0, 0, 0}, to = {0, 0, 0};
    if (base) {
      Copy(from, base);
      Copy(to, picked);
    } else {
      Copy(from, picked);
      status = acedGetPoint(from, L"Specify second point: ", to);
      if (status != RTNORM) return status;
    }
    value = NormalizeAngle(std::atan2(to[1] - from[1], to[0] - from[0]));
  }
  *result = value;
  return RTNORM;
}

int CopyOut(const std::wstring& text, ACHAR* result, size_t bufLen) {
  if (!result || bufLen == 0) return RTERROR;
  if (text.size() + 1 > bufLen) {
    result[0] = L'\0';
    return RTERROR;
  }
  std::wmemcpy(result, text.c_str(), text.size() + 1);
  return RTNORM;
}

const size_t kDefaultBuffer = 132;

}  // namespace

KeywordList::KeywordList(const std::wstring& text) {
  bool global = false;
  for (const std::wstring& token : Split(text, L' ')) {
    std::wstring word = Trim(token);
    if (word.empty()) continue;
    if (word == L"_") {
      global = true;
      continue;
    }
    if (!global && word[0] == L'_') {
      global = true;
      word.erase(0, 1);
    }
    (global ? global_ : local_).push_back(Parse(word));
  }
}

KeywordList::Keyword KeywordList::Parse(const std::wstring& token) {
  size_t comma = token.find(L',');
  if (comma == std::wstring::npos || comma == 0) return {token, L""};
  return {token.substr(0, comma), token.substr(comma + 1)};
}

bool KeywordList::Matches(const Keyword& kw, const std::wstring& answer) {
  const std::wstring& keyword = kw.name;
  if (answer.empty()) return false;
  if (!kw.abbreviation.empty()) {
    if (SameUpper(kw.abbreviation, answer)) return true;
    return answer.size() >= kw.abbreviation.size() && answer.size() <= keyword.size() &&
           SameUpper(keyword.substr(0, answer.size()), answer);
  }
  if (answer.size() > keyword.size()) return false;
  if (!SameUpper(keyword.substr(0, answer.size()), answer)) {
    // The abbreviation alone ("X" for "eXit") also answers.
    std::wstring abbreviation;
    for (wchar_t c : keyword)
      if (IsCapital(c)) abbreviation += c;
    return !abbreviation.empty() && SameUpper(abbreviation, answer);
  }
  // Up to the last capital letter is required; without capitals the whole word.
  size_t required = keyword.size();
  for (size_t i = keyword.size(); i-- > 0;) {
    if (IsCapital(keyword[i])) {
      required = i + 1;
      break;
    }
  }
  return answer.size() >= required;
}

int KeywordList::index(const std::wstring& answer) const {
  std::wstring text = Trim(answer);
  if (text.empty()) return 0;
  if (text[0] == L'_') {
    std::wstring bare = text.substr(1);
    for (size_t i = 0; i < global_.size(); ++i)
      if (Matches(global_[i], bare)) return static_cast<int>(i) + 1;
    text = bare;
  }
  for (size_t i = 0; i < local_.size(); ++i)
    if (Matches(local_[i], text)) return static_cast<int>(i) + 1;
  return 0;
}

std::wstring KeywordList::match(const std::wstring& answer) const {
  int place = index(answer);
  if (place == 0) return L"";
  size_t i = static_cast<size_t>(place - 1);
  if (i < local_.size()) return local_[i].name;
  return i < global_.size() ? global_[i].name : L"";
}

bool ParseReal(const std::wstring& text, double& value) {
  std::wstring t = Trim(text);
  if (!t.empty() && t[0] == L'+') t.erase(0, 1);
  if (t.empty()) return false;
  std::string narrow;
  for (wchar_t c : t) {
    if (c > 127) return false;
    narrow += static_cast<char>(c);
  }
  const char* end = narrow.data() + narrow.size();
  auto parsed = std::from_chars(narrow.data(), end, value);
  return parsed.ec == std::errc() && parsed.ptr == end && std::isfinite(value);
}

bool ParsePoint(const std::wstring& text, ads_point result) {
  std::wstring t = Trim(text);
  if (t.empty()) return false;
  ads_point origin = {0, 0, 0};
  if (t[0] == L'@') {
    GetLastPoint(origin);
    t = Trim(t.substr(1));
    if (t.empty()) {
      Copy(result, origin);
      return true;
    }
  }
  size_t polar = t.find(L'<');
  if (polar != std::wstring::npos) {
    double dist = 0, degrees = 0;
    if (!ParseReal(t.substr(0, polar), dist) || !ParseReal(t.substr(polar + 1), degrees)) return false;
    double a = degrees * kPi / 180.0;
    result[0] = origin[0] + dist * std::cos(a);
    result[1] = origin[1] + dist * std::sin(a);
    result[2] = origin[2];
    return true;
  }
  std::vector<std::wstring> parts = Split(t, L',');
  if (parts.size() != 2 && parts.size() != 3) return false;
  double v[3] = {0, 0, 0};
  for (size_t i = 0; i < parts.size(); ++i)
    if (!ParseReal(parts[i], v[i])) return false;
  for (int i = 0; i < 3; ++i) result[i] = origin[i] + v[i];
  return true;
}

void SetLastPoint(const ads_point pt) {
  SysVarValue v;
  v.type = RT3DPOINT;
  for (int i = 0; i < 3; ++i) v.p[i] = pt[i];
  SysVars::instance().setInternal(L"LASTPOINT", v);
}

void GetLastPoint(ads_point pt) {
  SysVarValue v;
  SysVars::instance().get(L"LASTPOINT", v);
  for (int i = 0; i < 3; ++i) pt[i] = v.p[i];
}

void TakeInitGet(int& bits, KeywordList& keywords) {
  InitGetState& state = PendingInitGet();
  bits = state.bits;
  keywords = state.keywords;
  state = InitGetState();
}

void SetLastKeyword(const std::wstring& keyword) { LastKeyword() = keyword; }

}  // namespace zhost

int acedInitGet(int val, const ACHAR* kwl) {
  zhost::InitGetState& state = zhost::PendingInitGet();
  state.bits = val;
  state.keywords = zhost::KeywordList(kwl ? kwl : L"");
  return RTNORM;
}

int acedGetPoint(const ads_point pt, const ACHAR* prompt, ads_point result) {
  if (!result) return RTERROR;
  return zhost::GetPointLike(pt, zhost::PromptOf(prompt, L"Specify point: "), result);
}

int acedGetCorner(const ads_point pt, const ACHAR* prompt, ads_point result) {
  if (!pt || !result) return RTERROR;
  return zhost::GetPointLike(pt, zhost::PromptOf(prompt, L"Specify opposite corner: "), result);
}

int acedGetDist(const ads_point pt, const ACHAR* prompt, ads_real* result) {
  using namespace zhost;
  if (!result) return RTERROR;
  int bits = 0;
  KeywordList keywords;
  TakeInitGet(bits, keywords);
  double value = 0;
  bool byPoint = false;
  ads_point picked = {0, 0, 0};
  Request request{PromptOf(prompt, L""), bits, keywords, [&](const std::wstring& answer) {
                    if (ParseReal(answer, value)) return CheckNumber(value, bits);
                    if (ParsePoint(answer, picked)) {
                      byPoint = true;
                      return RTNORM;
                    }
                    return Refuse(L"Requires numeric distance or two points.");
                  }};
  int status = Ask(request);
  if (status != RTNORM) return status;
  if (byPoint) {
    SetLastPoint(picked);
    ads_point from = {0, 0, 0}, to = {0, 0, 0};
    if (pt) {
      Copy(from, pt);
      Copy(to, picked);
    } else {
      Copy(from, picked);
      status = acedGetPoint(from, L"Specify second point: ", to);
      if (status != RTNORM) return status;
    }
    double dz = (bits & RSG_2D) ? 0.0 : to[2] - from[2];
    value = std::sqrt((to[0] - from[0]) * (to[0] - from[0]) + (to[1] - from[1]) * (to[1] - from[1]) + dz * dz);
  }
  *result = value;
  return RTNORM;
}

int acedGetAngle(const ads_point pt, const ACHAR* prompt, ads_real* result) {
  return zhost::GetAngleLike(pt, prompt, result);
}

int acedGetOrient(const ads_point pt, const ACHAR* prompt, ads_real* result) {
  return zhost::GetAngleLike(pt, prompt, result);
}

int acedGetReal(const ACHAR* prompt, ads_real* result) {
  using namespace zhost;
  if (!result) return RTERROR;
  int bits = 0;
  KeywordList keywords;
  TakeInitGet(bits, keywords);
  double value = 0;
  Request request{PromptOf(prompt, L""), bits, keywords, [&](const std::wstring& answer) {
                    if (!ParseReal(answer, value)) return Refuse(L"Requires numeric value.");
                    return CheckNumber(value, bits);
                  }};
  int status = Ask(request);
  if (status == RTNORM) *result = value;
  return status;
}

int acedGetInt(const ACHAR* prompt, int* result) {
  using namespace zhost;
  if (!result) return RTERROR;
  int bits = 0;
  KeywordList keywords;
  TakeInitGet(bits, keywords);
  double value = 0;
  Request request{PromptOf(prompt, L""), bits, keywords, [&](const std::wstring& answer) {
                    if (!ParseReal(answer, value)) return Refuse(L"Requires numeric value.");
                    if (value != std::floor(value)) return Refuse(L"Requires an integer value.");
                    if (value < -32768 || value > 32767) return Refuse(L"Requires an integer between -32768 and 32767.");
                    return CheckNumber(value, bits);
                  }};
  int status = Ask(request);
  if (status == RTNORM) *result = static_cast<int>(value);
  return status;
}

int acedGetString(int cronly, const ACHAR* prompt, ACHAR* result) {
  return acedGetString(cronly, prompt, result, zhost::kDefaultBuffer);
}

int acedGetString(int cronly, const ACHAR* prompt, ACHAR* result, size_t bufLen) {
  using namespace zhost;
  if (!result || bufLen == 0) return RTERROR;
  int bits = 0;
  KeywordList keywords;
  TakeInitGet(bits, keywords);
  std::wstring line;
  if (CommandProcessor::instance().getInput(PromptOf(prompt, L""), line) != RTNORM) return RTCAN;
  if (!cronly) {
    std::wstring text = Trim(line);
    size_t blank = text.find_first_of(L" \t");
    if (blank != std::wstring::npos) {
      std::wstring rest = Trim(text.substr(blank));
      if (!rest.empty()) CommandProcessor::instance().pushInput(rest);
      text = text.substr(0, blank);
    }
    line = text;
  }
  return CopyOut(line, result, bufLen);
}

int acedGetKword(const ACHAR* prompt, ACHAR* result) { return acedGetKword(prompt, result, zhost::kDefaultBuffer); }

int acedGetKword(const ACHAR* prompt, ACHAR* result, size_t bufLen) {
  using namespace zhost;
  if (!result || bufLen == 0) return RTERROR;
  int bits = 0;
  KeywordList keywords;
  TakeInitGet(bits, keywords);
  if (keywords.empty() && !(bits & RSG_OTHER)) return RTERROR;
  Request request{PromptOf(prompt, L""), bits, keywords,
                  [](const std::wstring&) { return Refuse(L"Invalid option keyword."); }};
  int status = Ask(request);
  if (status == RTNONE) {
    result[0] = L'\0';
    return RTNONE;
  }
  if (status != RTKWORD) return status;
  return CopyOut(LastKeyword(), result, bufLen);
}

int acedGetInput(ACHAR* str) { return acedGetInput(str, zhost::kDefaultBuffer); }

int acedGetInput(ACHAR* str, size_t bufLen) { return zhost::CopyOut(zhost::LastKeyword(), str, bufLen); }
