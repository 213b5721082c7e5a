// SETVAR: asks for a variable name, shows its value and takes a new one of the same kind.
#include "host/ed/SetvarCommand.h"

#include <cstdlib>
#include <cwchar>
#include <string>

#include "host/ed/CommandLine.h"
#include "host/ed/CommandProcessor.h"
#include "host/ed/SysVars.h"
#include "host/ed/UpperCase.h"
#include "host/win/WideFormat.h"

namespace zhost {

namespace {

std::wstring Trim(const std::wstring& s) {
  size_t b = s.find_first_not_of(L" \t");
  if (b == std::wstring::npos) return L"";
  return s.substr(b, s.find_last_not_of(L" \t") - b + 1);
}

std::wstring ValueText(const resbuf& value) {
  switch (value.restype) {
    case RTSHORT: return std::to_wstring(value.resval.rint);
    case RTLONG: return std::to_wstring(value.resval.rlong);
    case RTREAL: return FormatWide(L"%.4f", value.resval.rreal);
    case RTSTR: return L"\"" + std::wstring(value.resval.rstring ? value.resval.rstring : L"") + L"\"";
    case RTPOINT:
    case RT3DPOINT:
      return FormatWide(L"%.4f,%.4f,%.4f", value.resval.rpoint[0], value.resval.rpoint[1], value.resval.rpoint[2]);
    default: return L"";
  }
}

// The whole text as a number; false for anything else (trailing letters included).
bool ParseLong(const std::wstring& text, long& out) {
  if (text.empty()) return false;
  wchar_t* end = nullptr;
  long v = std::wcstol(text.c_str(), &end, 10);
  if (*end != L'\0') return false;
  out = v;
  return true;
}

bool ParseReal(const std::wstring& text, double& out) {
  if (text.empty()) return false;
  wchar_t* end = nullptr;
  double v = std::wcstod(text.c_str(), &end);
  if (*end != L'\0') return false;
  out = v;
  return true;
}

bool ParsePoint(const std::wstring& text, double pt[3]) {
  pt[0] = pt[1] = pt[2] = 0.0;
  size_t start = 0;
  for (int i = 0; i < 3; ++i) {
    size_t comma = text.find(L',', start);
    std::wstring part = Trim(text.substr(start, comma == std::wstring::npos ? std::wstring::npos : comma - start));
    if (!ParseReal(part, pt[i])) return false;
    if (comma == std::wstring::npos) return i >= 1;
    start = comma + 1;
  }
  return false;
}

// The typed text as a value of the variable's kind; false (with the reason) when it is not one.
bool ParseValue(short type, const std::wstring& text, resbuf& value, std::wstring& storage, std::wstring& reason) {
  value.restype = type;
  value.rbnext = nullptr;
  long l = 0;
  double r = 0;
  switch (type) {
    case RTSHORT:
      if (!ParseLong(text, l) || l < -32768 || l > 32767) {
        reason = L"an integer value";
        return false;
      }
      value.resval.rint = static_cast<short>(l);
      return true;
    case RTLONG:
      if (!ParseLong(text, l)) {
        reason = L"an integer value";
        return false;
      }
      value.resval.rlong = static_cast<int>(l);
      return true;
    case RTREAL:
      if (!ParseReal(text, r)) {
        reason = L"a number";
        return false;
      }
      value.resval.rreal = r;
      return true;
    case RTSTR:
      storage = text;
      if (storage.size() >= 2 && storage.front() == L'"' && storage.back() == L'"')
        storage = storage.substr(1, storage.size() - 2);
      value.resval.rstring = &storage[0];
      return true;
    case RTPOINT:
    case RT3DPOINT:
      if (!ParsePoint(text, value.resval.rpoint)) {
        reason = L"a point (x,y or x,y,z)";
        return false;
      }
      return true;
    default:
      reason = L"a value this command cannot type";
      return false;
  }
}

void FreeValue(resbuf& value) {
  if (value.restype == RTSTR && value.resval.rstring) std::free(value.resval.rstring);
  value.resval.rstring = nullptr;
}

void SetVar() {
  CommandProcessor& input = CommandProcessor::instance();
  std::wstring name;
  if (input.getInput(L"Enter variable name: ", name) != RTNORM) return;
  name = UpperCase(Trim(name));
  if (name.empty()) return;
  resbuf current{};
  if (acedGetVar(name.c_str(), &current) != RTNORM) {
    PrintLine(L"Unknown variable name \"" + name + L"\".");
    return;
  }
  short type = current.restype;
  std::wstring shown = ValueText(current);
  std::wstring text;
  int rc = input.getInput(L"Enter new value for " + name + L" <" + shown + L">: ", text);
  text = Trim(text);
  if (rc != RTNORM || text.empty()) {
    FreeValue(current);
    return;
  }
  resbuf wanted{};
  std::wstring storage, reason;
  if (!ParseValue(type, text, wanted, storage, reason)) {
    PrintLine(name + L" needs " + reason + L"; it keeps " + shown + L".");
    FreeValue(current);
    return;
  }
  if (acedSetVar(name.c_str(), &wanted) != RTNORM) {
    // Setting the value it has tells a read-only variable from a refused value.
    bool readOnly = acedSetVar(name.c_str(), &current) != RTNORM;
    PrintLine(readOnly ? name + L" is read-only; it keeps " + shown + L"."
                       : L"The value " + text + L" is not valid for " + name + L"; it keeps " + shown + L".");
  }
  FreeValue(current);
}

}  // namespace

void RegisterSetvarCommand() { CommandProcessor::instance().addBuiltin(L"SETVAR", SetVar); }

}  // namespace zhost
