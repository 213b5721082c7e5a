// The system-variable table and the ADS functions over it.
#include "host/ed/SysVars.h"

#include "host/ed/DrawingVariables.h"
#include "host/ed/CommandProcessor.h"
#include "host/ed/UpperCase.h"
#include "host/rx/AcRxDynamicLinker.h"
#include "host/win/Console.h"

namespace zhost {

namespace {

bool IsIntType(short type) { return type == RTSHORT || type == RTLONG; }
bool IsPointType(short type) { return type == RTPOINT || type == RT3DPOINT; }

// The user's choice of SDI (0 or 1); while an application that is not MDI-aware is loaded,
// the host is single-drawing and SDI reads 2 (or 3 when the user chose 1).
int& UserSdi() {
  static int sdi = 0;
  return sdi;
}

}  // namespace

SysVars& SysVars::instance() {
  static SysVars vars;
  return vars;
}

SysVars::SysVars() {
  defineComputed(L"CMDNAMES", RTSTR, [] { return SysVarValue::Text(CommandProcessor::instance().activeCommandNames()); });
  defineComputed(
      L"SDI", RTSHORT,
      [] {
        AcRxDynamicLinker* linker = Linker();
        bool forced = linker && linker->anyNotMdiAware();
        return SysVarValue::Int(forced ? 2 + UserSdi() : UserSdi());
      },
      [](const SysVarValue& v) {
        AcRxDynamicLinker* linker = Linker();
        if (v.i != 0 && v.i != 1) return RTERROR;
        if (linker && linker->anyNotMdiAware()) {
          Console::instance().print(L"\nSDI cannot change while an application that is not MDI-aware is loaded.");
          return RTERROR;
        }
        UserSdi() = static_cast<int>(v.i);
        return RTNORM;
      });
  define(L"TILEMODE", SysVarValue::Int(1), false, [](const SysVarValue& v) { return v.i == 0 || v.i == 1; });
  define(L"CVPORT", SysVarValue::Int(2), false, [](const SysVarValue& v) { return v.i >= 1 && v.i <= 32767; });
  define(L"CMDECHO", SysVarValue::Int(1), false, [](const SysVarValue& v) { return v.i == 0 || v.i == 1; });
  define(L"FILEDIA", SysVarValue::Int(1), false, [](const SysVarValue& v) { return v.i == 0 || v.i == 1; });
  define(L"PICKFIRST", SysVarValue::Int(1), false, [](const SysVarValue& v) { return v.i == 0 || v.i == 1; });
  define(L"ERRNO", SysVarValue::Int(0));
  define(L"LASTPOINT", SysVarValue::Point(0, 0, 0));
  // The pick box is in drawing units here (no screen to measure pixels on).
  define(L"PICKBOX", SysVarValue::Int(3), false, [](const SysVarValue& v) { return v.i >= 0 && v.i <= 50; });
  define(L"APERTURE", SysVarValue::Int(10), false, [](const SysVarValue& v) { return v.i >= 1 && v.i <= 50; });
  DefineDrawingVariables(*this);
}

void SysVars::define(const std::wstring& name, const SysVarValue& initial, bool readOnly,
                     std::function<bool(const SysVarValue&)> validate) {
  vars_[UpperCase(name)] = Entry{initial.type, readOnly, initial, std::move(validate), {}, {}};
}

void SysVars::defineComputed(const std::wstring& name, short type, std::function<SysVarValue()> getter,
                             std::function<int(const SysVarValue&)> setter) {
  bool readOnly = !setter;
  vars_[UpperCase(name)] = Entry{type, readOnly, SysVarValue(), {}, std::move(getter), std::move(setter)};
}

bool SysVars::has(const std::wstring& name) const { return vars_.count(UpperCase(name)) != 0; }

int SysVars::get(const std::wstring& name, SysVarValue& value) const {
  auto it = vars_.find(UpperCase(name));
  if (it == vars_.end()) return RTERROR;
  value = it->second.getter ? it->second.getter() : it->second.stored;
  value.type = it->second.type;
  return RTNORM;
}

int SysVars::set(const std::wstring& name, const SysVarValue& value) {
  auto it = vars_.find(UpperCase(name));
  if (it == vars_.end() || it->second.readOnly) return RTERROR;
  Entry& e = it->second;
  SysVarValue v = value;
  if (IsIntType(e.type)) {
    if (!IsIntType(v.type)) return RTERROR;
  } else if (e.type == RTREAL) {
    if (IsIntType(v.type)) v.r = static_cast<double>(v.i);
    else if (v.type != RTREAL) return RTERROR;
  } else if (e.type == RTSTR && v.type != RTSTR) {
    return RTERROR;
  } else if (IsPointType(e.type)) {
    if (!IsPointType(v.type)) return RTERROR;
    if (v.type == RTPOINT && e.type == RT3DPOINT) v.p[2] = 0;
  }
  v.type = e.type;
  if (e.setter) return e.setter(v);
  if (e.validate && !e.validate(v)) return RTERROR;
  e.stored = v;
  return RTNORM;
}

void SysVars::setInternal(const std::wstring& name, const SysVarValue& value) {
  auto it = vars_.find(UpperCase(name));
  if (it == vars_.end() || it->second.getter) return;
  it->second.stored = value;
  it->second.stored.type = it->second.type;
}

}  // namespace zhost

int acedGetVar(const ACHAR* sym, resbuf* result) {
  if (!sym || !result) return RTERROR;
  zhost::SysVarValue v;
  if (zhost::SysVars::instance().get(sym, v) != RTNORM) return RTERROR;
  result->restype = v.type;
  switch (v.type) {
    case RTSHORT: result->resval.rint = static_cast<short>(v.i); break;
    case RTLONG: result->resval.rlong = static_cast<int32_t>(v.i); break;
    case RTREAL: result->resval.rreal = v.r; break;
    case RTSTR: result->resval.rstring = acutNewString(v.s.c_str()); break;
    case RTPOINT:
    case RT3DPOINT:
      for (int i = 0; i < 3; ++i) result->resval.rpoint[i] = v.p[i];
      break;
    default: return RTERROR;
  }
  return RTNORM;
}

int acedSetVar(const ACHAR* sym, const resbuf* value) {
  if (!sym || !value) return RTERROR;
  zhost::SysVarValue v;
  v.type = value->restype;
  switch (value->restype) {
    case RTSHORT: v.i = value->resval.rint; break;
    case RTLONG: v.i = value->resval.rlong; break;
    case RTREAL: v.r = value->resval.rreal; break;
    case RTSTR: v.s = value->resval.rstring ? value->resval.rstring : L""; break;
    case RTPOINT:
    case RT3DPOINT:
      for (int i = 0; i < 3; ++i) v.p[i] = value->resval.rpoint[i];
      break;
    default: return RTERROR;
  }
  return zhost::SysVars::instance().set(sym, v);
}
