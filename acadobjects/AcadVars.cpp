// Typed reads of system variables and the program state built on them.
#include "acadobjects/AcadVars.h"

#include <cstdarg>
#include <cstdlib>
#include <string>

#include "acadobjects/DocumentServices.h"
#include "acadobjects/ServiceGuard.h"
#include "frame/ResourceString.h"
#include "host/db/AcDbAnnotativeObjectPE.h"
#include "host/db/AcDbDatabase.h"
#include "host/db/AcDbEntity.h"
#include "host/db/AcDbHostApplicationServices.h"
#include "host/ed/CommandLine.h"
#include "host/ed/SysVars.h"
#include "host/rx/AcRxClass.h"
#include "host/win/WideFormat.h"

namespace {

const int kAnnotativeScaleName = 7102;
const int kCommandTextLimit = 1024;

// The variable's value read into `value`; false when it cannot be read.
bool ReadVar(const wchar_t* name, resbuf& value) {
  if (!name || !*name) return false;
  value.rbnext = nullptr;
  value.restype = RTNONE;
  if (acedGetVar(name, &value) != RTNORM) return false;
  if (value.restype == RTSTR) {
    acutDelString(value.resval.rstring);
    return false;
  }
  return true;
}

// "paper:drawing" as paper / drawing; 0 when the text is no such scale.
double ScaleTextValue(const std::wstring& text) {
  const size_t colon = text.find(L':');
  if (colon == std::wstring::npos) return 0.0;
  const double paper = std::wcstod(text.substr(0, colon).c_str(), nullptr);
  const double drawing = std::wcstod(text.substr(colon + 1).c_str(), nullptr);
  return paper > 0.0 && drawing > 0.0 ? paper / drawing : 0.0;
}

}  // namespace

double GetAcadVarD(const wchar_t* name) {
  resbuf value;
  if (!ReadVar(name, value)) return 0.0;
  switch (value.restype) {
    case RTREAL:
    case RTANG:
      return value.resval.rreal;
    case RTSHORT:
      return value.resval.rint;
    case RTLONG:
      return value.resval.rlong;
    default:
      return 0.0;
  }
}

int GetAcadVarI(const wchar_t* name) {
  resbuf value;
  if (!ReadVar(name, value)) return 0;
  switch (value.restype) {
    case RTSHORT:
      return value.resval.rint;
    case RTLONG:
      return value.resval.rlong;
    case RTREAL:
      return static_cast<int>(value.resval.rreal);
    default:
      return 0;
  }
}

AcGePoint3d GetAcadVarP(const wchar_t* name) {
  resbuf value;
  if (!ReadVar(name, value)) return AcGePoint3d();
  if (value.restype != RTPOINT && value.restype != RT3DPOINT) return AcGePoint3d();
  const double z = value.restype == RT3DPOINT ? value.resval.rpoint[2] : 0.0;
  return AcGePoint3d(value.resval.rpoint[0], value.resval.rpoint[1], z);
}

bool IsPaperSpace() { return GetAcadVarI(L"TILEMODE") == 0 && GetAcadVarI(L"CVPORT") == 1; }

bool IsInFloatingViewport() { return GetAcadVarI(L"TILEMODE") == 0 && GetAcadVarI(L"CVPORT") != 1; }

CString GetActiveCommand(bool includeOwn) {
  resbuf value;
  value.rbnext = nullptr;
  if (acedGetVar(L"CMDNAMES", &value) != RTNORM || value.restype != RTSTR) return CString();
  CString names(value.resval.rstring ? value.resval.rstring : L"");
  acutDelString(value.resval.rstring);
  names.MakeUpper();
  if (!includeOwn && names.Find(L"QTRV_") >= 0) return CString();
  return names;
}

void SendCommandString(const wchar_t* format, ...) {
  if (!format) return;
  va_list args;
  va_start(args, format);
  std::wstring text = zhost::FormatWideV(format, args);
  va_end(args);
  if (text.size() > static_cast<size_t>(kCommandTextLimit)) text.resize(kCommandTextLimit);
  acedPostCommand(text.c_str());
}

// The host has no product registry to read a product name from, and it is never the reduced
// edition of the CAD program, so the answer is always no.
bool IsAutoCADLT() { return false; }

double GetCurAnnotationScale(AcDbDatabase* db) {
  return GuardedService(L"GetCurAnnotationScale", 1.0, [&] {
    AcDbDatabase* current = CurDwg();
    if (!db) db = current;
    if (!db) return 1.0;
    double scale = 0.0;
    if (db == current) {
      scale = GetAcadVarD(L"CANNOSCALEVALUE");
    } else {
      auto& header = db->extraHeaderVariables();
      auto found = header.find(L"CANNOSCALE");
      if (found != header.end()) scale = ScaleTextValue(found->second);
    }
    return scale > 0.0 ? scale : 1.0;
  });
}

bool IsAnnotativeScaleName(const wchar_t* scale) {
  if (!scale) return false;
  return GetResString(kAnnotativeScaleName).CompareNoCase(scale) == 0;
}

bool SetAnnotative(AcDbEntity* entity, bool on) {
  if (!entity) return false;
  AcDbAnnotativeObjectPE* pe =
      AcDbAnnotativeObjectPE::cast(entity->isA()->queryX(AcDbAnnotativeObjectPE::desc()));
  if (!pe) {
    TraceMsg(L"SetAnnotative: no annotative protocol extension\n");
    return false;
  }
  if (pe->annotative(entity) == on) return false;
  if (!entity->isWriteEnabled() && entity->upgradeOpen() != Acad::eOk) {
    TraceMsg(L"SetAnnotative: the entity cannot be opened for write\n");
    return false;
  }
  Acad::ErrorStatus es = pe->setAnnotative(entity, on);
  if (es != Acad::eOk) TraceMsgF(L"SetAnnotative: error %d\n", static_cast<int>(es));
  return es == Acad::eOk;
}
