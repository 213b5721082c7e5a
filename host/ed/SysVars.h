// System variables: acedGetVar/acedSetVar over a table of named, typed values, some computed by
// the layer that owns them (CMDNAMES by the command processor, SDI by the linker, DWGNAME by
// the documents, CLAYER, TEXTSIZE, TEXTSTYLE, CANNOSCALE and DBMOD by the working database).
#pragma once

#include <functional>
#include <map>
#include <string>

#include "host/rx/ads.h"

// RTNORM, or RTERROR for an unknown name (or a null buffer). String values are allocated for
// the caller, who frees them with free() or acutDelString.
int acedGetVar(const ACHAR* sym, resbuf* result);
// RTNORM, or RTERROR for an unknown or read-only name, a value of the wrong type or one out of
// range.
int acedSetVar(const ACHAR* sym, const resbuf* value);

namespace zhost {

struct SysVarValue {
  short type = RTSHORT;  // RTSHORT, RTLONG, RTREAL, RTSTR, RTPOINT or RT3DPOINT
  long long i = 0;
  double r = 0;
  std::wstring s;
  double p[3] = {0, 0, 0};

  static SysVarValue Int(long long v) { SysVarValue x; x.type = RTSHORT; x.i = v; return x; }
  static SysVarValue Real(double v) { SysVarValue x; x.type = RTREAL; x.r = v; return x; }
  static SysVarValue Text(const std::wstring& v) { SysVarValue x; x.type = RTSTR; x.s = v; return x; }
  static SysVarValue Point(double x0, double y0, double z0) {
    SysVarValue x;
    x.type = RT3DPOINT;
    x.p[0] = x0;
    x.p[1] = y0;
    x.p[2] = z0;
    return x;
  }
};

class SysVars {
 public:
  static SysVars& instance();

  // A stored variable. validate (optional) refuses values out of range.
  void define(const std::wstring& name, const SysVarValue& initial, bool readOnly = false,
              std::function<bool(const SysVarValue&)> validate = {});
  // A variable whose value another layer computes; without a setter it is read-only. The setter
  // returns RTNORM or RTERROR.
  void defineComputed(const std::wstring& name, short type, std::function<SysVarValue()> getter,
                      std::function<int(const SysVarValue&)> setter = {});
  bool has(const std::wstring& name) const;

  int get(const std::wstring& name, SysVarValue& value) const;
  int set(const std::wstring& name, const SysVarValue& value);
  // Sets a stored variable even when it is read-only for modules (the host's own changes).
  void setInternal(const std::wstring& name, const SysVarValue& value);

 private:
  SysVars();
  struct Entry {
    short type;
    bool readOnly;
    SysVarValue stored;
    std::function<bool(const SysVarValue&)> validate;
    std::function<SysVarValue()> getter;
    std::function<int(const SysVarValue&)> setter;
  };
  std::map<std::wstring, Entry> vars_;  // upper-case names
};

}  // namespace zhost
